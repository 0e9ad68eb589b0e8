#pragma once
// The main window's day refresh without its widgets: the Sun, the twilights, the Moon, the
// planets, phases, apsides and seasons of a date and place.
#include <array>
#include <string>

#include "data/places_file.h"
#include "engine/engine_state.h"

namespace sidora::models {

struct DayReport {
    std::string sun_rise, sun_set, culmination, day_length;
    double rise_hours = 0, set_hours = 0, rise_azimuth = 0, set_azimuth = 0, culmination_altitude = 0;
    std::array<std::pair<std::string, std::string>, 3> twilight;  // civil, nautical, astronomical: dawn, dusk
    std::string moon_rise, moon_set, moon_transit;
    std::array<engine::Engine::PlanetRiseSet, 9> planets{};  // 1..8
    std::array<engine::Engine::LunarPhase, 4> phases{};
    std::array<engine::Engine::Instant, 4> seasons{};
    engine::Engine::Instant perihelion, aphelion, perigee, apogee;
};

// Runs the refresh in the window's order; leaves rise_mode at 3 as the window does.
DayReport day_refresh(engine::Engine& engine, unsigned day, unsigned month, unsigned year,
                      const data::TMisto& place, int zone_offset, int zone_minutes);

// "Nov:", "1. čtvrť:", "3. čtvrť:", "Úplněk:" by phase type 1..4.
const std::string& phase_name(int type);

}  // namespace sidora::models
