// sidora-cli: the program's models for scripts and tests.
#include <iostream>
#include <optional>
#include <string>

#include "cli/cli.h"
#include "cli/options.h"
#include "cli/usage.h"
#include "data/data_dir.h"
#include "data/startup.h"

namespace {

std::string dir_problem(const std::string& v) { return v.empty() ? "adresář dat nesmí být prázdný" : ""; }

}  // namespace

int main(int argc, char** argv) {
    using namespace sidora;
    CLI::App app("sidora-cli " SIDORA_VERSION ": výpočty programu Sidora pro skripty a zkoušky, stejné modely jako okna.",
                 "sidora-cli");
    cli::make_czech(app);
    app.set_version_flag("--version", "sidora-cli " SIDORA_VERSION, "Vypíše verzi a skončí");
    app.require_subcommand(1);
    app.footer(
        "Adresář dat: --dir, jinak $SIDORA_DIR, jinak $XDG_DATA_HOME/sidora.\n"
        "Návratový kód: 0 hotovo, 1 odmítnuto (česká zpráva programu), 2 chybný příkazový řádek,\n"
        "3 poškozený soubor v adresáři dat (nic se nepřepíše).\n"
        "Nápověda k příkazu: sidora-cli PŘÍKAZ --help.");
    std::optional<std::string> dir;
    app.add_option_function<std::string>("--dir", [&dir](const std::string& v) { dir = v; },
                                          "Adresář s daty uživatele")
        ->type_name("ADRESÁŘ")
        ->check(cli::czech_check(dir_problem));
    cli::Commands commands(app);
    cli::register_commands(commands);
    cli::refuse_option_words(app);

    if (const auto status = cli::parse_command_line(app, argc, argv, "sidora-cli", SIDORA_VERSION)) return *status;
    if (!commands.chosen()) {
        std::cerr << "sidora-cli: chybí příkaz\n";
        return 2;
    }

    try {
        data::AppState state;
        data::start_up(state, {data::resolve_data_dir(dir), data::shipped_data_dir()});
        for (const auto& w : state.startup_warnings) std::cerr << "sidora-cli: " << w << "\n";
        const int status = commands.chosen()(state);
        // A full disk or a closed pipe must not pass for a finished command.
        if (!std::cout.flush()) {
            std::cerr << "sidora-cli: výstup se nepodařilo zapsat\n";
            return status == 0 ? 1 : status;
        }
        return status;
    } catch (const data::StartupError& e) {
        std::cerr << "sidora-cli: " << e.message() << "\n";
        // A damaged settings file is left for the window to set aside with the user's consent.
        return e.damaged_settings() ? 1 : 3;
    } catch (const std::exception& e) {
        std::cerr << "sidora-cli: " << e.what() << "\n";
        return 1;
    }
}
