#include "cli/birth_options.h"

#include <algorithm>

#include "io/cp1250.h"
#include "models/natal_window.h"
#include "models/person_chooser.h"

namespace sidora::cli {
namespace {

// The person of --person through the chooser's own checks, into slot 1.
std::optional<std::string> stored_person(data::AppState& state, const std::string& name) {
    models::PersonChooser chooser(state);
    if (auto error = chooser.show(1)) return error;
    const auto& names = chooser.names();
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        return "Osoba „" + printable(name) + "“ v seznamu není!";
    }
    chooser.click(name);
    auto refusal = chooser.check_compute();
    chooser.close();
    return refusal;
}

// A person made of --at, --zone, --summer and the place.
std::optional<std::string> moment_person(data::AppState& state, const BirthOptions& o) {
    const ChosenMoment m = choose(o.moment, state);
    std::string why;
    const auto place = choose(o.place, state, why);
    if (!place) return why;
    data::TOsoba& p = state.person_slots[1];
    p = data::TOsoba{};
    p.name = io::utf8_left(o.name.value_or(models::kNowName), data::TOsoba::kNameCapacity);
    p.day = static_cast<std::uint8_t>(m.moment.day);
    p.month = static_cast<std::uint8_t>(m.moment.month);
    p.year = m.moment.year;
    p.hour = static_cast<std::uint8_t>(m.moment.hour);
    p.minute = static_cast<std::uint8_t>(m.moment.minute);
    p.zone = static_cast<std::uint8_t>(m.zone_index);
    p.summer = m.summer == models::SummerMode::Auto
                   ? state.engine.summer_time_in_effect(p.year, p.month, p.day, p.hour)
                   : m.summer == models::SummerMode::Yes;
    p.place = io::utf8_left(place->name.empty() ? "Místo" : place->name, data::TOsoba::kNameCapacity);
    p.lon_deg = place->lon_deg;
    p.lon_min = place->lon_min;
    p.east = place->east;
    p.lat_deg = place->lat_deg;
    p.lat_min = place->lat_min;
    p.north = place->north;
    p.house_system = static_cast<std::uint8_t>(state.astro.current_house_system);
    return data::person_problem(p);
}

}  // namespace

void add_birth_options(CLI::App* cmd, BirthOptions& o) {
    CLI::Option* person = cmd->add_option_function<std::string>(
                                 "--person", [&o](const std::string& v) { o.person = v; },
                                 "Uložená osoba (místo --at, --zone, --summer, místa a --name)")
                              ->type_name("JMÉNO");
    add_moment_options(cmd, o.moment);
    add_place_options(cmd, o.place);
    cmd->add_option_function<std::string>(
           "--name", [&o](const std::string& v) { o.name = v; }, "Jméno horoskopu okamžiku (jinak „Horoskop okamžiku“)")
        ->type_name("TEXT");
    add_house_system_option(cmd, o.system);
    for (const char* other : {"--at", "--zone", "--summer", "--place", "--lat", "--lon", "--name"}) {
        person->excludes(cmd->get_option(other));
    }
    // Without a person the moment needs its zone and a place, not the stored ones.
    cmd->parse_complete_callback([cmd] {
        if (cmd->count("--person") > 0) return;
        if (cmd->count("--at") == 0) throw CLI::ValidationError("chybí --person nebo --at");
        if (cmd->count("--zone") == 0) throw CLI::ValidationError("--at: zadává se spolu s --zone");
        if (cmd->count("--place") == 0 && cmd->count("--lat") == 0) {
            throw CLI::ValidationError("--at: zadává se spolu s --place nebo --lat a --lon");
        }
    });
}

std::optional<std::string> choose_birth(data::AppState& state, const BirthOptions& o, data::TOsoba& person) {
    if (o.system) state.astro.current_house_system = *o.system;
    if (auto refusal = o.person ? stored_person(state, *o.person) : moment_person(state, o)) return printable(*refusal);
    person = state.person_slots[1];
    if (o.system) person.house_system = static_cast<std::uint8_t>(*o.system);
    return std::nullopt;
}

}  // namespace sidora::cli
