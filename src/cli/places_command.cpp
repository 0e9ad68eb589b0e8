// sidora-cli places: list, add, edit and delete places as the places window does.

#include <iostream>
#include <memory>
#include <optional>

#include "cli/cli.h"
#include "cli/options.h"
#include "io/cp1250.h"
#include "models/new_place.h"
#include "models/places_window.h"

namespace sidora::cli {
namespace {

// The dialog cannot take more than this many characters in its name box.
constexpr std::size_t kTypedNameLimit = 30;

// "DD:MM(N|S)" or "DDD:MM(E|W)" split into the dialog's boxes; the numbers in them are left
// to the dialog's checks and messages.
struct TypedCoordinate {
    std::string deg, min;
    bool positive = true;
};

std::optional<TypedCoordinate> split_coordinate(const std::string& text, char plus, char minus) {
    const std::size_t colon = text.find(':');
    const char dir = text.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (colon == std::string::npos || colon + 1 > text.size() - 1 || (dir != plus && dir != minus)) {
        return std::nullopt;
    }
    return TypedCoordinate{text.substr(0, colon), text.substr(colon + 1, text.size() - colon - 2), dir == plus};
}

std::string typed_latitude_problem(const std::string& v) {
    return split_coordinate(v, 'N', 'S') ? "" : "neplatná zeměpisná šířka „" + v + "“ (očekáváno DD:MM a N nebo S)";
}
std::string typed_longitude_problem(const std::string& v) {
    return split_coordinate(v, 'E', 'W') ? "" : "neplatná zeměpisná délka „" + v + "“ (očekáváno DDD:MM a E nebo W)";
}

struct FormOptions {
    std::string name;
    std::optional<std::string> new_name;
    std::optional<TypedCoordinate> lat, lon;
};

// --lat and --lon of add and edit; `required` for a new place.
void add_form_options(CLI::App* cmd, FormOptions& o, bool required) {
    cmd->add_option_function<std::string>(
           "--lat", [&o](const std::string& v) { o.lat = split_coordinate(v, 'N', 'S'); }, "Zeměpisná šířka")
        ->type_name("DD:MM(N|S)")
        ->required(required)
        ->check(czech_check(typed_latitude_problem));
    cmd->add_option_function<std::string>(
           "--lon", [&o](const std::string& v) { o.lon = split_coordinate(v, 'E', 'W'); }, "Zeměpisná délka")
        ->type_name("DDD:MM(E|W)")
        ->required(required)
        ->check(czech_check(typed_longitude_problem));
}

void add_name_argument(CLI::App* cmd, std::string& name) {
    cmd->add_option("name", name, "název místa")->type_name("NÁZEV")->required();
}

void fill(models::PlaceForm& form, const FormOptions& o) {
    if (o.lat) {
        form.lat_deg = o.lat->deg;
        form.lat_min = o.lat->min;
        form.north = o.lat->positive;
    }
    if (o.lon) {
        form.lon_deg = o.lon->deg;
        form.lon_min = o.lon->min;
        form.east = o.lon->positive;
    }
}

std::optional<std::string> typed_name_problem(const std::string& name) {
    if (io::utf8_length(name) > kTypedNameLimit) {
        return "Název místa může mít nejvýše " + std::to_string(kTypedNameLimit) + " znaků!";
    }
    return std::nullopt;
}

int list(data::AppState& state, const OutputOptions& out) {
    data::PlacesStore store(state.program_dir / data::kPlacesFile);
    const auto places = store.read_all();
    if (out.json) {
        Json all = Json::array();
        for (const auto& p : places) {
            all.push_back({{"name", p.name},
                           {"lat_deg", p.lat_deg},
                           {"lat_min", p.lat_min},
                           {"north", p.north != 0},
                           {"lon_deg", p.lon_deg},
                           {"lon_min", p.lon_min},
                           {"east", p.east != 0},
                           {"latitude_text", data::latitude_text(p)},
                           {"longitude_text", data::longitude_text(p)},
                           {"damaged", p.damaged}});
        }
        print_json(all, out);
        return 0;
    }
    for (const auto& p : places) {
        std::cout << printable(p.name) << "\t" << data::latitude_text(p) << "\t" << data::longitude_text(p)
                  << (p.damaged ? "\tpoškozený záznam" : "") << "\n";
    }
    return 0;
}

int add(data::AppState& state, const FormOptions& o) {
    models::PlaceForm form;
    form.name = o.name;
    fill(form, o);
    if (auto e = typed_name_problem(form.name)) return refuse(*e);
    data::PlacesStore store(state.program_dir / data::kPlacesFile);
    if (auto e = models::save_place(store, "", form)) return refuse(e->message);
    return 0;
}

int edit(data::AppState& state, const FormOptions& o) {
    data::PlacesStore store(state.program_dir / data::kPlacesFile);
    const auto place = store.find_place(o.name);
    if (!place) return refuse("Místo „" + printable(o.name) + "“ v seznamu není!");
    models::PlaceForm form = models::form_of(*place);
    if (o.new_name) form.name = *o.new_name;
    fill(form, o);
    if (form.name != place->name) {
        if (auto e = typed_name_problem(form.name)) return refuse(*e);
    }
    if (auto e = models::save_place(store, o.name, form)) return refuse(e->message);
    return 0;
}

int remove(data::AppState& state, const std::string& name, bool yes) {
    models::PlacesWindow window(state);
    if (auto e = window.show()) return refuse(*e);
    bool listed = false;
    for (const auto& n : window.names()) listed = listed || n == name;
    if (!listed) return refuse("Místo „" + printable(name) + "“ v seznamu není!");
    const auto check = window.check_delete(name);
    if (check.refused) return refuse(check.text);
    if (auto status = refused_deletion(check.text, yes, "Místo nebylo smazáno.")) return *status;
    window.delete_place(name);
    return 0;
}

}  // namespace

void add_places_command(Commands& c) {
    CLI::App* places = c.add(c.app(), "places",
                             "Místa v pořadí souboru a jejich změny se zprávami a kontrolami okna míst");
    places->require_subcommand(1);

    auto out = std::make_shared<OutputOptions>();
    CLI::App* list_cmd = c.add(*places, "list", "Vypíše místa v pořadí souboru");
    add_output_options(list_cmd, *out);
    c.on_run(list_cmd, guarded([out](data::AppState& state) { return list(state, *out); }));

    auto added = std::make_shared<FormOptions>();
    CLI::App* add_cmd = c.add(*places, "add", "Uloží nové místo (název ještě nesmí v seznamu být)");
    add_name_argument(add_cmd, added->name);
    add_form_options(add_cmd, *added, true);
    c.on_run(add_cmd, guarded([added](data::AppState& state) { return add(state, *added); }));

    auto edited = std::make_shared<FormOptions>();
    CLI::App* edit_cmd = c.add(*places, "edit", "Opraví uložené místo; zůstane na svém místě v souboru");
    add_name_argument(edit_cmd, edited->name);
    edit_cmd->add_option_function<std::string>("--name", [edited](const std::string& v) { edited->new_name = v; },
                                               "Nový název")
        ->type_name("NOVÝ");
    add_form_options(edit_cmd, *edited, false);
    c.on_run(edit_cmd, guarded([edited](data::AppState& state) { return edit(state, *edited); }));

    struct DeleteOptions {
        std::string name;
        bool yes = false;
    };
    auto deleted = std::make_shared<DeleteOptions>();
    CLI::App* delete_cmd =
        c.add(*places, "delete", "Smaže místo (domov ne); poslední místo souboru zaujme jeho pozici");
    add_name_argument(delete_cmd, deleted->name);
    delete_cmd->add_flag("--yes", deleted->yes, "Smaže bez otázky (jinak se ptá na terminálu)");
    c.on_run(delete_cmd,
             guarded([deleted](data::AppState& state) { return remove(state, deleted->name, deleted->yes); }));
}

}  // namespace sidora::cli
