#include "models/date_dialog.h"

#include "data/places_store.h"
#include "engine/zones.h"

namespace sidora::models {

void follow_summer_rule(data::AppState& state, DateForm& f) {
    const engine::Moment& m = f.moment;
    state.engine.summer_text.clear();
    f.summer = state.engine.summer_time_in_effect(m.year, m.month, m.day, m.hour);
    f.summer_text = state.engine.summer_text;
}

DateForm date_form_of(data::AppState& state) {
    DateForm f;
    f.moment = state.current_moment;
    follow_summer_rule(state, f);
    f.place_name = state.current_place.name;
    f.zone_name = state.current_zone_name;
    const int zone = engine::zone_index_of_name(f.zone_name);
    f.summer = zone > 0 && state.zone_offset != engine::zone_offset_hours(zone);
    return f;
}

std::optional<std::string> apply_date_form(data::AppState& state, const DateForm& f) {
    state.clock_running = false;
    const int zone = engine::zone_index_of_name(f.zone_name);
    if (zone > 0) {
        state.start.zone_index = zone;
        state.zone_offset = engine::zone_offset_hours(zone);
        state.current_zone_name = engine::zone_name(zone);
    }
    state.start.summer_flag = f.summer ? 1 : 0;
    if (f.summer) ++state.zone_offset;
    if (f.place_name.empty()) return "Není vybráno žádné místo!";

    std::optional<data::TMisto> place;
    try {
        place = data::PlacesStore(state.program_dir / data::kPlacesFile).find_place(f.place_name);
    } catch (const data::PlacesError& e) {
        return e.message();
    }
    if (!place) return "Místo „" + f.place_name + "“ v seznamu není!";
    if (auto damaged = data::damaged_place_message(*place)) return damaged;
    state.current_place = *place;
    state.current_moment = f.moment;
    state.start.auto_summer = 0;
    return std::nullopt;
}

}  // namespace sidora::models
