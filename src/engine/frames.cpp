#include "engine/frames.h"

#include <cmath>

#include "engine/time.h"

namespace sidora::engine {

double mean_obliquity(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute,
                      unsigned second, int zone_offset, int zone_minutes) {
    const double T = julian_centuries(julian_day(day, month, year, hour, minute, second, zone_offset, zone_minutes));
    const double deg = 23.439291111 - 0.0130041666666667 * T - 1.63888888888889e-7 * T * T +
                       5.03611111111111e-7 * T * T * T;
    return deg * 3.14159265358979323846 / 180.0;
}

double precession_since_2000(unsigned day, unsigned month, unsigned year, int zone_offset, int zone_minutes) {
    const double n = days_between(1, 1, 2000, static_cast<int>(day), static_cast<int>(month), static_cast<int>(year));
    const double T = julian_centuries(julian_day(day, month, year, 0, 0, 0, zone_offset, zone_minutes));
    return n / 365.0 * (0.0002438175029226924 + 1.077255999425389e-7 * T);
}

double safe_asin(double x) { return std::asin(x > 1 ? 1 : x < -1 ? -1 : x); }
double safe_acos(double x) { return std::acos(x > 1 ? 1 : x < -1 ? -1 : x); }

double angle_from_cos_sin(double c, double s) {
    const double a = safe_acos(c);
    return s < 0 ? kTwoPi - a : a;
}

Spherical spherical_from_rect(double x, double y, double z) {
    const double d = std::sqrt(x * x + y * y + z * z);
    if (d == 0) return {0, 0, 0};
    const double b = safe_asin(z / d);
    const double cb = d * std::cos(b);
    if (cb == 0) return {0, b, d};
    return {angle_from_cos_sin(x / cb, y / cb), b, d};
}

double declination_of(double lon, double lat, double eps) {
    return safe_asin(std::sin(lat) * std::cos(eps) + std::cos(lat) * std::sin(eps) * std::sin(lon));
}

Equatorial ecliptic_rect_to_equatorial(double x, double y, double z, double eps) {
    const double ye = y * std::cos(eps) - z * std::sin(eps);
    const double ze = y * std::sin(eps) + z * std::cos(eps);
    return {std::atan2(ye, x), std::atan2(ze, std::sqrt(x * x + ye * ye))};
}

Spherical equatorial_to_ecliptic(double ra, double dec, double eps) {
    const double b = safe_asin(std::sin(dec) * std::cos(eps) - std::cos(dec) * std::sin(eps) * std::sin(ra));
    const double cb = std::cos(b);
    if (cb == 0) return {0, b, 1};
    const double c = std::cos(dec) * std::cos(ra) / cb;
    const double s = (std::sin(dec) * std::sin(eps) + std::cos(dec) * std::cos(eps) * std::sin(ra)) / cb;
    return {angle_from_cos_sin(c, s), b, 1};
}

namespace {

// fmod keeps the sign of x, and a tiny negative remainder plus a full turn rounds to the
// full turn itself, so both ends are checked.
double into_turn(double x, double turn) {
    if (!std::isfinite(x)) return x;
    double r = std::fmod(x, turn);
    if (r < 0) r += turn;
    if (r >= turn) r = 0;
    return r;
}

}  // namespace

double normalize_rad(double x) { return into_turn(x, kTwoPi); }

double normalize_deg(double x) { return into_turn(x, 360.0); }

}  // namespace sidora::engine
