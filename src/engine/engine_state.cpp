#include "engine/engine_state.h"

namespace sidora::engine {

Engine::Engine() {
    std::vector<TLetniRok> none;
    for (int y = kSummerFirstYear; y <= kSummerFileLastYear; ++y) none.push_back(summer_rule_not_introduced(y));
    set_summer_rules(none);
}

void Engine::local_sidereal_time(unsigned day, unsigned month, unsigned year, unsigned hour,
                                 unsigned minute, unsigned second, int lon_deg, int lon_min,
                                 bool east, int zone_offset, int zone_minutes) {
    SiderealTime st = compute_local_sidereal_time(day, month, year, hour, minute, second, lon_deg,
                                                  lon_min, east, zone_offset, zone_minutes);
    sidereal_degrees = st.degrees;
    sidereal_text = std::move(st.text);
}

void Engine::set_summer_rules(const std::vector<TLetniRok>& file_years) {
    summer_rules = file_years;
    summer_rules.resize(kSummerFileYears);
    for (int y = kSummerFileLastYear + 1; y <= kSummerLastYear; ++y) {
        summer_rules.push_back(summer_rule_not_introduced(y));
    }
}

bool Engine::summer_time_in_effect(int Y, int M, int D, int H) {
    const std::string not_introduced = "V roce " + std::to_string(Y) + " nebyl LČ zaveden.";
    // Years past the table are treated like its last years.
    if (Y < kSummerFirstYear || Y > kSummerLastYear) {
        summer_text = not_introduced;
        return false;
    }
    const TLetniRok& r = summer_rules[static_cast<std::size_t>(Y - kSummerFirstYear)];
    if (r.nezaveden == 1) {
        summer_text = not_introduced;
        return false;
    }
    if (r.cely_rok == 1) {
        summer_text = "V roce " + std::to_string(Y) + " byl LČ zaveden po celý rok.";
        return true;
    }
    if (r.zaveden != 1 && r.dvakrat != 1) return false;

    auto n = [](int v) { return std::to_string(v); };
    summer_text = "LČ zaveden od  " + n(r.od_den) + "." + n(r.od_mesic) + ". " + n(r.od_hodina) +
                  " hod. SEĆ do " + n(r.do_den) + "." + n(r.do_mesic) + ". " + n(r.do_hodina) +
                  " hod. SELČ";
    if (r.zaveden == 1) {
        summer_text += ".";
    } else {
        summer_text += " a od " + n(r.od2_den) + "." + n(r.od2_mesic) + ". " + n(r.od2_hodina) +
                       " hod. SEĆ do " + n(r.do2_den) + "." + n(r.do2_mesic) + ". " +
                       n(r.do2_hodina) + " hod. SELČ.";
    }

    const long t = hour_of_year(Y, M, D, H);
    if (t < 0) return false;
    auto within = [&](int sm, int sd, int sh, int em, int ed, int eh) {
        const long s = hour_of_year(Y, sm, sd, sh);
        const long e = hour_of_year(Y, em, ed, eh);
        return s >= 0 && e >= 0 && s <= t && t < e;
    };
    if (within(r.od_mesic, r.od_den, r.od_hodina, r.do_mesic, r.do_den, r.do_hodina)) return true;
    if (r.dvakrat == 1) {
        return within(r.od2_mesic, r.od2_den, r.od2_hodina, r.do2_mesic, r.do2_den, r.do2_hodina);
    }
    return false;
}

Engine::ZoneOffset Engine::zone_offset_of(int zone_index, bool auto_summer, bool summer_flag,
                                          int year, int month, int day, int hour) {
    const bool summer = auto_summer ? summer_time_in_effect(year, month, day, hour) : summer_flag;
    return {zone_offset_hours(zone_index) + (summer ? 1 : 0), summer};
}

}  // namespace sidora::engine
