#pragma once
// The options of the desktop program, checked as sidora-cli checks its own: one Czech line on
// stderr and exit status 2 for anything it does not take.
#include <optional>
#include <string>

#include "engine/time.h"

struct ProgramOptions {
    std::optional<std::string> dir;
    std::optional<sidora::engine::Moment> at;
    std::optional<int> tab;         // 1..7
    std::optional<int> quit_after;  // milliseconds
    std::optional<std::string> screenshot;
    std::optional<std::string> view;  // "helio", "sphere", "side" or "anim", opened after the first tick
};

// Reads argv (after Qt has taken its own options). Returns the exit status when the program
// should stop at once: 0 after --help or --version, 2 after a usage error.
std::optional<int> read_program_options(int argc, char** argv, ProgramOptions& options);

// True when argv asks only for --help or --version, which need no display.
bool asks_for_help_or_version(int argc, char** argv);
