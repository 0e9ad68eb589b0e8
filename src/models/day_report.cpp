#include "models/day_report.h"

namespace sidora::models {

const std::string& phase_name(int type) {
    static const std::array<std::string, 5> kNames = {"", "Nov:", "1. čtvrť:", "3. čtvrť:", "Úplněk:"};
    return kNames[type >= 1 && type <= 4 ? static_cast<std::size_t>(type) : 0];
}

DayReport day_refresh(engine::Engine& e, unsigned day, unsigned month, unsigned year, const data::TMisto& p,
                      int zo, int zm) {
    const bool north = p.north != 0, east = p.east != 0;
    DayReport r;
    e.sun_day(day, month, year, p.lat_deg, p.lat_min, p.lon_deg, p.lon_min, north, east, false, zo, zm);
    e.sun_culmination_altitude_of(north, p.lat_min, p.lat_deg);
    r.sun_rise = e.sun_rise_text;
    r.sun_set = e.sun_set_text;
    r.culmination = e.sun_culmination_text;
    r.day_length = e.day_length_text;
    r.rise_hours = e.sun_rise_hours;
    r.set_hours = e.sun_set_hours;
    r.rise_azimuth = e.sun_rise_azimuth;
    r.set_azimuth = e.sun_set_azimuth;
    r.culmination_altitude = e.sun_culmination_altitude;

    for (std::uint8_t mode = 1; mode <= 3; ++mode) {
        e.rise_mode = mode;
        e.sun_day(day, month, year, p.lat_deg, p.lat_min, p.lon_deg, p.lon_min, north, east, true, zo, zm);
        r.twilight[mode - 1u] = {e.sun_rise_text, e.sun_set_text};
    }

    e.moon_rise_set(day, month, year, p.lat_deg, p.lat_min, p.lon_deg, p.lon_min, north, east, zo, zm);
    r.moon_rise = e.moon_rise_text;
    r.moon_set = e.moon_set_text;
    r.moon_transit = e.moon_transit_text;

    e.planet_rise_set_of(day, month, year, p.lon_deg, p.lon_min, p.lat_deg, p.lat_min, east, north, zo, zm);
    r.planets = e.planet_rise_set;

    e.next_lunar_phases(day, month, year, zo, zm);
    e.find_perigee(day, month, year, zo, zm);
    e.find_apogee(day, month, year, zo, zm);
    e.find_perihelion(year, zo, zm);
    e.find_aphelion(year, zo, zm);
    e.find_seasons(year, zo, zm);
    r.phases = e.lunar_phases;
    r.seasons = e.season_instants;
    r.perihelion = e.perihelion_instant;
    r.aphelion = e.aphelion_instant;
    r.perigee = e.perigee_instant;
    r.apogee = e.apogee_instant;
    return r;
}

}  // namespace sidora::models
