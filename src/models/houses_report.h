#pragma once
// The houses of a moment and place as the main window computes them.
#include <array>
#include <string>
#include <vector>

#include "data/places_file.h"
#include "engine/engine_state.h"

namespace sidora::models {

struct HousesReport {
    double sidereal_degrees = 0;  // before the houses replaced it by the MC
    double obliquity = 0;         // degrees, of the date at 12:00
    engine::HouseTable table{};
    std::vector<std::pair<int, int>> body_houses;  // body number, house 1..12 (0: the system has no cusps)
};

// Sidereal time, body table, houses, and the house of every body in `house_system` 1..16.
HousesReport compute_houses_report(engine::Engine& engine, const engine::Moment& moment, int zone_offset,
                                   const data::TMisto& place, int house_system);

}  // namespace sidora::models
