#include "models/report_selection.h"

#include "io/files.h"

namespace sidora::models {

BuiltReport build_report(const data::AppState& state, const horoscope::NatalChart& chart,
                         const data::ReportFlags& flags) {
    NatalReport report(chart, horoscope::text_directory(state.program_dir, horoscope::kNatalTextDir),
                       state.aspect_defs, state.orbs, state.astro.zodiacal_notation != 0);
    report.build(flags);
    return {std::move(report.doc()), report.lookups(), report.warnings()};
}

std::variant<BuiltReport, std::string> confirm_selection(const data::AppState& state,
                                                         const horoscope::NatalChart& chart,
                                                         const data::ReportFlags& flags) {
    try {
        data::save_report_flags(state.program_dir, flags);
    } catch (const io::FileError& e) {
        return std::string(e.what());
    }
    return build_report(state, chart, flags);
}

}  // namespace sidora::models
