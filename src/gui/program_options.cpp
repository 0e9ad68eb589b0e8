#include "gui/program_options.h"

#include <iostream>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/usage.h"
#include "models/moment_args.h"

namespace {

CLI::Validator check(std::string (*why)(const std::string&)) {
    return CLI::Validator([why](std::string& v) { return why(v); }, "");
}

std::string whole_number_problem(const std::string& v, long lo, long hi, const std::string& what) {
    const bool digits = !v.empty() && v.size() <= 9 && v.find_first_not_of("0123456789") == std::string::npos;
    const long n = digits ? std::stol(v) : -1;
    if (n < lo || n > hi) return "neplatné " + what + " „" + v + "“ (" + std::to_string(lo) + " až " + std::to_string(hi) + ")";
    return "";
}

std::string tab_problem(const std::string& v) { return whole_number_problem(v, 1, 7, "číslo záložky"); }
std::string quit_problem(const std::string& v) {
    return whole_number_problem(v, 0, 999999999, "číslo milisekund");
}
std::string moment_problem(const std::string& v) {
    return sidora::models::parse_moment(v) ? "" : "neplatný okamžik „" + v + "“ (očekáváno RRRR-MM-DDTHH:MM[:SS])";
}
std::string view_problem(const std::string& v) {
    return v == "helio" || v == "sphere" || v == "side" || v == "anim"
               ? ""
               : "neplatný pohled „" + v + "“ (helio, sphere, side nebo anim)";
}
std::string not_empty(const std::string& v) { return v.empty() ? "hodnota nesmí být prázdná" : ""; }

}  // namespace

bool asks_for_help_or_version(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "-h" || a == "--help" || a == "--version") return true;
    }
    return false;
}

std::optional<int> read_program_options(int argc, char** argv, ProgramOptions& o) {
    CLI::App app("Sidora " SIDORA_VERSION ": astronomický a astrologický kalendář.", "sidora");
    sidora::cli::make_czech(app);
    app.set_version_flag("--version", "sidora " SIDORA_VERSION, "Vypíše verzi a skončí");
    app.footer(
        "Adresář dat: --dir, jinak $SIDORA_DIR, jinak $XDG_DATA_HOME/sidora.\n"
        "Návratový kód: 0 hotovo, 2 chybný příkazový řádek, 3 poškozený soubor v adresáři dat.");
    app.add_option_function<std::string>("--dir", [&o](const std::string& v) { o.dir = v; }, "Adresář s daty uživatele")
        ->type_name("ADRESÁŘ")
        ->check(check(not_empty));
    app.add_option_function<std::string>(
           "--at", [&o](const std::string& v) { o.at = sidora::models::parse_moment(v); },
           "Začne se zastaveným časem v zadaném okamžiku")
        ->type_name("RRRR-MM-DDTHH:MM[:SS]")
        ->check(check(moment_problem));
    app.add_option_function<std::string>("--tab", [&o](const std::string& v) { o.tab = std::stoi(v); },
                                          "Otevře hlavní okno na záložce 1 až 7")
        ->type_name("1..7")
        ->check(check(tab_problem));
    app.add_option_function<std::string>(
           "--screenshot", [&o](const std::string& v) { o.screenshot = v; },
           "Uloží obraz hlavního okna po prvním tiku do souboru PNG a skončí")
        ->type_name("SOUBOR.png")
        ->check(check(not_empty));
    app.add_option_function<std::string>("--view", [&o](const std::string& v) { o.view = v; },
                                          "Po prvním tiku otevře pohled (side: horoskop okamžiku z boku); se --screenshot uloží jeho obraz")
        ->type_name("helio|sphere|side|anim")
        ->check(check(view_problem));
    app.add_option_function<std::string>(
           "--quit-after", [&o](const std::string& v) { o.quit_after = std::stoi(v); },
           "Po zobrazení hlavního okna skončí za MS milisekund")
        ->type_name("MS")
        ->check(check(quit_problem));
    sidora::cli::refuse_option_words(app);
    return sidora::cli::parse_command_line(app, argc, argv, "sidora", SIDORA_VERSION);
}
