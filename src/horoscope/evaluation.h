#pragma once
// Counts, dignities, points, the chart ruler and the character text of a chart.
#include "horoscope/chart.h"

namespace sidora::horoscope {

Evaluation evaluate_natal(const ChartTable& chart, const AspectTable& aspects, const StarTable& stars);

// The "Síla a slabost" text of a planet: "Dom Rec5 Po ...".
std::string dignity_marks(const TDignity& d);

}  // namespace sidora::horoscope
