#pragma once
// Computing a natal horoscope on the shared engine: the birth moment's bodies, houses,
// Vertex, asteroids, then the searches, points, stars and the evaluation.
#include <string>

#include "data/app_state.h"
#include "horoscope/chart.h"

namespace sidora::horoscope {

// The whole chart of a person. Sets state.engine_busy meanwhile and puts back the program's
// zone offset and house system; the engine's body and house tables hold the birth moment
// afterwards (the main window recomputes its own on its next tick). A record the person
// checks refuse throws std::invalid_argument with their Czech message; a missing asteroid
// file is only a warning.
NatalChart compute_natal(data::AppState& state, const data::TOsoba& person);

// Parts of compute_natal, each usable alone.
// "15.března 1972, 16:2 hod. UTC+1, LČ", no space after the day's full stop, without the
// day/night and JD parts.
std::string natal_date_line(const data::TOsoba& person);
// "Praha (50°5` S, 14°25` V)".
std::string natal_place_line(const data::TOsoba& person);
HouseRulers house_rulers(const ChartTable& chart, const HouseRow& houses, int house_system);
std::array<std::uint8_t, 26> dispositors(const ChartTable& chart);
bool is_day(const ChartTable& chart);

}  // namespace sidora::horoscope
