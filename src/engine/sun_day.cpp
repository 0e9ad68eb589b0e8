// The Sun's rising, setting, twilight, day length, culmination and azimuths at a place.
#include <cmath>
#include <cstdio>

#include "engine/angles.h"
#include "engine/day_common.h"
#include "engine/engine_state.h"
#include "engine/frames.h"

namespace sidora::engine {
namespace {

constexpr double kDeg = kPi / 180.0;

double into_0_2pi_once(double a) {
    if (a < 0) a += kTwoPi;
    if (a > kTwoPi) a -= kTwoPi;
    return a;
}

}  // namespace

double right_ascension(double lon, double lat, double decl, double eps) {
    const double cd = std::cos(decl);
    if (cd == 0) return 0;
    const double a = safe_acos(std::cos(lat) * std::cos(lon) / cd);
    const double s = safe_asin((std::cos(eps) * std::sin(lon) * std::cos(lat) - std::sin(eps) * std::sin(lat)) / cd);
    if (a == 0 || s == 0) return 0;
    return s > 0 ? a : kTwoPi - a;
}

void Engine::sun_day(unsigned day, unsigned month, unsigned year, int lat_deg, int lat_min, int lon_deg,
                     int lon_min, bool north, bool east, bool twilight, int zone_offset, int zone_minutes) {
    // The Sun at 12:00 zone time of the date.
    compute_sun(year, month, day, 12, 0, 0, zone_offset, zone_minutes);
    apparent_correction(kSun);
    const double eps = mean_obliquity(day, month, year, 12, 0, 0, zone_offset, zone_minutes);
    const double lam = body_table[kSun].longitude * kDeg, bet = body_table[kSun].latitude * kDeg;
    const double delta = safe_asin(std::sin(eps) * std::sin(lam) * std::cos(bet) + std::cos(eps) * std::sin(bet));

    const double T = julian_centuries(julian_day(day, month, year, 12, 0, 0, zone_offset, zone_minutes));
    double L = (280.5 + 36000.8 * T) * kDeg;
    while (L > kTwoPi) L -= kTwoPi;
    const double eot = ((592 - T) * std::sin(2 * L) - (13 * T + 103) * std::sin(L) - (448 - 4 * T) * std::cos(L)) * kPi / 43200;

    double h0 = -0.75;
    if (twilight) h0 = rise_mode == 1 ? -6 : rise_mode == 2 ? -12 : rise_mode == 3 ? -18 : -0.75;
    if (rise_mode == 4) h0 = 0;
    h0 *= kDeg;
    const double phi = place_angle(lat_deg, lat_min, north);
    const double lon = place_angle(lon_deg, lon_min, east);
    const double x = (std::sin(h0) - std::sin(phi) * std::sin(delta)) / (std::cos(phi) * std::cos(delta));

    if (x < -1 || x > 1) {
        if (twilight) {
            sun_rise_text = sun_set_text = "Není";
            return;
        }
        const bool polar_day = x < -1;
        sun_rise_text = sun_set_text = polar_day ? "Polární den" : "Polární noc";
        day_length_text = polar_day ? "24 hodin" : "0 hodin";
        day_length_hours = polar_day ? 24 : 0;
        sun_transit_time(day, month, year, zone_offset, zone_minutes, lon);
        sun_rise_azimuth = sun_set_azimuth = 0;
        return;
    }

    const double H0 = std::acos(x);
    day_length_hours = H0 * 24 / kPi;
    day_length_text = clock_truncated(day_length_hours);

    const double zone = zone_offset * kPi / 12;
    const double R = into_0_2pi_once(kPi - H0 - lon + zone - eot);
    sun_rise_hours = R * 12 / kPi;
    double culm = sun_rise_hours + day_length_hours / 2;
    while (culm >= 24) culm -= 24;
    while (culm < 0) culm += 24;
    sun_culmination_text = clock_truncated(culm);
    sun_rise_text = clock_rounded(sun_rise_hours);

    // Azimuths of the centre on the same −0.75° horizon as the rising time: on the geometric
    // horizon they would be off by half a degree at middle latitudes. One formula serves
    // both hemispheres; the rise is east of the meridian, the set its mirror in the west.
    const double c = std::sin(-0.75 * kDeg);
    if ((c - std::sin(phi) * std::sin(delta)) / (std::cos(phi) * std::cos(delta)) < 1) {
        const double ratio = (std::sin(delta) - std::sin(phi) * c) / (std::cos(phi) * std::cos(-0.75 * kDeg));
        const double rise = safe_acos(ratio) / kDeg;
        sun_rise_azimuth = rise;
        sun_set_azimuth = normalize_deg(360 - rise);
    }

    const double S = into_0_2pi_once(zone + H0 + kPi - lon - eot);
    sun_set_hours = S * 12 / kPi;
    sun_set_text = clock_rounded(sun_set_hours);
}

void Engine::sun_transit_time(unsigned day, unsigned month, unsigned year, int zone_offset, int zone_minutes,
                              double longitude_rad) {
    const double eps0 = mean_obliquity(day, month, year, 0, 0, 0, zone_offset, zone_minutes);
    const TBodyRow& sun = body_table[kSun];
    const double alpha = right_ascension(sun.longitude * kDeg, sun.latitude * kDeg, sun.declination * kDeg, eps0);
    sun_ra_deg = alpha / kDeg;
    const double as = alpha * 43200 / kPi, ls = longitude_rad * 43200 / kPi;
    // Pass 1 at 12:00 universal time, pass 2 at the time pass 1 found.
    int hour = 12, minute = 0;
    for (int pass = 0; pass < 2; ++pass) {
        int hh = hour + zone_offset;
        // The moment in zone time; an hour past the day is carried by julian_day, one before
        // it is taken from the previous date.
        Moment m{static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year), 0, 0, 0};
        if (hh < 0) {
            moment_prev_day(m);
            hh += 24;
        }
        const double T = julian_centuries(julian_day(m.day, m.month, m.year, static_cast<unsigned>(hh),
                                                     static_cast<unsigned>(minute), 0, zone_offset, zone_minutes));
        const double theta0 = std::fmod(greenwich_sidereal_time(T), 86400.0);
        const double r = sidereal_rate(T);
        double t = (as - theta0 - ls) / r / 3600;
        t = std::fmod(t, 24.0);
        if (t < 0) t += 24;
        hour = static_cast<int>(t);
        minute = static_cast<int>((t - hour) * 60);
    }
    int shown = (hour + zone_offset) % 24;
    if (shown < 0) shown += 24;
    sun_culmination_text = std::to_string(shown) + ":" + std::to_string(minute);
}

void Engine::sun_culmination_altitude_of(bool north, int lat_min, int lat_deg) {
    const double phi = (lat_deg + lat_min / 60.0) * (north ? 1 : -1);
    double alt = body_table[kSun].declination + 90 - phi + 0.3;
    if (alt > 90) alt = 180 - alt;
    sun_culmination_altitude = alt;
}

}  // namespace sidora::engine
