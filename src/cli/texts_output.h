#pragma once
// What the report commands share: the pending text installation and the JSON of a styled
// document with its lookups.
#include <string>
#include <vector>

#include "cli/output.h"
#include "data/app_state.h"
#include "models/natal_report.h"
#include "models/styled_lines.h"

namespace sidora::cli {

// A fresh data directory holds the delivered texts still packed; its messages go to stderr.
void install_pending_texts(const data::AppState& state);

// `lines`: text, style, colour, size, bold, (italic,) underline of each line.
Json lines_json(const models::StyledDocument& doc, bool with_italic = false);
// `lines`, `lookups` and `warnings`.
Json report_json(const models::StyledDocument& doc, const std::vector<models::TextLookup>& lookups,
                 const std::vector<std::string>& warnings);

}  // namespace sidora::cli
