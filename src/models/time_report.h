#pragma once
// What the program knows of a moment's time: zone offset, summer time, Julian day,
// weekday and local sidereal time.
#include <string>

#include "engine/engine_state.h"

namespace sidora::models {

enum class SummerMode { Auto, Yes, No };

struct TimeRequest {
    engine::Moment moment;
    int zone_index = 2;
    SummerMode summer = SummerMode::Auto;
    int lon_deg = 14, lon_min = 25;
    bool east = true;
};

struct TimeReport {
    double jd = 0;
    int zone_offset = 0;
    bool summer = false;
    std::string summer_text;  // "" when the rule table wrote none for the moment
    std::string weekday;
    double sidereal_degrees = 0;
    std::string sidereal_text;
};

// Uses the engine's rule table and leaves its sidereal values set for the moment.
TimeReport compute_time_report(engine::Engine& engine, const TimeRequest& request);

}  // namespace sidora::models
