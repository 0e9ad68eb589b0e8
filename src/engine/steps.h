#pragma once
// Steps of a search cursor by a day, an hour or a minute, with carry through the calendar.
// The phase, season and apsis walks and the table and search walks share them.
#include "engine/engine_state.h"
#include "engine/time.h"

namespace sidora::engine {

inline void step_day(Engine::Instant& c) {
    const Date d = serial_date(date_serial(c.year, c.month, c.day) + 1);
    c.year = d.year;
    c.month = d.month;
    c.day = d.day;
}

inline void step_day_back(Engine::Instant& c) {
    const Date d = serial_date(date_serial(c.year, c.month, c.day) - 1);
    c.year = d.year;
    c.month = d.month;
    c.day = d.day;
}

inline void step_hour(Engine::Instant& c) {
    if (++c.hour == 24) {
        c.hour = 0;
        step_day(c);
    }
}

inline void step_hour_back(Engine::Instant& c) {
    if (--c.hour < 0) {
        c.hour = 23;
        step_day_back(c);
    }
}

inline void step_minute(Engine::Instant& c) {
    if (++c.minute == 60) {
        c.minute = 0;
        step_hour(c);
    }
}

inline void step_minute_back(Engine::Instant& c) {
    if (--c.minute < 0) {
        c.minute = 59;
        step_hour_back(c);
    }
}

}  // namespace sidora::engine
