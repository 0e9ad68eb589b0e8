#include "models/animation.h"

#include <tuple>

namespace sidora::models {
namespace {

auto key(const engine::Moment& m) { return std::tie(m.year, m.month, m.day, m.hour, m.minute, m.second); }

}  // namespace

void Animation::start(data::AppState& s, bool backward) {
    back = backward;
    s.animation_running = true;
    s.clock_running = false;
}

void Animation::stop(data::AppState& s) { s.animation_running = false; }

AnimationTick Animation::tick(data::AppState& s) {
    if (s.clock_running) {
        stop(s);
        return AnimationTick::ClockStarted;
    }
    if (!s.animation_running) return AnimationTick::Idle;
    if (animation_step(s.current_moment, unit, back)) return AnimationTick::Stepped;
    stop(s);
    return AnimationTick::Limit;
}

bool animation_step(engine::Moment& m, AnimationUnit unit, bool back) {
    const engine::Moment last = m;
    switch (unit) {
        case AnimationUnit::Minute: back ? engine::moment_prev_minute(m) : engine::moment_next_minute(m); break;
        case AnimationUnit::Hour: back ? engine::moment_prev_hour(m) : engine::moment_next_hour(m); break;
        case AnimationUnit::Day: back ? engine::moment_prev_day(m) : engine::moment_next_day(m); break;
        case AnimationUnit::Month: back ? engine::moment_prev_month(m) : engine::moment_next_month(m); break;
        case AnimationUnit::Year: back ? engine::moment_prev_year(m) : engine::moment_next_year(m); break;
    }
    if (m.year >= engine::year_min && m.year <= engine::year_max) return true;
    const bool above = m.year > engine::year_max;
    m.year = static_cast<std::uint16_t>(above ? engine::year_max : engine::year_min);
    m.month = above ? 12 : 1;
    m.day = above ? 31 : 1;
    // Keeping the time of day can put the clamped moment behind the last one (a minute back
    // from 1 January 1800 0:00 would give 23:59 of that day): then the last one stays.
    if (back ? key(m) > key(last) : key(m) < key(last)) m = last;
    return false;
}

std::optional<AnimationUnit> animation_unit(const std::string& w) {
    if (w == "minuta") return AnimationUnit::Minute;
    if (w == "hodina") return AnimationUnit::Hour;
    if (w == "den") return AnimationUnit::Day;
    if (w == "mesic") return AnimationUnit::Month;
    if (w == "rok") return AnimationUnit::Year;
    return std::nullopt;
}

}  // namespace sidora::models
