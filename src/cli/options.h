#pragma once
// The option groups the commands share, each declared once with its check and Czech help:
// "Okamžik" (--at, --zone, --summer), "Místo" (--place or --lat/--lon), "Výstup" (--json, --compact).
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/output.h"
#include "data/app_state.h"
#include "models/moment_args.h"
#include "models/time_report.h"

namespace sidora::cli {

// A check of one option's value: `why` gives the Czech reason it is refused, or an empty text.
// An option word in the place of the value is refused first, as a missing value.
CLI::Validator czech_check(std::function<std::string(const std::string&)> why);

// Years the program computes for; --at outside them is refused.
constexpr int kYearMin = 1800, kYearMax = 2100;

struct MomentOptions {
    std::optional<engine::Moment> at;
    std::optional<int> zone;
    std::optional<models::SummerMode> summer;
};

// The moment with the defaults filled in from the start-up settings.
struct ChosenMoment {
    engine::Moment moment;  // --at, else the computer's clock
    int zone_index;
    models::SummerMode summer;
    bool frozen;  // --at given

    // Hours from universal time at the moment by the chosen summer-time mode.
    int zone_offset(engine::Engine& engine) const;
};
ChosenMoment choose(const MomentOptions& options, const data::AppState& state);

enum class Years { Program, Calendar };
// --at, --zone, --summer. Years::Calendar lets --at leave the program's years, for the one
// window that announces and clamps such a date itself.
void add_moment_options(CLI::App* command, MomentOptions& options, Years years = Years::Program);

struct PlaceOptions {
    std::optional<std::string> place;
    std::optional<models::Coordinate> lat, lon;
};
// --place NAME, or --lat and --lon together.
void add_place_options(CLI::App* command, PlaceOptions& options);
// The place of the options, else the current (home) place; nothing, with the Czech message in
// `why`, when the named place is not in the places file.
std::optional<data::TMisto> choose(const PlaceOptions& options, const data::AppState& state, std::string& why);

// "DD:MM(N|S)" and "DDD:MM(E|W)" as typed on the command line; the reason when refused.
std::string latitude_problem(const std::string& text);
std::string longitude_problem(const std::string& text);

// --system 1..16, the rows of the settings dialog's list of house systems.
void add_house_system_option(CLI::App* command, std::optional<int>& system);

void add_output_options(CLI::App* command, OutputOptions& options);

}  // namespace sidora::cli
