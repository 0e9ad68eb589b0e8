#pragma once
// The birth of a horoscope on the command line: a stored person, or a moment and place, as
// `horoscope` takes them and the commands drawing a natal chart take them alike.
#include <optional>
#include <string>

#include "cli/options.h"
#include "data/persons_file.h"

namespace sidora::cli {

struct BirthOptions {
    std::optional<std::string> person;
    MomentOptions moment;
    PlaceOptions place;
    std::optional<std::string> name;
    std::optional<int> system;
};

// --person, the moment and place options, --name and --system, with their checks: either a
// person or --at with --zone and a place.
void add_birth_options(CLI::App* command, BirthOptions& options);

// The person of the options in slot 1 (a stored one through the chooser's own checks), with
// --system as its house system and the program's; the Czech refusal otherwise.
std::optional<std::string> choose_birth(data::AppState& state, const BirthOptions& options, data::TOsoba& person);

}  // namespace sidora::cli
