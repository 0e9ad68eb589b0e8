// Lunar phases, seasons and apsides: walks by days, hours and minutes until the quantity
// changes, so every instant is the first minute past its event.
#include <cmath>

#include "engine/engine_state.h"
#include "engine/steps.h"
#include "engine/time.h"

namespace sidora::engine {
namespace {

using Instant = Engine::Instant;

void step(Instant& c, bool forward, int minutes) {
    for (int i = 0; i < minutes; ++i) forward ? step_minute(c) : step_minute_back(c);
}

}  // namespace

template <typename F>
Engine::Instant Engine::find_extremum(Instant c, bool maximum, bool check_direction_first, F f) {
    // "Better" is smaller for a minimum, larger for a maximum.
    auto better_or_equal = [maximum](double v, double best) { return maximum ? v >= best : v <= best; };
    if (check_direction_first) {
        // Moving away from the extremum: walk by days until that stops.
        Instant next = c;
        step_minute(next);
        double prev = f(c);
        if (!better_or_equal(f(next), prev)) {
            for (int guard = 0; guard < 40; ++guard) {
                step_day(c);
                const double v = f(c);
                if (better_or_equal(v, prev)) break;
                prev = v;
            }
        }
    }
    // Days, as long as the value improves; then back to the best day.
    double best = f(c);
    for (int guard = 0; guard < 400; ++guard) {
        Instant next = c;
        step_day(next);
        const double v = f(next);
        if (!better_or_equal(v, best)) break;
        best = v;
        c = next;
    }
    // Hours, then minutes, each in the direction in which the value improves, ending at
    // the first step past the extremum; between them back to the best hour found.
    for (int stride : {60, 1}) {
        Instant later = c;
        step_minute(later);
        const double here = f(c), next = f(later);
        // Towards the extremum: forwards when the next minute is better, else backwards.
        const bool ahead = maximum ? next > here : next < here;
        best = here;
        Instant best_at = c;
        for (int guard = 0; guard < 2000; ++guard) {
            step(c, ahead, stride);
            const double v = f(c);
            if (!better_or_equal(v, best)) break;
            best = v;
            best_at = c;
        }
        if (stride == 60) c = best_at;  // back to the best hour, whichever way the search went
    }
    return c;
}

void Engine::next_lunar_phases(unsigned day, unsigned month, unsigned year, int zone_offset, int zone_minutes) {
    auto quarter = [&](const Instant& c) {
        const auto y = static_cast<unsigned>(c.year), mo = static_cast<unsigned>(c.month), d = static_cast<unsigned>(c.day);
        const auto h = static_cast<unsigned>(c.hour), mi = static_cast<unsigned>(c.minute);
        compute_sun(y, mo, d, h, mi, 0, zone_offset, zone_minutes);
        compute_moon(y, mo, d, h, mi, 0, zone_offset, zone_minutes);
        const double E = moon_waxing ? moon_elongation : 180 + moon_elongation;
        return static_cast<int>(std::trunc(E)) / 90;
    };
    for (auto& p : lunar_phases) p.valid = false;
    Instant c{static_cast<int>(day), static_cast<int>(month), static_cast<int>(year), 0, 0};
    int M = quarter(c);
    for (auto& record : lunar_phases) {
        Instant remembered = c;
        for (int guard = 0; guard < 40; ++guard) {
            remembered = c;
            step_day(c);
            if (quarter(c) != M) break;
        }
        c = remembered;
        int q = M;
        for (int guard = 0; guard < 48 && q == M; ++guard) {
            step_hour(c);
            q = quarter(c);
        }
        step_hour_back(c);
        for (int guard = 0; guard < 120; ++guard) {
            step_minute(c);
            q = quarter(c);
            if (q != M) break;
        }
        record = LunarPhase{true, c, q + 1};
        M = q;
        c.hour = 0;
        c.minute = 0;
    }
}

void Engine::find_seasons(unsigned year, int zone_offset, int zone_minutes) {
    auto sun_longitude = [&](const Instant& c) {
        compute_sun(static_cast<unsigned>(c.year), static_cast<unsigned>(c.month), static_cast<unsigned>(c.day),
                    static_cast<unsigned>(c.hour), static_cast<unsigned>(c.minute), 0, zone_offset, zone_minutes);
        apparent_correction(kSun);
        return body_table[kSun].longitude;
    };
    const int y = static_cast<int>(year);
    // Spring: the first minute below 1°, just after the Sun passes 0°.
    {
        Instant c{15, 3, y, 0, 0};
        for (int g = 0; g < 30 && sun_longitude(c) >= 2; ++g) step_day(c);
        step_day_back(c);
        for (int g = 0; g < 60 && sun_longitude(c) >= 1; ++g) step_hour(c);
        step(c, false, 60);
        for (int g = 0; g < 200 && sun_longitude(c) >= 1; ++g) step_minute(c);
        season_instants[0] = c;
    }
    for (int k = 2; k <= 4; ++k) {
        const double target = 90.0 * (k - 1);
        Instant c{15, 3 * k, y, 0, 0};
        for (int g = 0; g < 30 && target >= sun_longitude(c); ++g) step_day(c);
        step_day_back(c);
        for (int g = 0; g < 60 && target >= sun_longitude(c); ++g) step_hour(c);
        step(c, false, 60);
        for (int g = 0; g < 200 && target >= sun_longitude(c); ++g) step_minute(c);
        season_instants[static_cast<std::size_t>(k - 1)] = c;
    }
}

void Engine::find_perihelion(unsigned year, int zone_offset, int zone_minutes) {
    auto r = [&](const Instant& c) {
        compute_sun(static_cast<unsigned>(c.year), static_cast<unsigned>(c.month), static_cast<unsigned>(c.day),
                    static_cast<unsigned>(c.hour), static_cast<unsigned>(c.minute), 0, zone_offset, zone_minutes);
        return body_table[kSun].distance;
    };
    perihelion_instant = find_extremum(Instant{31, 12, static_cast<int>(year) - 1, 0, 0}, false, false, r);
}

void Engine::find_aphelion(unsigned year, int zone_offset, int zone_minutes) {
    auto r = [&](const Instant& c) {
        compute_sun(static_cast<unsigned>(c.year), static_cast<unsigned>(c.month), static_cast<unsigned>(c.day),
                    static_cast<unsigned>(c.hour), static_cast<unsigned>(c.minute), 0, zone_offset, zone_minutes);
        return body_table[kSun].distance;
    };
    aphelion_instant = find_extremum(Instant{28, 6, static_cast<int>(year), 0, 0}, true, false, r);
}

void Engine::find_perigee(unsigned day, unsigned month, unsigned year, int zone_offset, int zone_minutes) {
    auto d = [&](const Instant& c) {
        compute_moon(static_cast<unsigned>(c.year), static_cast<unsigned>(c.month), static_cast<unsigned>(c.day),
                     static_cast<unsigned>(c.hour), static_cast<unsigned>(c.minute), 0, zone_offset, zone_minutes);
        return moon_distance;
    };
    perigee_instant = find_extremum(Instant{static_cast<int>(day), static_cast<int>(month), static_cast<int>(year), 0, 0},
                                    false, true, d);
}

void Engine::find_apogee(unsigned day, unsigned month, unsigned year, int zone_offset, int zone_minutes) {
    auto d = [&](const Instant& c) {
        compute_moon(static_cast<unsigned>(c.year), static_cast<unsigned>(c.month), static_cast<unsigned>(c.day),
                     static_cast<unsigned>(c.hour), static_cast<unsigned>(c.minute), 0, zone_offset, zone_minutes);
        return moon_distance;
    };
    apogee_instant = find_extremum(Instant{static_cast<int>(day), static_cast<int>(month), static_cast<int>(year), 0, 0},
                                   true, true, d);
}

}  // namespace sidora::engine
