#include "cli/report_pdf.h"

#include "cli/view_png.h"
#include "render/document.h"

namespace sidora::cli {

bool save_document_pdf(const models::StyledDocument& doc, const std::string& file) {
    ensure_paint_application();
    return render::save_pdf(doc, QString::fromStdString(file));
}

}  // namespace sidora::cli
