#pragma once
// How sidora-cli prints: one JSON printer for every command, and names made safe for a terminal.
#include <iosfwd>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "models/grid.h"

namespace sidora::cli {

using Json = nlohmann::ordered_json;

// --json and --compact of one command.
struct OutputOptions {
    bool json = false;
    bool compact = false;
};

enum class JsonLayout { Indented, OneLine };

// Writes `value` and a newline: keys in their order, numbers in their shortest exact form
// (non-finite ones as null), text that is not valid UTF-8 replaced by U+FFFD.
void write_json(std::ostream& out, const Json& value, JsonLayout layout);

// Indented when stdout is a terminal and --compact was not given, else one line.
void print_json(const Json& value, const OutputOptions& options);

// A name for plain-text output: control characters (C0, DEL, C1) written as \n, \t, \xNN or
// \u0085 so that a name from a damaged file cannot move the cursor or recolour the terminal.
std::string printable(std::string_view text);

// A cell's text as the window shows it: letters of the symbol font as their glyphs.
std::string cell_text(const models::Cell& cell);
// A grid as columns two spaces apart, indented by two; empty columns and rows left out.
void print_grid(std::ostream& out, const models::Grid& grid);

}  // namespace sidora::cli
