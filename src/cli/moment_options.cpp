#include "cli/moment_options.h"

#include "data/places_store.h"
#include "engine/zones.h"

namespace sidora::cli {

MomentOptions::MomentOptions(const data::AppState& state, bool with_place)
    : moment(models::local_now()),
      zone_index(state.start.zone_index),
      summer(state.start.auto_summer ? models::SummerMode::Auto
             : state.start.summer_flag ? models::SummerMode::Yes
                                       : models::SummerMode::No),
      with_place_(with_place) {}

bool MomentOptions::take(const std::string& opt, Args& args) {
    if (opt == "--json") {
        json = true;
    } else if (opt == "--at") {
        const std::string v = args.value_of(opt);
        const auto m = models::parse_moment(v);
        if (!m) throw UsageError("neplatný okamžik „" + v + "“ (očekáváno RRRR-MM-DDTHH:MM[:SS])");
        moment = *m;
        at_given = true;
    } else if (opt == "--zone") {
        zone_index = args.int_value_of(opt, 1, engine::kZoneCount, "časové pásmo");
    } else if (opt == "--summer") {
        const std::string v = args.value_of(opt);
        if (v == "auto") summer = models::SummerMode::Auto;
        else if (v == "yes") summer = models::SummerMode::Yes;
        else if (v == "no") summer = models::SummerMode::No;
        else throw UsageError("neplatná hodnota --summer „" + v + "“ (auto, yes nebo no)");
    } else if (with_place_ && opt == "--place") {
        place = args.value_of(opt);
    } else if (with_place_ && opt == "--lat") {
        const std::string v = args.value_of(opt);
        lat = models::parse_latitude(v);
        if (!lat) throw UsageError("neplatná zeměpisná šířka „" + v + "“ (očekáváno DD:MM a N nebo S)");
    } else if (with_place_ && opt == "--lon") {
        const std::string v = args.value_of(opt);
        lon = models::parse_longitude(v);
        if (!lon) throw UsageError("neplatná zeměpisná délka „" + v + "“ (očekáváno DDD:MM a E nebo W)");
    } else {
        return false;
    }
    return true;
}

void MomentOptions::finish() const {
    if (lat.has_value() != lon.has_value()) throw UsageError("--lat a --lon se zadávají spolu");
    if (place && lat) throw UsageError("--place nebo --lat a --lon, ne obojí");
}

std::optional<data::TMisto> MomentOptions::place_of(const data::AppState& state, std::string& why) const {
    if (place) {
        data::PlacesStore store(state.program_dir / data::kPlacesFile);
        auto found = store.find_place(*place);
        if (!found) why = "Místo „" + *place + "“ v seznamu není!";
        if (found && found->damaged) {
            why = *data::damaged_place_message(*found);
            return std::nullopt;
        }
        return found;
    }
    data::TMisto p = state.current_place;
    if (lat) {
        p.name.clear();
        p.lat_deg = lat->deg;
        p.lat_min = lat->min;
        p.north = lat->positive;
        p.lon_deg = lon->deg;
        p.lon_min = lon->min;
        p.east = lon->positive;
    }
    return p;
}

int MomentOptions::zone_offset(engine::Engine& engine) const {
    return engine
        .zone_offset_of(zone_index, summer == models::SummerMode::Auto, summer == models::SummerMode::Yes,
                        moment.year, moment.month, moment.day, moment.hour)
        .hours;
}

}  // namespace sidora::cli
