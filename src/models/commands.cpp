#include "models/commands.h"

#include "data/settings_files.h"
#include "data/startup.h"
#include "io/files.h"

namespace sidora::models {

std::optional<std::uint8_t> stored_auto_summer(const data::AppState& state) {
    const auto bytes = io::read_file(state.program_dir / data::StartMem::kFile);
    if (!bytes) return std::nullopt;
    std::string why;
    const auto start = data::decode_start_mem(*bytes, why);
    if (!start) return std::nullopt;
    return start->auto_summer;
}

void step_moment(data::AppState& state, Step step) {
    // An unreadable start.mem keeps the choice in force rather than guessing one.
    if (const auto stored = stored_auto_summer(state)) state.start.auto_summer = *stored;
    engine::Moment& m = state.current_moment;
    switch (step) {
        case Step::NextDay: engine::moment_next_day(m); break;
        case Step::PrevDay: engine::moment_prev_day(m); break;
        case Step::NextMonth: engine::moment_next_month(m); break;
        case Step::PrevMonth: engine::moment_prev_month(m); break;
        case Step::NextYear: engine::moment_next_year(m); break;
        case Step::PrevYear: engine::moment_prev_year(m); break;
    }
    state.clock_running = false;
}

std::optional<std::string> set_now(data::AppState& state) {
    state.clock_running = true;
    try {
        data::load_start_files(state);
        return data::load_home_place(state);
    } catch (const data::StartupError& e) {
        // A settings file spoilt since the start: say so and go on with what is in memory.
        return e.message();
    }
}

}  // namespace sidora::models
