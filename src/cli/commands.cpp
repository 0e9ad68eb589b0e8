#include "cli/cli.h"

#include <unistd.h>

#include "data/persons_store.h"
#include "data/places_store.h"

namespace sidora::cli {

CLI::App* Commands::add(CLI::App& parent, const std::string& name, const std::string& help) {
    CLI::App* command = parent.add_subcommand(name, help);
    command->set_help_flag("-h,--help", "Vypíše nápovědu k příkazu a skončí");
    command->group("Příkazy");
    command->footer("");
    return command;
}

void Commands::on_run(CLI::App* command, Action action) {
    // Only recorded here: the data directory starts up after the whole line has been checked.
    command->callback([this, action = std::move(action)] { chosen_ = action; });
}

Action guarded(Action action) {
    return [action = std::move(action)](data::AppState& state) {
        try {
            return action(state);
        } catch (const data::PersonsError& e) {
            return refuse(e.message());
        } catch (const data::PlacesError& e) {
            return refuse(e.message());
        }
    };
}

std::optional<int> refused_deletion(const std::string& question, bool yes, const std::string& kept) {
    if (yes) return std::nullopt;
    if (!::isatty(STDIN_FILENO)) return refuse("Smazání je třeba potvrdit volbou --yes.");
    std::cerr << question << " [a/N] " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    if (answer != "a" && answer != "A" && answer != "ano") return refuse(kept);
    return std::nullopt;
}

// Adding a command: write NAME_command.cpp with add_NAME_command(Commands&) that declares the
// command with commands.add, its options (the shared groups of cli/options.h first) and its
// action with commands.on_run; declare it in cli/cli.h, call it below and list the file in
// src/CMakeLists.txt. The help and the README's command-line section follow from it.
void register_commands(Commands& c) {
    add_time_command(c);
    add_positions_command(c);
    add_day_command(c);
    add_houses_command(c);
    add_sky_command(c);
    add_table_command(c);
    add_search_command(c);
    add_view_command(c);
    add_animate_command(c);
    add_horoscope_command(c);
    add_wheel_command(c);
    add_places_command(c);
    add_persons_command(c);
    add_biorhythm_command(c);
    add_numerology_command(c);
    add_report_command(c);
    add_partner_command(c);
}

}  // namespace sidora::cli
