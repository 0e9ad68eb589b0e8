#pragma once
// Czech help and usage errors for a CLI11 command line.
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

namespace sidora::cli {

// Czech headings of the help and the help flag of `app`.
void make_czech(CLI::App& app);

// Once every option of `app` and its commands is declared: a value that is itself an option
// word (`--lat --lat 49:00N`) is refused as a missing value.
void refuse_option_words(CLI::App& app);

// After parsing: an option or flag given more than once, which CLI11 lets a flag be.
std::optional<std::string> repeated_option(const CLI::App& app);

// One Czech line for a rejected command line (without the program's name).
std::string usage_message(const CLI::ParseError& error, const CLI::App& app);

// Parses argv into `app` (with refuse_option_words already applied): help and version are
// printed, usage errors and repeated options get one line "PROGRAM: ..." on stderr. Returns
// the exit status when the program is to stop there (0 or 2), nothing when it goes on.
std::optional<int> parse_command_line(CLI::App& app, int argc, char** argv, const std::string& program,
                                      const std::string& version);

}  // namespace sidora::cli
