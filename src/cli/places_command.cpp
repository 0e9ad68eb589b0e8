// sidora-cli places: list, add, edit and delete places as the places window does.
#include <unistd.h>

#include <iostream>
#include <optional>

#include "cli/cli.h"
#include "cli/json.h"
#include "io/cp1250.h"
#include "models/new_place.h"
#include "models/places_window.h"

namespace sidora::cli {
namespace {

// The dialog cannot take more than this many characters in its name box.
constexpr std::size_t kTypedNameLimit = 30;

// "DD:MM(N|S)" into the dialog's boxes; the numbers are checked as the dialog checks them.
void split_coordinate(const std::string& option, const std::string& text, char plus, char minus,
                      std::string& deg, std::string& min, bool& positive) {
    const std::size_t colon = text.find(':');
    const char dir = text.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (colon == std::string::npos || (dir != plus && dir != minus)) {
        throw UsageError("neplatná hodnota " + option + " „" + text + "“ (očekáváno " +
                         (plus == 'N' ? "DD:MM a N nebo S" : "DDD:MM a E nebo W") + ")");
    }
    deg = text.substr(0, colon);
    min = text.substr(colon + 1, text.size() - colon - 2);
    positive = dir == plus;
}

std::optional<std::string> take_name_limit(const std::string& name) {
    if (io::utf8_length(name) > kTypedNameLimit) {
        return "Název místa může mít nejvýše " + std::to_string(kTypedNameLimit) + " znaků!";
    }
    return std::nullopt;
}

int list(data::AppState& state, Args& args) {
    bool json = false;
    while (!args.empty()) {
        const std::string opt = args.next();
        if (opt == "--json") json = true;
        else throw UsageError("neznámá volba „" + opt + "“");
    }
    data::PlacesStore store(state.program_dir / data::kPlacesFile);
    const auto places = store.read_all();
    if (json) {
        std::string out = "[";
        for (std::size_t i = 0; i < places.size(); ++i) {
            const auto& p = places[i];
            out += (i ? ",\n " : "") + JsonObject()
                                           .str("name", p.name)
                                           .integer("lat_deg", p.lat_deg)
                                           .integer("lat_min", p.lat_min)
                                           .boolean("north", p.north != 0)
                                           .integer("lon_deg", p.lon_deg)
                                           .integer("lon_min", p.lon_min)
                                           .boolean("east", p.east != 0)
                                           .str("latitude_text", data::latitude_text(p))
                                           .str("longitude_text", data::longitude_text(p))
                                           .text();
        }
        std::cout << out << "]\n";
        return 0;
    }
    for (const auto& p : places) {
        std::cout << p.name << "\t" << data::latitude_text(p) << "\t" << data::longitude_text(p) << "\n";
    }
    return 0;
}

// The options shared by add and edit, written into the form.
void read_form_options(Args& args, models::PlaceForm& form, bool allow_rename, bool& lat_set, bool& lon_set) {
    while (!args.empty()) {
        const std::string opt = args.next();
        if (opt == "--lat") {
            split_coordinate(opt, args.value_of(opt), 'N', 'S', form.lat_deg, form.lat_min, form.north);
            lat_set = true;
        } else if (opt == "--lon") {
            split_coordinate(opt, args.value_of(opt), 'E', 'W', form.lon_deg, form.lon_min, form.east);
            lon_set = true;
        } else if (opt == "--name" && allow_rename) {
            form.name = args.value_of(opt);
        } else {
            throw UsageError("neznámá volba „" + opt + "“");
        }
    }
}

int add(data::AppState& state, Args& args) {
    if (args.empty()) throw UsageError("chybí název místa");
    models::PlaceForm form;
    form.name = args.next();
    bool lat_set = false, lon_set = false;
    read_form_options(args, form, false, lat_set, lon_set);
    if (!lat_set || !lon_set) throw UsageError("nové místo potřebuje --lat i --lon");
    if (auto e = take_name_limit(form.name)) return refuse(*e);
    data::PlacesStore store(state.program_dir / data::kPlacesFile);
    if (auto e = models::save_place(store, "", form)) return refuse(e->message);
    return 0;
}

int edit(data::AppState& state, Args& args) {
    if (args.empty()) throw UsageError("chybí název místa");
    const std::string edited = args.next();
    data::PlacesStore store(state.program_dir / data::kPlacesFile);
    const auto place = store.find_place(edited);
    if (!place) return refuse("Místo „" + edited + "“ v seznamu není!");
    models::PlaceForm form = models::form_of(*place);
    bool lat_set = false, lon_set = false;
    read_form_options(args, form, true, lat_set, lon_set);
    if (form.name != place->name) {
        if (auto e = take_name_limit(form.name)) return refuse(*e);
    }
    if (auto e = models::save_place(store, edited, form)) return refuse(e->message);
    return 0;
}

int remove(data::AppState& state, Args& args) {
    if (args.empty()) throw UsageError("chybí název místa");
    const std::string name = args.next();
    bool yes = false;
    while (!args.empty()) {
        const std::string opt = args.next();
        if (opt == "--yes") yes = true;
        else throw UsageError("neznámá volba „" + opt + "“");
    }
    models::PlacesWindow window(state);
    if (auto e = window.show()) return refuse(*e);
    bool listed = false;
    for (const auto& n : window.names()) listed = listed || n == name;
    if (!listed) return refuse("Místo „" + name + "“ v seznamu není!");
    const auto check = window.check_delete(name);
    if (check.refused) return refuse(check.text);
    if (!yes) {
        if (!::isatty(STDIN_FILENO)) return refuse("Smazání je třeba potvrdit volbou --yes.");
        std::cerr << check.text << " [a/N] " << std::flush;
        std::string answer;
        std::getline(std::cin, answer);
        if (answer != "a" && answer != "A" && answer != "ano") return refuse("Místo nebylo smazáno.");
    }
    window.delete_place(name);
    return 0;
}

}  // namespace

int run_places_command(data::AppState& state, Args& args) {
    if (args.empty()) throw UsageError("chybí podpříkaz places (list, add, edit, delete)");
    const std::string sub = args.next();
    try {
        if (sub == "list") return list(state, args);
        if (sub == "add") return add(state, args);
        if (sub == "edit") return edit(state, args);
        if (sub == "delete") return remove(state, args);
    } catch (const data::PlacesError& e) {
        return refuse(e.message());
    }
    throw UsageError("neznámý podpříkaz places „" + sub + "“");
}

}  // namespace sidora::cli
