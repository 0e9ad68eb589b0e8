#pragma once
// The four aspect searches of a chart and the aspects' colours.
#include "data/orbs.h"
#include "horoscope/chart.h"

namespace sidora::horoscope {

// Bodies not taking part: an asteroid whose element file is missing, and the rows
// excluded in point_exclusions. present[b] false leaves body b out of every search.
using Present = std::array<bool, kChartBodies + 1>;
Present present_bodies(const data::OrbTables& orbs, const std::array<bool, 6>& asteroid_present);

AspectTable find_aspects(const ChartTable& chart, const data::OrbTables& orbs, const data::AspectDefs& defs,
                         const Present& present);
// The same search between two charts: cell [a][b] holds body a of `first` against body b
// of `second` (the partner horoscope: the second person as `first`).
AspectTable find_aspects_between(const ChartTable& first, const Present& first_present, const ChartTable& second,
                                 const Present& second_present, const data::OrbTables& orbs,
                                 const data::AspectDefs& defs);
// Latitude parallels into lat, declination parallels into decl.
void find_parallels(const ChartTable& chart, const data::OrbTables& orbs, const Present& present,
                    AspectTable& lat, AspectTable& decl);
// A point of kNone forms no aspect.
PointAspectTable find_point_aspects(const ChartTable& chart, const SensitivePoints& points,
                                    const data::OrbTables& orbs, const data::AspectDefs& defs,
                                    const Present& present);
StarTable find_star_conjunctions(const ChartTable& chart, const FixedStars& stars, const data::OrbTables& orbs,
                                 const Present& present);

// 1..5 their colours, 6..100 black, anything else the fallback.
Colour aspect_colour(int code, Colour fallback);

}  // namespace sidora::horoscope
