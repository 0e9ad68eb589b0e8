#include "cli/report_pdf.h"

#include <QGuiApplication>

#include "render/document_pdf.h"

namespace sidora::cli {

bool save_report_pdf(const models::StyledDocument& doc, const std::string& file) {
    // Fonts need an application object; no display is needed for a file.
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "sidora-cli";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
    return render::save_document_pdf(doc, QString::fromStdString(file));
}

}  // namespace sidora::cli
