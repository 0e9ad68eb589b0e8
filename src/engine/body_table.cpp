#include <cmath>
#include <cstdio>

#include "engine/engine_state.h"
#include "engine/frames.h"

namespace sidora::engine {

double reference_motion(int body) {
    static constexpr double kMotion[10] = {13.183333, 0.983333, 0.983333, 0.983333, 0.516667,
                                           0.2,       0.083333, 0.033333, 0.016667, 0.008333};
    return body >= -1 && body <= 8 ? kMotion[body + 1] : 0;
}

std::string fixed_point_text(double value, int decimals) {
    if (!std::isfinite(value)) return "?";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

void Engine::apparent_correction(int body) {
    TBodyRow& row = body_table[body];
    if (row.distance != 0) row.longitude -= 0.0056916667 / row.distance;
    if (body == kSun) row.longitude -= 0.0044444444;
    row.longitude = normalize_deg(row.longitude);
}

void Engine::compute_sun_moon_planets(const Moment& m, int zo, int zm) {
    compute_sun(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    compute_moon(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    compute_mercury(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    compute_venus(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    compute_mars(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    compute_jupiter(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    compute_saturn(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    compute_uranus(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    compute_neptune(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    compute_pluto(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
}

void Engine::compute_natal_bodies(const Moment& m, int zo, int zm) {
    compute_sun_moon_planets(m, zo, zm);
    for (int b = kSun; b <= kPluto; ++b) apparent_correction(b);
}

void Engine::compute_main_window_bodies(const Moment& m, int zo, int zm) {
    compute_sun_moon_planets(m, zo, zm);
    for (int b = kMercury; b <= kPluto; ++b) apparent_correction(b);
    // The planets left the Sun of their last pass: the Sun of the moment itself.
    compute_sun(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    apparent_correction(kSun);
}

void Engine::compute_table_body(int body, const Moment& m, int zo, int zm) {
    switch (body) {
        case kMoon: compute_moon(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm); return;
        case kSun: compute_sun(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm); break;
        case kMercury: compute_mercury(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm); break;
        case kVenus: compute_venus(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm); break;
        case kMars: compute_mars(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm); break;
        case kJupiter: compute_jupiter(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm); break;
        case kSaturn: compute_saturn(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm); break;
        case kUranus: compute_uranus(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm); break;
        case kNeptune: compute_neptune(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm); break;
        case kPluto: compute_pluto(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm); break;
        default: return;
    }
    apparent_correction(body);
}

}  // namespace sidora::engine
