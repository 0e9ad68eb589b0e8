#pragma once
// The main window's commands on the shown moment: the six steps and the return to "now".
#include <optional>
#include <string>

#include "data/app_state.h"

namespace sidora::models {

enum class Step { NextDay, PrevDay, NextMonth, PrevMonth, NextYear, PrevYear };

// The auto_summer byte stored in start.mem; nothing when the file cannot be read.
std::optional<std::uint8_t> stored_auto_summer(const data::AppState& state);

// Automatic summer time back as stored (a manual choice of the date dialog ends here), the
// step on the moment with its time of day kept, and the clock frozen.
void step_moment(data::AppState& state, Step step);

// "Nastav \"nyní\" a počáteční hodnoty": the stored settings and the home place again, and
// the clock running. Returns the warning of a missing home place, if any.
std::optional<std::string> set_now(data::AppState& state);

}  // namespace sidora::models
