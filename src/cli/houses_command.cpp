// sidora-cli houses: the sixteen house systems of a moment and place.
#include <cstdio>
#include <iostream>

#include "cli/cli.h"
#include "cli/json.h"
#include "cli/moment_options.h"
#include "engine/angles.h"
#include "io/cp1250.h"
#include "models/houses_report.h"
#include "models/positions_report.h"

namespace sidora::cli {

int run_houses_command(data::AppState& state, Args& args) {
    MomentOptions o(state, true);
    int system = state.astro.current_house_system;
    while (!args.empty()) {
        const std::string opt = args.next();
        if (opt == "--system") {
            system = args.int_value_of(opt, 1, 16, "číslo systému domů");
        } else if (!o.take(opt, args)) {
            throw UsageError("neznámá volba „" + opt + "“");
        }
    }
    o.finish();
    std::string why;
    const auto place = o.place_of(state, why);
    if (!place) return refuse(why);
    const models::HousesReport r =
        models::compute_houses_report(state.engine, o.moment, o.zone_offset(state.engine), *place, system);

    if (o.json) {
        std::string systems, houses;
        for (int s = 0; s < 16; ++s) {
            const auto& c = r.table[static_cast<std::size_t>(s)];
            std::string cusps;
            for (std::size_t i = 0; i < 12; ++i) cusps += (i ? ", " : "") + json_number(c[i]);
            systems += (s ? ", " : "") + JsonObject()
                                             .integer("index", s + 1)
                                             .str("name", engine::house_system_name(s))
                                             .raw("cusps", "[" + cusps + "]")
                                             .num("asc", c[12])
                                             .num("mc", c[13])
                                             .num("dsc", c[14])
                                             .num("ic", c[15])
                                             .text();
        }
        for (const auto& [body, house] : r.body_houses) {
            houses += (houses.empty() ? "" : ", ") + JsonObject()
                                                         .integer("number", body)
                                                         .str("name", models::body_name(body))
                                                         .integer("house", house)
                                                         .text();
        }
        std::cout << JsonObject()
                         .num("sidereal_degrees", r.sidereal_degrees)
                         .num("obliquity", r.obliquity)
                         .integer("system", system)
                         .raw("systems", "[" + systems + "]")
                         .raw("body_houses", "[" + houses + "]")
                         .text()
                  << "\n";
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
        std::cout << models::body_name(body) << "\t" << house << ". dům\n";
    }
    return 0;
}

}  // namespace sidora::cli
