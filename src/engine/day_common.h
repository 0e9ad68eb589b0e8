#pragma once
// Pieces the rising and setting routines of the Sun, the Moon and the planets share.
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/angles.h"
#include "engine/time.h"

namespace sidora::engine {

// "h:mm" with the minutes truncated (hours ≥ 0).
inline std::string clock_truncated(double hours) {
    const auto h = static_cast<long>(hours);
    const auto m = static_cast<long>((hours - static_cast<double>(h)) * 60);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%ld:%02ld", h, m);
    return buf;
}

// "h:mm" where seconds over 30 round the minute up and an hour of 24 shows as 0.
inline std::string clock_rounded(double hours) {
    auto h = static_cast<long>(hours);
    const double rest = (hours - static_cast<double>(h)) * 60;
    auto m = static_cast<long>(rest);
    if (static_cast<long>((rest - static_cast<double>(m)) * 60) > 30) ++m;
    if (m > 59) {
        ++h;
        m = 0;
    }
    if (h >= 24) h = 0;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%ld:%02ld", h, m);
    return buf;
}

// A place's latitude or longitude in radians, negative south or west.
inline double place_angle(int deg, int min, bool positive) {
    const double v = (deg + min / 60.0) * kPi / 180.0;
    return positive ? v : -v;
}

// Greenwich sidereal time of a Julian day in seconds, brought into −86400..86400.
inline double theta0_seconds(double jd) {
    return std::fmod(greenwich_sidereal_time(julian_centuries(jd)), 86400.0);
}

}  // namespace sidora::engine
