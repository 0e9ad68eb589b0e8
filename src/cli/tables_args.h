#pragma once
// What the table and search commands share: the span, the bodies by name, the display
// options, and the progress line on a terminal.
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/options.h"
#include "tables/ephemeris.h"

namespace sidora::cli {

struct SpanOptions {
    std::string from, to;  // YYYY-MM
};
void add_span_options(CLI::App* command, SpanOptions& options);
tables::Span span_of(const SpanOptions& options);

// A moving body (item 0..9) or a check-list body (item 0..17) by its Czech name; letter case
// and diacritics do not matter ("mesic", "Měsíc"), spaces may be dashes ("cerna-luna").
std::optional<int> moving_body(const std::string& name);
std::optional<int> list_body(const std::string& name);
std::string moving_body_problem(const std::string& name);

struct DisplayOptions {
    std::optional<bool> zodiacal, seconds;
};
void add_display_options(CLI::App* command, DisplayOptions& options);

// The zone offset of the moment (or now) and the display settings of the options or astro.mem.
tables::TableContext table_context(data::AppState& state, const MomentOptions& moment,
                                   const DisplayOptions& display);

// "Počítám: 1/2024" rewritten in place on stderr when it is a terminal; nothing otherwise.
tables::Progress terminal_progress();

}  // namespace sidora::cli
