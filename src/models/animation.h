#pragma once
// The animation of the main window's moment: a step of a minute, an hour, a day, a month or
// a year forward or back at every tick of its timer, within the program's years.
#include <optional>
#include <string>

#include "data/app_state.h"

namespace sidora::models {

enum class AnimationUnit { Minute, Hour, Day, Month, Year };

// What one tick of the animation did.
enum class AnimationTick {
    Stepped,       // the moment moved one step
    Limit,         // the step reached a year limit: the moment stays at it and the run ends
    ClockStarted,  // "Spusť čas" was pressed: the run ends, the clock is followed again
    Idle,          // not running
};

class Animation {
public:
    AnimationUnit unit = AnimationUnit::Day;
    bool back = false;  // "Animuj do minulosti"

    // A direction button: the run begins and the clock is frozen.
    void start(data::AppState& state, bool backward);
    // "Zastav animaci", closing the window, a limit or the clock.
    void stop(data::AppState& state);
    AnimationTick tick(data::AppState& state);
};

// The step on its own, with the limits: false when it met a year limit (the moment then lies
// on the limit, or stays where it was when the limit lies behind it).
bool animation_step(engine::Moment& moment, AnimationUnit unit, bool back);

// "minuta", "hodina", "den", "mesic", "rok" on the command line.
std::optional<AnimationUnit> animation_unit(const std::string& word);

}  // namespace sidora::models
