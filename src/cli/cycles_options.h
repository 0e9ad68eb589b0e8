#pragma once
// What the biorhythm and numerology commands share: a person named in the persons file or
// given inline by its birth date.
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "data/app_state.h"

namespace sidora::cli {

struct BirthDate {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0;
    bool has_time = false;
};
// "YYYY-MM-DD", with "THH:MM" when `with_time`; a date that exists in the calendar.
std::optional<BirthDate> parse_birth(const std::string& text, bool with_time);
CLI::Validator birth_check(bool with_time);

// The person of --person, or nothing with the Czech refusal in `why`.
std::optional<data::TOsoba> person_named(const data::AppState& state, const std::string& name, std::string& why);

}  // namespace sidora::cli
