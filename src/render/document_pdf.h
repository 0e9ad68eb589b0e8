#pragma once
// A report's styled lines as a PDF file, each line in its own colour, size and style.
#include <QString>

#include "models/styled_lines.h"

namespace sidora::render {

// False when the file cannot be written.
bool save_document_pdf(const models::StyledDocument& doc, const QString& file);

}  // namespace sidora::render
