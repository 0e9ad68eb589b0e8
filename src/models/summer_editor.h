#pragma once
// The summer-time editor without its widgets: it edits the rule table in force, checks the
// dates before saving and writes or re-reads LC.dat.
#include <optional>
#include <string>

#include "engine/engine_state.h"

namespace sidora::models {

// The rule of a year of 1916..2030 in the table in force.
engine::TLetniRok& summer_rule(engine::Engine& engine, int year);

// Which period boxes are enabled for the checked kind of year.
struct SummerPeriods {
    bool first = false, second = false;
};
SummerPeriods summer_periods(const engine::TLetniRok& rule);

// Day boxes a date fault points at.
enum class SummerDayBox { Start, End, SecondStart, SecondEnd };
struct SummerFault {
    int year;
    SummerDayBox box;
};
// The first day that does not exist: all first periods of 1916..2030 before any second one.
std::optional<SummerFault> find_summer_fault(const engine::Engine& engine);

// "&Ulož": LC.dat rewritten with the 115 rules of 1916..2030. A Czech message on failure.
std::optional<std::string> save_summer_rules(const engine::Engine& engine, const std::string& dir);
// "&Opusť": the rules of 1916..2030 read back from LC.dat, dropping every unsaved edit.
std::optional<std::string> reload_summer_rules(engine::Engine& engine, const std::string& dir);
// Whether the table in force differs from LC.dat.
bool summer_rules_unsaved(const engine::Engine& engine, const std::string& dir);

}  // namespace sidora::models
