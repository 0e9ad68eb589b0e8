#pragma once
// The report's selection "Výběr": its ten boxes, and "N&astav", which stores them in
// stav.mem and then builds the natal report.
#include <array>
#include <string>
#include <variant>
#include <vector>

#include "data/app_state.h"
#include "data/report_flags.h"
#include "horoscope/chart.h"
#include "models/natal_report.h"

namespace sidora::models {

inline constexpr const char* kSelectionCaption = "Výběr";
inline constexpr int kSelectionHelpTopic = 25;

// The check boxes in the order of the flags.
inline constexpr std::array<const char*, 10> kReportFlagLabels = {
    "Polohy planet (planetek, Č.Luny)", "Polohy domů (Vertexu)", "Polohy citlivých bodů", "Polohy stálic",
    "Aspekty", "Výklad planet ve znameních", "Výklad planet v domech", "Dominantní rysy", "Výklad aspektů",
    "Výklad domů ve znameních"};

struct BuiltReport {
    StyledDocument doc;
    std::vector<TextLookup> lookups;
    std::vector<std::string> warnings;
};

// "N&astav": the boxes go to stav.mem first; when it cannot be written the reason comes back
// and no report is built.
std::variant<BuiltReport, std::string> confirm_selection(const data::AppState& state,
                                                         const horoscope::NatalChart& chart,
                                                         const data::ReportFlags& flags);

// The report of the chosen sections, without storing them.
BuiltReport build_report(const data::AppState& state, const horoscope::NatalChart& chart,
                         const data::ReportFlags& flags);

}  // namespace sidora::models
