#pragma once
// The commands of sidora-cli and what they share.
#include <functional>
#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "data/app_state.h"

namespace sidora::cli {

// What a command does once its options are read and the data directory has started up;
// returns the exit status.
using Action = std::function<int(data::AppState&)>;

// The one command line: the App and the action its parsing chose.
class Commands {
public:
    explicit Commands(CLI::App& app) : app_(app) {}
    CLI::App& app() { return app_; }
    // A command or action under `parent` (the App, or a command with actions).
    CLI::App* add(CLI::App& parent, const std::string& name, const std::string& help);
    // `action` runs when the command line names `command`.
    void on_run(CLI::App* command, Action action);
    const Action& chosen() const { return chosen_; }

private:
    CLI::App& app_;
    Action chosen_;
};

// A refusal: the program's Czech message on stderr, status 1.
inline int refuse(const std::string& message) {
    std::cerr << message << "\n";
    return 1;
}

// The places' and persons' files' own failures become refusals with their messages.
Action guarded(Action action);

// Before a deletion: unless `yes`, asks `question` on the terminal (a refusal without one).
// Returns the refusal's status when the user did not agree; `kept` is its message.
std::optional<int> refused_deletion(const std::string& question, bool yes, const std::string& kept);

// Every command; see register_commands in commands.cpp.
void register_commands(Commands& commands);

void add_time_command(Commands& commands);
void add_places_command(Commands& commands);
void add_persons_command(Commands& commands);
void add_positions_command(Commands& commands);
void add_houses_command(Commands& commands);
void add_day_command(Commands& commands);
void add_sky_command(Commands& commands);
void add_table_command(Commands& commands);
void add_search_command(Commands& commands);
void add_biorhythm_command(Commands& commands);
void add_numerology_command(Commands& commands);
void add_report_command(Commands& commands);
void add_view_command(Commands& commands);
void add_animate_command(Commands& commands);
void add_horoscope_command(Commands& commands);
void add_partner_command(Commands& commands);
void add_wheel_command(Commands& commands);

}  // namespace sidora::cli
