#pragma once
// Small pieces of orbit arithmetic the position routines share.
#include <cmath>

namespace sidora::engine {

// Kepler's equation by fixed-point iteration (E = M + e sin E) until the value repeats,
// at most 1000 steps, as the Sun and planet theories solve it.
inline double kepler_fixed_point(double M, double e) {
    double E = M;
    for (int i = 0; i < 1000; ++i) {
        const double next = M + e * std::sin(E);
        if (next == E) break;
        E = next;
    }
    return E;
}

// True anomaly from the eccentric anomaly; tan(E/2) infinite gives ν = π.
inline double true_anomaly(double E, double e) {
    const double half = E / 2;
    if (std::cos(half) == 0) return 3.14159265358979323846;
    return 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(half));
}

// Change of a longitude in degrees between two passes, the short way round, so that a
// body crossing 0° keeps its real motion.
inline double longitude_change(double later, double earlier) {
    double d = std::fmod(later - earlier, 360.0);
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    return d;
}

}  // namespace sidora::engine
