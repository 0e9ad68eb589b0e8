#pragma once
// The options that choose a moment and its zone, shared by the commands.
#include <optional>
#include <string>

#include "cli/cli.h"
#include "models/moment_args.h"
#include "models/time_report.h"

namespace sidora::cli {

struct MomentOptions {
    explicit MomentOptions(const data::AppState& state, bool with_place);

    engine::Moment moment;  // the running clock unless --at
    int zone_index;
    models::SummerMode summer;
    std::optional<models::Coordinate> lat, lon;
    std::optional<std::string> place;  // --place NAME
    bool json = false;
    bool at_given = false;  // --at: a frozen moment rather than the running clock

    // Takes one option (with its value) if it is one of ours; false otherwise.
    bool take(const std::string& option, Args& args);
    // Checks what only the whole set can tell (--lat with --lon).
    void finish() const;
    // The zone offset of the moment by the chosen summer-time mode.
    int zone_offset(engine::Engine& engine) const;
    // The place: --place from the places file, --lat/--lon, else the current (home) place.
    // Nothing, with the Czech message in `why`, when the named place is not in the file.
    std::optional<data::TMisto> place_of(const data::AppState& state, std::string& why) const;

private:
    bool with_place_;
};

}  // namespace sidora::cli
