// sidora-cli positions: the body table of a moment.
#include <cstdio>
#include <iostream>

#include "cli/cli.h"
#include "cli/json.h"
#include "cli/moment_options.h"
#include "engine/angles.h"
#include "io/cp1250.h"
#include "models/positions_report.h"

namespace sidora::cli {

int run_positions_command(data::AppState& state, Args& args) {
    MomentOptions o(state, false);
    while (!args.empty()) {
        const std::string opt = args.next();
        if (!o.take(opt, args)) throw UsageError("neznámá volba „" + opt + "“");
    }
    o.finish();
    models::PositionsReport r;
    try {
        r = models::compute_positions(state.engine, o.moment, o.zone_offset(state.engine));
    } catch (const std::runtime_error& e) {
        return refuse(e.what());
    }

    if (o.json) {
        std::string bodies, helio;
        for (const auto& b : r.bodies) {
            bodies += (bodies.empty() ? "" : ", ") + JsonObject()
                                                         .integer("number", b.number)
                                                         .str("name", b.name)
                                                         .num("longitude", b.row.longitude)
                                                         .num("latitude", b.row.latitude)
                                                         .num("declination", b.row.declination)
                                                         .num("distance", b.row.distance)
                                                         .num("speed", b.row.speed)
                                                         .boolean("retrograde", b.row.retrograde != 0)
                                                         .text();
        }
        for (const auto& h : r.helio) {
            helio += (helio.empty() ? "" : ", ") + JsonObject()
                                                       .num("longitude", h.longitude_deg)
                                                       .num("latitude", h.latitude_deg)
                                                       .num("r", h.r)
                                                       .str("helio_distance_text", h.helio_distance_text)
                                                       .str("geo_distance_text", h.geo_distance_text)
                                                       .text();
        }
        std::cout << JsonObject()
                         .num("jd", r.jd)
                         .integer("zone_offset", r.zone_offset)
                         .raw("bodies", "[" + bodies + "]")
                         .raw("helio", "[" + helio + "]")
                         .str("sun_distance_text", r.sun_distance_text)
                         .raw("moon", JsonObject()
                                          .num("distance_km", r.moon_distance_km)
                                          .num("elongation", r.moon_elongation)
                                          .boolean("waxing", r.moon_waxing)
                                          .str("phase_text", r.moon_phase_text)
                                          .str("age_text", r.moon_age_text)
                                          .text())
                         .str("asteroid_quality", r.asteroid_quality)
                         .text()
                  << "\n";
        return 0;
    }
    char jd[32];
    std::snprintf(jd, sizeof jd, "%.6f", r.jd);
    std::cout << "Juliánské datum: " << jd << "   posun od světového času: " << r.zone_offset << " h\n";
    for (const auto& b : r.bodies) {
        char line[160];
        const std::string name = b.name + std::string(16 - io::utf8_length(b.name), ' ');
        std::snprintf(line, sizeof line, "%s%s %s %s %8.3f %s", name.c_str(),
                      engine::format_angle(false, true, true, b.row.longitude).c_str(),
                      engine::format_angle(true, false, true, b.row.latitude).c_str(),
                      engine::format_angle(true, false, true, b.row.declination).c_str(), b.row.speed,
                      b.row.retrograde ? "R" : "");
        std::cout << line << "\n";
    }
    std::cout << "Vzdálenost Slunce: " << r.sun_distance_text << " AU\n"
              << "Měsíc: " << r.moon_phase_text << ", stáří " << r.moon_age_text << ", vzdálenost "
              << static_cast<long>(r.moon_distance_km) << " km\n"
              << "Kvalita elementů planetek: " << r.asteroid_quality << "\n";
    return 0;
}

}  // namespace sidora::cli
