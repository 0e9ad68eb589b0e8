#include "cli/texts_output.h"

#include <iostream>

#include "data/startup.h"

namespace sidora::cli {

void install_pending_texts(const data::AppState& state) {
    if (!data::installation_requested(state)) return;
    data::InstallProgress quiet{[](const std::string&, int) {}, [](int) {}, [] {},
                                [](const std::string& text) { std::cerr << text << "\n"; }};
    data::install_interpretations(state, quiet);
}

Json lines_json(const models::StyledDocument& doc, bool with_italic) {
    Json lines = Json::array();
    for (const auto& l : doc.lines()) {
        Json line = {{"text", l.text},
                     {"style", models::style_name(l.style)},
                     {"colour", {l.colour.r, l.colour.g, l.colour.b}},
                     {"size", l.size},
                     {"bold", l.bold}};
        if (with_italic) line["italic"] = l.italic;
        line["underline"] = l.underline;
        lines.push_back(std::move(line));
    }
    return lines;
}

Json report_json(const models::StyledDocument& doc, const std::vector<models::TextLookup>& lookups,
                 const std::vector<std::string>& warnings) {
    Json found = Json::array();
    for (const auto& l : lookups) found.push_back({{"file", l.file}, {"variant", l.variant}, {"found", l.found}});
    return {{"lines", lines_json(doc)}, {"lookups", found}, {"warnings", warnings}};
}

}  // namespace sidora::cli
