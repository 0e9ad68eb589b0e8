// sidora-cli houses: the sixteen house systems of a moment and place.
#include <iostream>
#include <memory>

#include "cli/cli.h"
#include "cli/options.h"
#include "engine/angles.h"
#include "models/houses_report.h"
#include "models/positions_report.h"

namespace sidora::cli {
namespace {

struct HousesOptions {
    MomentOptions moment;
    PlaceOptions place;
    OutputOptions out;
    std::optional<int> system;
};

int run(data::AppState& state, const HousesOptions& o) {
    const ChosenMoment m = choose(o.moment, state);
    const int system = o.system.value_or(state.astro.current_house_system);
    std::string why;
    const auto place = choose(o.place, state, why);
    if (!place) return refuse(why);
    const models::HousesReport r =
        models::compute_houses_report(state.engine, m.moment, m.zone_offset(state.engine), *place, system);

    if (o.out.json) {
        Json systems = Json::array(), houses = Json::array();
        for (int s = 0; s < 16; ++s) {
            const auto& c = r.table[static_cast<std::size_t>(s)];
            Json cusps = Json::array();
            for (std::size_t i = 0; i < 12; ++i) cusps.push_back(c[i]);
            systems.push_back({{"index", s + 1},
                               {"name", engine::house_system_name(s)},
                               {"cusps", cusps},
                               {"asc", c[12]},
                               {"mc", c[13]},
                               {"dsc", c[14]},
                               {"ic", c[15]}});
        }
        for (const auto& [body, house] : r.body_houses) {
            houses.push_back({{"number", body}, {"name", models::body_name(body)}, {"house", house}});
        }
        print_json({{"sidereal_degrees", r.sidereal_degrees},
                    {"obliquity", r.obliquity},
                    {"system", system},
                    {"systems", systems},
                    {"body_houses", houses}},
                   o.out);
        return 0;
    }
    const auto& c = r.table[static_cast<std::size_t>(system - 1)];
    std::cout << "Systém domů: " << engine::house_system_name(system - 1) << "\n";
    for (std::size_t i = 0; i < 12; ++i) {
        std::cout << (i + 1) << ". dům\t"
                  << (c[i] == engine::kNoCusp ? std::string("---") : engine::format_angle(false, true, false, c[i])) << "\n";
    }
    std::cout << "ASC\t" << engine::format_angle(false, true, false, c[12]) << "\nMC\t"
              << engine::format_angle(false, true, false, c[13]) << "\n";
    for (const auto& [body, house] : r.body_houses) {
        // A system without cusps gives a body no house; the window shows dashes there too.
        std::cout << models::body_name(body) << "\t" << (house == 0 ? std::string("------") : std::to_string(house) + ". dům")
                  << "\n";
    }
    return 0;
}

}  // namespace

void add_houses_command(Commands& c) {
    auto o = std::make_shared<HousesOptions>();
    CLI::App* cmd = c.add(c.app(), "houses",
                          "Šestnáct systémů domů pro okamžik a místo (999, kde systém neexistuje) a dům každého "
                          "tělesa ve zvoleném systému");
    add_moment_options(cmd, o->moment);
    add_place_options(cmd, o->place);
    add_house_system_option(cmd, o->system);
    add_output_options(cmd, o->out);
    c.on_run(cmd, [o](data::AppState& state) { return run(state, *o); });
}

}  // namespace sidora::cli
