#pragma once
// Parsing of the moment and coordinates given on a command line.
#include <optional>
#include <string>

#include "engine/time.h"

namespace sidora::models {

// "YYYY-MM-DDTHH:MM[:SS]" with a date in the calendar and a valid clock time.
std::optional<engine::Moment> parse_moment(const std::string& text);

struct Coordinate {
    int deg = 0, min = 0;
    bool positive = true;  // north or east
};
// 90° of latitude and 180° of longitude end the scale: no minutes are counted beyond them.
constexpr bool within_scale(long deg, long min, long max_deg) {
    return deg >= 0 && min >= 0 && min <= 59 && (deg < max_deg || (deg == max_deg && min == 0));
}

// "DD:MM(N|S)", degrees 0..90, minutes 0..59, at most 90:00.
std::optional<Coordinate> parse_latitude(const std::string& text);
// "DDD:MM(E|W)", degrees 0..180, minutes 0..59, at most 180:00.
std::optional<Coordinate> parse_longitude(const std::string& text);

// The computer's local clock.
engine::Moment local_now();

}  // namespace sidora::models
