#include "cli/wheel_files.h"

#include <QGuiApplication>

#include "render/wheel_painter.h"

namespace sidora::cli {

bool save_wheel(const horoscope::WheelView& view, const std::string& file, WheelFormat format,
                const std::string& title) {
    // Fonts need an application object; no display is needed for a file.
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "sidora-cli";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
    const QString f = QString::fromStdString(file), t = QString::fromStdString(title);
    switch (format) {
        case WheelFormat::Svg: return render::save_wheel_svg(view, f, t);
        case WheelFormat::Pdf: return render::save_wheel_pdf(view, f, t);
        case WheelFormat::Png: break;
    }
    return render::save_wheel_png(view, f);
}

}  // namespace sidora::cli
