// The sixty tattva periods of the day that begins at the geometric sunrise.
#include <cmath>

#include "engine/angles.h"
#include "engine/engine_state.h"

namespace sidora::engine {
namespace {

// Whole minutes, halves to the even neighbour; every step starts from the rounded time.
double round_to_minute(double t) {
    const double h = std::trunc(t);
    return h + std::nearbyint((t - h) * 60) / 60;
}

}  // namespace

std::array<double, 60> tattva_starts(double S, double sunset, int system) {
    std::array<double, 60> t{};
    if (system == 0) {
        double x = S - 0.4;
        for (double& v : t) v = x = round_to_minute(x + 0.4);
    } else {
        const double d = (S < sunset ? sunset - S : 24 - S + sunset) / 30;
        double x = S - d;
        for (std::size_t k = 0; k < 30; ++k) t[k] = x = round_to_minute(x + d);
        const double n = (24 - 30 * d) / 30;
        x = sunset - n;
        for (std::size_t k = 30; k < 60; ++k) t[k] = x = round_to_minute(x + n);
    }
    for (double& v : t) {
        while (v >= 24) v -= 24;
        while (v < 0) v += 24;
    }
    return t;
}

bool Engine::tattva_table(const Moment& m, int lat_deg, int lat_min, bool north, int lon_deg, int lon_min,
                          bool east, int zone_offset, int zone_minutes, int system) {
    const std::uint8_t kept = rise_mode;
    rise_mode = 4;
    sun_day(m.day, m.month, m.year, lat_deg, lat_min, lon_deg, lon_min, north, east, false, zone_offset, zone_minutes);
    rise_mode = kept;
    if (!sun_rise_text.empty() && sun_rise_text[0] == 'P') {
        tattva_unavailable = true;
        return false;
    }
    tattva_unavailable = false;
    const double h = std::trunc(sun_rise_hours);
    sun_rise_hours = h + std::nearbyint(100 * (sun_rise_hours - h)) / 100;
    tattva_times = tattva_starts(sun_rise_hours, sun_set_hours, system);
    for (std::size_t k = 0; k < 60; ++k) tattva_texts[k] = hours_to_hhmm(tattva_times[k]);
    return true;
}

void Engine::current_tattva(const Moment& m) {
    const double a = m.hour + m.minute / 60.0;
    const auto& t = tattva_times;
    for (std::size_t k = 0; k < 60; ++k) {
        const std::size_t j = k == 59 ? 0 : k + 1;
        if ((a >= t[k] && a < t[j]) || (a >= t[k] && t[k] > t[j]) || (a < t[j] && t[j] < t[k])) {
            current_tattva_index = static_cast<int>(k);
            return;
        }
    }
    current_tattva_index = 59;
}

}  // namespace sidora::engine
