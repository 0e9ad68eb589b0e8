#include "cli/view_png.h"

#include <QGuiApplication>

#include "render/painter.h"

namespace sidora::cli {

bool save_drawing_png(const models::Drawing& drawing, const std::string& file) {
    // Fonts need an application object; no display is needed for an image.
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "sidora-cli";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
    return render::save_png(drawing, QString::fromStdString(file));
}

}  // namespace sidora::cli
