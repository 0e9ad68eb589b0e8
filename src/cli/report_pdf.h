#pragma once
// The report as a PDF file, painted headless by the texts window's print path.
#include <string>

#include "models/styled_lines.h"

namespace sidora::cli {

// False when the file cannot be written.
bool save_document_pdf(const models::StyledDocument& doc, const std::string& file);

}  // namespace sidora::cli
