// sidora-cli persons: list, add, edit and delete persons as the person chooser and editor do.

#include <iostream>
#include <memory>
#include <optional>

#include "cli/cli.h"
#include "cli/options.h"
#include "data/persons_store.h"
#include "data/places_store.h"
#include "engine/engine_state.h"
#include "engine/zones.h"
#include "io/cp1250.h"
#include "models/person_chooser.h"
#include "models/person_editor.h"

namespace sidora::cli {
namespace {

// The editor's name box takes no more characters.
constexpr std::size_t kTypedNameLimit = data::TOsoba::kNameCapacity;

struct Date {
    int year, month, day;
};
struct Time {
    int hour, minute;
};

// Digits only, one to `max` of them.
std::optional<int> digits(const std::string& s, std::size_t max) {
    if (s.empty() || s.size() > max || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::stoi(s);
}

// "YYYY-MM-DD" as written; whether such a day exists is the editor's check.
std::optional<Date> parse_date(const std::string& v) {
    const std::size_t a = v.find('-'), b = a == std::string::npos ? a : v.find('-', a + 1);
    if (b == std::string::npos) return std::nullopt;
    const auto y = digits(v.substr(0, a), 4), m = digits(v.substr(a + 1, b - a - 1), 2), d = digits(v.substr(b + 1), 2);
    if (!y || !m || !d) return std::nullopt;
    return Date{*y, *m, *d};
}

std::optional<Time> parse_time(const std::string& v) {
    const std::size_t colon = v.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto h = digits(v.substr(0, colon), 2), m = digits(v.substr(colon + 1), 2);
    if (!h || !m) return std::nullopt;
    return Time{*h, *m};
}

enum class Summer { Auto, Yes, No };

struct FormOptions {
    std::string name;
    std::optional<std::string> new_name;
    std::optional<Date> date;
    std::optional<Time> time;
    std::optional<std::string> place;
    std::optional<int> zone;
    std::optional<Summer> summer;
    std::optional<int> system;
    std::optional<bool> male;
};

// The options of add and edit; `required` for a new person.
void add_form_options(CLI::App* cmd, FormOptions& o, bool required) {
    cmd->add_option_function<std::string>(
           "--date", [&o](const std::string& v) { o.date = parse_date(v); }, "Datum narození")
        ->type_name("RRRR-MM-DD")
        ->required(required)
        ->check(czech_check([](const std::string& v) {
            return parse_date(v) ? std::string() : "neplatné datum „" + v + "“ (očekáváno RRRR-MM-DD)";
        }));
    cmd->add_option_function<std::string>(
           "--time", [&o](const std::string& v) { o.time = parse_time(v); }, "Čas narození (hodiny v místě narození)")
        ->type_name("H:MM")
        ->required(required)
        ->check(czech_check([](const std::string& v) {
            return parse_time(v) ? std::string() : "neplatný čas „" + v + "“ (očekáváno H:MM)";
        }));
    cmd->add_option_function<std::string>(
           "--place", [&o](const std::string& v) { o.place = v; }, "Místo narození ze seznamu míst")
        ->type_name("MÍSTO")
        ->required(required)
        ->check(czech_check([](const std::string&) { return std::string(); }));
    cmd->add_option_function<std::string>(
           "--zone", [&o](const std::string& v) { o.zone = std::stoi(v); },
           required ? "Časové pásmo 1 až 24 (jinak současné)" : "Časové pásmo 1 až 24")
        ->type_name("1..24")
        ->check(czech_check([](const std::string& v) {
            const auto n = digits(v, 2);
            return n && engine::valid_zone_index(*n) ? std::string() : "neplatné časové pásmo „" + v + "“ (1 až 24)";
        }));
    cmd->add_option_function<std::string>(
           "--summer",
           [&o](const std::string& v) { o.summer = v == "auto" ? Summer::Auto : v == "yes" ? Summer::Yes : Summer::No; },
           "Letní čas: auto podle tabulky (výchozí, mění-li se datum či čas), yes, no")
        ->type_name("auto|yes|no")
        ->check(czech_check([](const std::string& v) {
            return v == "auto" || v == "yes" || v == "no" ? std::string() : "neplatná hodnota „" + v + "“ (auto, yes nebo no)";
        }));
    cmd->add_option_function<std::string>(
           "--system", [&o](const std::string& v) { o.system = std::stoi(v); },
           required ? "Systém domů 1 až 16 (jinak současný)" : "Systém domů 1 až 16")
        ->type_name("1..16")
        ->check(czech_check([](const std::string& v) {
            const auto n = digits(v, 2);
            return n && *n >= 1 && *n <= 16 ? std::string() : "neplatné číslo systému domů „" + v + "“ (1 až 16)";
        }));
    cmd->add_option_function<std::string>(
           "--sex", [&o](const std::string& v) { o.male = v == "m"; },
           required ? "Pohlaví m nebo f (jinak podle jména)" : "Pohlaví m nebo f (jinak podle nového jména)")
        ->type_name("m|f")
        ->check(czech_check([](const std::string& v) {
            return v == "m" || v == "f" ? std::string() : "neplatné pohlaví „" + v + "“ (m nebo f)";
        }));
}

void add_name_argument(CLI::App* cmd, std::string& name) {
    cmd->add_option("name", name, "jméno osoby")->type_name("JMÉNO")->required();
}

std::optional<std::string> typed_name_problem(const std::string& name) {
    if (io::utf8_length(name) > kTypedNameLimit) {
        return "Jméno může mít nejvýše " + std::to_string(kTypedNameLimit) + " znaků!";
    }
    return std::nullopt;
}

// The options typed into the editor's form, in the order a user fills it.
void fill(models::PersonEditor& editor, models::PersonForm& f, const FormOptions& o) {
    if (o.new_name) {
        f.name = *o.new_name;
        models::PersonEditor::name_changed(f);
    }
    if (o.male) f.male = *o.male;
    if (o.date) {
        f.year = o.date->year;
        f.month = o.date->month;
        f.day = o.date->day;
    }
    if (o.time) {
        f.hour = o.time->hour;
        f.minute = o.time->minute;
    }
    // The pickers' rule runs on a change of the date or time; an explicit choice comes after.
    const Summer summer = o.summer.value_or(o.date || o.time ? Summer::Auto : Summer::No);
    if (summer == Summer::Auto) {
        editor.follow_summer_rule(f);
    } else if (o.summer) {
        f.summer = summer == Summer::Yes;
    }
    if (o.zone) f.zone_name = engine::zone_name(*o.zone);
    if (o.place) f.place = *o.place;
    if (o.system) f.house_system = *o.system;
}

models::PersonEditor::Shown open_editor(models::PersonEditor& editor) {
    auto shown = editor.show();
    for (const auto& w : shown.warnings) std::cerr << w << "\n";
    return shown;
}

int list(data::AppState& state, const OutputOptions& out) {
    const auto persons = data::PersonsStore(state.program_dir / data::kPersonsFile).read_all();
    if (out.json) {
        Json all = Json::array();
        for (const auto& p : persons) {
            const models::PersonDetails d = models::person_details(p);
            all.push_back({{"name", p.name},
                           {"male", p.male != 0},
                           {"year", p.year},
                           {"month", p.month},
                           {"day", p.day},
                           {"hour", p.hour},
                           {"minute", p.minute},
                           {"summer", p.summer != 0},
                           {"zone", p.zone},
                           {"zone_name", d.zone},
                           {"place", p.place},
                           {"lat_deg", p.lat_deg},
                           {"lat_min", p.lat_min},
                           {"north", p.north != 0},
                           {"lon_deg", p.lon_deg},
                           {"lon_min", p.lon_min},
                           {"east", p.east != 0},
                           {"house_system", p.house_system},
                           {"house_system_name", d.house_system},
                           {"date_text", d.date},
                           {"time_text", d.time},
                           {"place_text", d.place},
                           {"summer_text", d.summer}});
        }
        print_json(all, out);
        return 0;
    }
    for (const auto& p : persons) {
        const models::PersonDetails d = models::person_details(p);
        std::cout << printable(p.name) << "\t" << d.sex << "\t" << d.date << "\t" << d.time << "\t" << printable(d.place)
                  << "\n";
    }
    return 0;
}

int add(data::AppState& state, const FormOptions& o) {
    if (auto e = typed_name_problem(o.name)) return refuse(*e);
    state.person_slot = 1;
    state.edited_person.clear();
    models::PersonEditor editor(state);
    models::PersonForm f = open_editor(editor).form;
    FormOptions typed = o;
    typed.new_name = o.name;
    fill(editor, f, typed);
    if (auto refusal = editor.save(f)) return refuse(refusal->message);
    return 0;
}

int edit(data::AppState& state, const FormOptions& o) {
    const auto person = data::PersonsStore(state.program_dir / data::kPersonsFile).find_person(o.name);
    if (!person) return refuse("Osoba „" + printable(o.name) + "“ v seznamu není!");
    if (o.new_name) {
        if (auto e = typed_name_problem(*o.new_name)) return refuse(*e);
    }
    state.person_slot = 1;
    state.person_slots[1] = *person;
    state.edited_person = o.name;
    models::PersonEditor editor(state);
    models::PersonForm f = open_editor(editor).form;
    fill(editor, f, o);
    if (auto refusal = editor.save(f)) return refuse(refusal->message);
    return 0;
}

int remove(data::AppState& state, const std::string& name, bool yes) {
    models::PersonChooser chooser(state);
    if (auto e = chooser.show(1)) return refuse(*e);
    bool listed = false;
    for (const auto& n : chooser.names()) listed = listed || n == name;
    if (!listed) return refuse("Osoba „" + printable(name) + "“ v seznamu není!");
    chooser.click(name);
    const auto check = chooser.check_delete(name);
    if (check.refused) return refuse(check.text);
    if (auto status = refused_deletion(check.text, yes, "Osoba nebyla smazána.")) return *status;
    chooser.delete_person(name);
    return 0;
}

}  // namespace

void add_persons_command(Commands& c) {
    CLI::App* persons = c.add(c.app(), "persons",
                              "Osoby v pořadí souboru a jejich změny se zprávami a kontrolami okna osob");
    persons->require_subcommand(1);

    auto out = std::make_shared<OutputOptions>();
    CLI::App* list_cmd = c.add(*persons, "list", "Vypíše osoby v pořadí souboru");
    add_output_options(list_cmd, *out);
    c.on_run(list_cmd, guarded([out](data::AppState& state) { return list(state, *out); }));

    auto added = std::make_shared<FormOptions>();
    CLI::App* add_cmd = c.add(*persons, "add", "Uloží novou osobu (jméno ještě nesmí být uloženo)");
    add_name_argument(add_cmd, added->name);
    add_form_options(add_cmd, *added, true);
    c.on_run(add_cmd, guarded([added](data::AppState& state) { return add(state, *added); }));

    auto edited = std::make_shared<FormOptions>();
    CLI::App* edit_cmd = c.add(*persons, "edit", "Opraví uloženou osobu; zůstane na svém místě v souboru");
    add_name_argument(edit_cmd, edited->name);
    edit_cmd->add_option_function<std::string>("--name", [edited](const std::string& v) { edited->new_name = v; },
                                               "Nové jméno")
        ->type_name("NOVÉ");
    add_form_options(edit_cmd, *edited, false);
    c.on_run(edit_cmd, guarded([edited](data::AppState& state) { return edit(state, *edited); }));

    struct DeleteOptions {
        std::string name;
        bool yes = false;
    };
    auto deleted = std::make_shared<DeleteOptions>();
    CLI::App* delete_cmd = c.add(*persons, "delete", "Smaže osobu; poslední osoba souboru zaujme její pozici");
    add_name_argument(delete_cmd, deleted->name);
    delete_cmd->add_flag("--yes", deleted->yes, "Smaže bez otázky (jinak se ptá na terminálu)");
    c.on_run(delete_cmd,
             guarded([deleted](data::AppState& state) { return remove(state, deleted->name, deleted->yes); }));
}

}  // namespace sidora::cli
