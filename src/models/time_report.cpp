#include "models/time_report.h"

#include "engine/angles.h"

namespace sidora::models {

TimeReport compute_time_report(engine::Engine& engine, const TimeRequest& r) {
    const engine::Moment& m = r.moment;
    TimeReport out;
    engine.summer_text.clear();
    const auto zone = engine.zone_offset_of(r.zone_index, r.summer == SummerMode::Auto,
                                            r.summer == SummerMode::Yes, m.year, m.month, m.day, m.hour);
    // The rule text describes the moment's year whatever decided the summer hour.
    if (r.summer != SummerMode::Auto) engine.summer_time_in_effect(m.year, m.month, m.day, m.hour);
    out.zone_offset = zone.hours;
    out.summer = zone.summer;
    out.summer_text = engine.summer_text;
    out.jd = engine::julian_day(m.day, m.month, m.year, m.hour, m.minute, m.second, out.zone_offset, 0);
    out.weekday = engine::weekday_name(engine::day_of_week(m.day, m.month, m.year));
    engine.local_sidereal_time(m.day, m.month, m.year, m.hour, m.minute, m.second, r.lon_deg,
                               r.lon_min, r.east, out.zone_offset, 0);
    out.sidereal_degrees = engine.sidereal_degrees;
    out.sidereal_text = engine.sidereal_text;
    return out;
}

}  // namespace sidora::models
