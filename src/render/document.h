#pragma once
// The texts window's document on paper: A4 pages, each line in its colour, size and style,
// long lines wrapped, a new page where the next line would run past the margin.
#include <QString>

#include "models/styled_lines.h"

class QPagedPaintDevice;

namespace sidora::render {

// The margin on every side of a page, in millimetres.
inline constexpr double kPageMarginMm = 20.0;

// Paints the document onto `device` (a printer or a PDF writer whose page is already set)
// `copies` times, each copy from a new page. Returns the number of pages painted.
int paint_document(QPagedPaintDevice& device, const models::StyledDocument& doc, int copies = 1);

// The document as an A4 PDF file; false when the file cannot be written.
bool save_pdf(const models::StyledDocument& doc, const QString& file);

}  // namespace sidora::render
