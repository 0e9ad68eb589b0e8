#pragma once
// The body table of a moment as the main window computes it, with the asteroids after the
// planets, ready for listing.
#include <string>
#include <vector>

#include "engine/engine_state.h"

namespace sidora::models {

struct BodyLine {
    int number;
    std::string name;
    engine::TBodyRow row;
};

struct HelioLine {
    double longitude_deg, latitude_deg, r;
    std::string helio_distance_text, geo_distance_text;
};

struct PositionsReport {
    double jd = 0;
    int zone_offset = 0;
    std::vector<BodyLine> bodies;  // -1..10, 13, 16..20
    std::vector<HelioLine> helio;  // 0..8
    std::string sun_distance_text;
    double moon_distance_km = 0, moon_elongation = 0;
    bool moon_waxing = false;
    std::string moon_phase_text, moon_age_text;
    std::string asteroid_quality;
};

// Throws std::runtime_error (Czech) when an asteroid's elements are missing.
PositionsReport compute_positions(engine::Engine& engine, const engine::Moment& moment, int zone_offset);

// Name of a body number of the table.
const std::string& body_name(int number);

}  // namespace sidora::models
