#pragma once
// The Vertex, the 37 sensitive points and the fixed stars.
#include <string>

#include "engine/engine_state.h"
#include "horoscope/chart.h"

namespace sidora::horoscope {

// Vertex and Antivertex into body_table rows 14 and 15 (longitude only), from the
// sidereal time local_sidereal_time left in the engine; ε of the birth date at 12:00 in the
// zone the houses used, so both see one ecliptic. Returns ε (degrees) it used.
double compute_vertex(engine::Engine& engine, int lat_deg, int lat_min, bool north, int day, int month,
                      int year, int zone_offset = 0);

extern const std::array<const char*, kSensitivePoints + 1> sensitive_point_names;  // 1..37
extern const std::array<int, kSensitivePoints> sensitive_point_order;

// Points built from a missing cusp or ruler are kNone with house 0.
SensitivePoints compute_sensitive_points(const ChartTable& chart, const HouseRulers& rulers,
                                         const HouseRow& houses);
// House 1..12 of a longitude among the first twelve values of a row; 0 without cusps or
// for a longitude of kNone.
int house_of_longitude(double lon, const HouseRow& houses);

// The catalogue at 1980.0, and brought to a birth date.
const FixedStars& star_catalogue();
FixedStars precess_stars(int day, int month, int year);

}  // namespace sidora::horoscope
