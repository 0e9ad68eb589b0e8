// sidora-cli numerology: the numerology window's numbers, and its reading.
#include "cli/cli.h"
#include "cli/cycles_options.h"
#include "cli/options.h"
#include "cli/texts_output.h"
#include "data/startup.h"
#include "engine/zones.h"
#include "models/moment_args.h"
#include "models/numerology_window.h"

namespace sidora::cli {
namespace {

struct NumOptions {
    std::optional<std::string> person, birth;
    std::optional<int> zone;
    std::optional<bool> summer;
    std::optional<models::Coordinate> lat, lon;
    bool reading = false;
    OutputOptions output;
};

int run(data::AppState& state, const NumOptions& o) {
    data::TOsoba p;
    if (o.person) {
        std::string why;
        const auto found = person_named(state, *o.person, why);
        if (!found) return refuse(why);
        p = *found;
    } else {
        const auto b = *parse_birth(*o.birth, true);
        p.name.clear();
        p.year = b.year, p.month = static_cast<std::uint8_t>(b.month), p.day = static_cast<std::uint8_t>(b.day);
        p.hour = static_cast<std::uint8_t>(b.hour), p.minute = static_cast<std::uint8_t>(b.minute);
        p.zone = static_cast<std::uint8_t>(o.zone.value_or(state.start.zone_index));
        p.summer = o.summer.value_or(false) ? 1 : 0;
        p.place.clear();
        if (o.lat && o.lon) {
            // The hour needs only the coordinates; the place's name just says there is one.
            p.place = "?";
            p.lat_deg = o.lat->deg, p.lat_min = o.lat->min, p.north = o.lat->positive ? 1 : 0;
            p.lon_deg = o.lon->deg, p.lon_min = o.lon->min, p.east = o.lon->positive ? 1 : 0;
        }
    }
    if (o.reading) install_pending_texts(state);
    models::NumerologyWindow window(state);
    if (auto why = window.set_person(p)) return refuse(*why);
    const auto& v = *window.view();
    const int max_count = state.num.numerology_digits;

    if (o.reading) {
        models::StyledDocument doc;
        const auto warning = window.reading(doc);
        if (o.output.json) {
            Json j;
            j["lines"] = lines_json(doc, true);
            j["warnings"] = warning ? Json::array({*warning}) : Json::array();
            print_json(j, o.output);
        } else {
            if (warning) std::cerr << *warning << "\n";
            for (const auto& l : doc.lines()) std::cout << l.text << "\n";
        }
        return 0;
    }
    if (o.output.json) {
        Json j;
        j["digits"] = v.grid.digits;
        Json counts = Json::object();
        for (int d = 1; d <= 9; ++d) counts[std::to_string(d)] = v.grid.counts[static_cast<std::size_t>(d)];
        j["counts"] = counts;
        j["subtotal"] = v.grid.subtotal;
        j["vibration"] = v.grid.vibration;
        Json lines = Json::object();
        for (const auto& l : v.grid.lines) lines[l.key] = l.value;
        j["lines"] = lines;
        j["weekday"] = {{"name", v.weekday_name}, {"digit", v.weekday}, {"ruler", v.weekday_ruler}};
        j["planetary_hour"] = {{"text", v.hour.text}, {"ruler", v.hour.ruler}};
        j["files"] = models::reading_files(v.grid, max_count);
        print_json(j, o.output);
        return 0;
    }
    if (!v.name.empty()) std::cout << v.name << "\n";
    std::cout << "Datum narození: " << v.date << "\n";
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const auto& cell = v.cells[static_cast<std::size_t>(1 + row + 3 * col)];
            std::cout << "[" << (cell.empty() ? " " : cell) << "]";
        }
        std::cout << "\n";
    }
    std::cout << "Vibrační číslice: " << v.grid.vibration << "\nMezisoučet: " << v.grid.subtotal << "\n";
    for (const auto& l : v.grid.lines) std::cout << l.hint << ": " << l.value << "\n";
    std::cout << "Den v týdnu: " << v.weekday_name << ", číslice: " << v.weekday << ", vládce: " << v.weekday_ruler
              << "\nPlanetární hodina: " << v.hour.text << ", vládce: " << v.hour.ruler << "\n";
    return 0;
}

}  // namespace

void add_numerology_command(Commands& commands) {
    auto o = std::make_shared<NumOptions>();
    CLI::App* cmd = commands.add(commands.app(), "numerology", "Numerologie data narození a její výklad");
    const char* group = "Osoba";
    auto* person = cmd->add_option_function<std::string>("--person", [o](const std::string& v) { o->person = v; },
                                                         "Osoba ze seznamu osob")
                       ->type_name("JMÉNO")->group(group);
    auto* birth = cmd->add_option_function<std::string>("--birth", [o](const std::string& v) { o->birth = v; },
                                                        "Datum (a čas) narození osoby, která v seznamu není")
                      ->type_name("RRRR-MM-DD[THH:MM]")->check(birth_check(true))->group(group);
    auto* zone = cmd->add_option_function<std::string>("--zone", [o](const std::string& v) { o->zone = std::stoi(v); },
                                                       "Časové pásmo narození 1 až 24 (jinak současné)")
                     ->type_name("1..24")
                     ->check(czech_check([](const std::string& v) {
                         const bool ok = !v.empty() && v.size() <= 2 && v.find_first_not_of("0123456789") == std::string::npos &&
                                         engine::valid_zone_index(std::stoi(v));
                         return ok ? std::string() : "neplatné časové pásmo „" + v + "“ (1 až 24)";
                     }))->group(group);
    auto* summer = cmd->add_option_function<std::string>("--summer", [o](const std::string& v) { o->summer = v == "yes"; },
                                                         "Narozen v letním čase: yes nebo no (výchozí no)")
                       ->type_name("yes|no")
                       ->check(czech_check([](const std::string& v) {
                           return v == "yes" || v == "no" ? std::string() : "neplatná hodnota „" + v + "“ (yes nebo no)";
                       }))->group(group);
    auto* lat = cmd->add_option_function<std::string>("--lat", [o](const std::string& v) { o->lat = models::parse_latitude(v); },
                                                      "Zeměpisná šířka místa narození, se zeměpisnou délkou")
                    ->type_name("DD:MM(N|S)")->check(czech_check(latitude_problem))->group(group);
    auto* lon = cmd->add_option_function<std::string>("--lon", [o](const std::string& v) { o->lon = models::parse_longitude(v); },
                                                      "Zeměpisná délka místa narození, se zeměpisnou šířkou")
                    ->type_name("DDD:MM(E|W)")->check(czech_check(longitude_problem))->group(group);
    lat->needs(lon);
    lon->needs(lat);
    for (auto* inline_only : {zone, summer, lat, lon}) {
        inline_only->needs(birth);
        person->excludes(inline_only);
    }
    person->excludes(birth);
    cmd->add_flag("--reading", o->reading, "Vypíše numerologický výklad");
    add_output_options(cmd, o->output);
    commands.on_run(cmd, guarded([o](data::AppState& state) {
        if (!o->person && !o->birth) return refuse("Zadejte osobu volbou --person nebo datum narození volbou --birth.");
        return run(state, *o);
    }));
}

}  // namespace sidora::cli
