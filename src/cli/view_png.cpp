#include "cli/view_png.h"

#include <QGuiApplication>

#include "render/painter.h"

namespace sidora::cli {

namespace {

// Fonts need an application object; no display is needed for an image.
void ensure_application() {
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "sidora-cli";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
}

}  // namespace

bool save_drawing_png(const models::Drawing& drawing, const std::string& file) {
    ensure_application();
    return render::save_png(drawing, QString::fromStdString(file));
}

bool save_drawing_svg(const models::Drawing& drawing, const std::string& file, const std::string& title) {
    ensure_application();
    return render::save_svg(drawing, QString::fromStdString(file), QString::fromStdString(title));
}

}  // namespace sidora::cli
