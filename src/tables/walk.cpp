#include "tables/walk.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/steps.h"

namespace sidora::tables {

engine::TBodyRow item_position(engine::Engine& e, int item, const Instant& at, int zone_offset) {
    const auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
    const engine::Moment m{u16(at.day), u16(at.month), u16(at.year), u16(at.hour), u16(at.minute), 0};
    if (item < kMovingBodies) {
        const int body = item_body(item);
        e.compute_table_body(body, m, zone_offset, 0);
        engine::TBodyRow row = e.body_table[body];
        if (body == engine::kSun || body == engine::kMoon) row.retrograde = 0;
        return row;
    }
    if (item <= 12) {
        e.compute_moon(m.year, m.month, m.day, m.hour, m.minute, 0, zone_offset, 0);
        return e.body_table[item == 10 ? engine::kNorthNode : item == 11 ? engine::kSouthNode : engine::kBlackMoon];
    }
    const int n = item - 12;  // asteroids 1..5
    e.asteroid_positions(n, m.year, m.month, m.day, m.hour, m.minute, 0, zone_offset, 0);
    return e.body_table[engine::kFirstAsteroid + n - 1];
}

Instant minute_walk(const Instant& day, const Walk& w) {
    Instant c{day.day, day.month, day.year, 0, 0};
    const double start = w.value(c);
    double prev = start;
    for (int h = 0; h < 24; ++h) {
        engine::step_hour(c);
        const double cur = w.value(c);
        if (w.met(start, prev, cur)) break;
        prev = cur;
    }
    // The event lies within the hour before the cursor (the last hour of the day when the
    // walk found nothing).
    engine::step_hour_back(c);
    prev = w.value(c);
    for (int m = 0; m < 60; ++m) {
        engine::step_minute(c);
        const double cur = w.value(c);
        if (w.met(start, prev, cur)) break;
        prev = cur;
    }
    if (w.one_more_minute && !(c.hour == 23 && c.minute == 59)) engine::step_minute(c);
    return c;
}

double difference_360(double l1, double l2) {
    double d = std::fmod(l1 - l2, 360.0);
    if (d < 0) d += 360.0;
    return d;
}

double separation_180(double l1, double l2) {
    const double s = std::fabs(l1 - l2);
    return s > 180 ? 360 - s : s;
}

Instant ingress_time(engine::Engine& e, int item, const Instant& day, double boundary, int zo) {
    return minute_walk(day, {[&](const Instant& at) { return item_position(e, item, at, zo).longitude; },
                             [boundary](double, double p, double c) { return engine::angle_in_arc(boundary, c, p); },
                             false});
}

Instant station_time(engine::Engine& e, int item, const Instant& day, int zo) {
    return minute_walk(day, {[&](const Instant& at) { return double(item_position(e, item, at, zo).retrograde); },
                             [](double start, double, double c) { return c != start; }, false});
}

namespace {
std::function<double(const Instant&)> pair_value(engine::Engine& e, int i1, int i2, int zo,
                                                 double (*f)(double, double)) {
    return [&e, i1, i2, zo, f](const Instant& at) {
        const double l1 = item_position(e, i1, at, zo).longitude;
        const double l2 = item_position(e, i2, at, zo).longitude;
        return f(l1, l2);
    };
}
}  // namespace

Instant aspect_time(engine::Engine& e, int i1, int i2, const Instant& day, double A, int zo) {
    return minute_walk(day, {pair_value(e, i1, i2, zo, separation_180),
                             [A](double start, double, double c) { return (c > A) != (start > A); }, true});
}

Instant conjunction_time(engine::Engine& e, int i1, int i2, const Instant& day, int zo) {
    return minute_walk(day, {pair_value(e, i1, i2, zo, difference_360),
                             [](double, double p, double c) { return std::fabs(c - p) > 300; }, true});
}

Instant opposition_time(engine::Engine& e, int i1, int i2, const Instant& day, int zo) {
    return minute_walk(day, {pair_value(e, i1, i2, zo, difference_360),
                             [](double start, double, double c) { return (c > 180) != (start > 180); }, true});
}

Instant phase_time(engine::Engine& e, const Instant& day, double phase, int zo) {
    return minute_walk(day, {[&e, zo](const Instant& at) {
                                 const double sun = item_position(e, 0, at, zo).longitude;
                                 const double moon = item_position(e, 1, at, zo).longitude;
                                 return difference_360(moon, sun);
                             },
                             [phase](double, double p, double c) { return engine::angle_in_arc(phase, p, c); },
                             true});
}

}  // namespace sidora::tables
