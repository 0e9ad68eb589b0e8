#pragma once
// The engine's program-wide values and tables. One instance is shared by the windows that
// share the tables; each routine overwrites its results and callers read them right after.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/time.h"
#include "engine/zones.h"

namespace sidora::engine {

class Engine {
public:
    Engine();

    // Sidereal time of the last local_sidereal_time call.
    double sidereal_degrees = 0;
    std::string sidereal_text;
    void local_sidereal_time(unsigned day, unsigned month, unsigned year, unsigned hour,
                             unsigned minute, unsigned second, int lon_deg, int lon_min, bool east,
                             int zone_offset, int zone_minutes);

    // Summer-time rules for 1916..2100, the first 115 from the rule file.
    std::vector<TLetniRok> summer_rules;
    // The description written by the last summer_time_in_effect that wrote one.
    std::string summer_text;
    // Replaces the rules of 1916..2030 and makes 2031..2100 "not introduced".
    void set_summer_rules(const std::vector<TLetniRok>& file_years);
    // Whether summer time is in force at a local date and whole hour; writes summer_text.
    bool summer_time_in_effect(int year, int month, int day, int hour);

    // Offset of local clock time from universal time for a zone, summer hour included:
    // by the rule table when auto_summer, else by the user's summer_flag.
    struct ZoneOffset {
        int hours;
        bool summer;
    };
    ZoneOffset zone_offset_of(int zone_index, bool auto_summer, bool summer_flag, int year,
                              int month, int day, int hour);

    // Horizon used by the Sun's rising and setting.
    std::uint8_t rise_mode = 2;
    // -1 = all planets.
    int planet_selection = -1;
};

}  // namespace sidora::engine
