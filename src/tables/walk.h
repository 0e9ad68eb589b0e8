#pragma once
// Positions of the tables' bodies at a zone-time moment, and the minute searches: each walks
// one day by hours, then the hour found by minutes, and never leaves that day.
#include <functional>

#include "engine/engine_state.h"
#include "tables/choice.h"

namespace sidora::tables {

// The row of list item 0..17 (moving bodies 0..9 come first) at a moment, each body by its
// own routine as the tables compute it; the Sun and the Moon are never retrograde.
engine::TBodyRow item_position(engine::Engine& engine, int item, const Instant& at, int zone_offset);

// A walk over one day: `value` gives the quantity at a moment; `met(start, previous, current)`
// says whether the event lies between the previous and the current moment.
struct Walk {
    std::function<double(const Instant&)> value;
    std::function<bool(double start, double previous, double current)> met;
    bool one_more_minute = false;  // report the first minute past the event
};
// The minute of `day` at which the walk's condition first holds (at most the next midnight).
Instant minute_walk(const Instant& day, const Walk& walk);

// The moment the body (moving item) reaches longitude B.
Instant ingress_time(engine::Engine& engine, int item, const Instant& day, double boundary, int zone_offset);
// The moment its direction changes.
Instant station_time(engine::Engine& engine, int item, const Instant& day, int zone_offset);
// The moment two bodies reach the aspect of angle A (not 0 or 180).
Instant aspect_time(engine::Engine& engine, int item1, int item2, const Instant& day, double angle, int zone_offset);
Instant conjunction_time(engine::Engine& engine, int item1, int item2, const Instant& day, int zone_offset);
Instant opposition_time(engine::Engine& engine, int item1, int item2, const Instant& day, int zone_offset);
// The moment the Moon's elongation east of the Sun reaches `phase` degrees.
Instant phase_time(engine::Engine& engine, const Instant& day, double phase, int zone_offset);

// λ1 − λ2 in 0..360, and the separation folded into 0..180.
double difference_360(double l1, double l2);
double separation_180(double l1, double l2);

}  // namespace sidora::tables
