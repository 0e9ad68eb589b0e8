#pragma once
// Reports written as PDF by the render library, headless.
#include <string>

#include "models/styled_lines.h"

namespace sidora::cli {

bool save_report_pdf(const models::StyledDocument& doc, const std::string& file);

}  // namespace sidora::cli
