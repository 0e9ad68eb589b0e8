#include "cli/view_png.h"

#include <QGuiApplication>

#include <cstdio>

#include "render/painter.h"

namespace sidora::cli {

void ensure_paint_application() {
    // Fonts need an application object; no display is needed for an image.
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "sidora-cli";
        static char* argv[] = {name, nullptr};
        // Qt's own notes (a missing runtime directory, fonts) are not the command's output.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type >= QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
        });
        static QGuiApplication app(argc, argv);
    }
}

bool save_drawing_png(const models::Drawing& drawing, const std::string& file) {
    ensure_paint_application();
    return render::save_png(drawing, QString::fromStdString(file));
}

bool save_drawing_svg(const models::Drawing& drawing, const std::string& file, const std::string& title) {
    ensure_paint_application();
    return render::save_svg(drawing, QString::fromStdString(file), QString::fromStdString(title));
}

}  // namespace sidora::cli
