// sidora-cli positions: the body table of a moment.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/cli.h"
#include "cli/options.h"
#include "engine/angles.h"
#include "io/cp1250.h"
#include "models/positions_report.h"

namespace sidora::cli {
namespace {

struct PositionsOptions {
    MomentOptions moment;
    OutputOptions out;
};

int run(data::AppState& state, const PositionsOptions& o) {
    const ChosenMoment m = choose(o.moment, state);
    models::PositionsReport r;
    try {
        r = models::compute_positions(state.engine, m.moment, m.zone_offset(state.engine));
    } catch (const std::runtime_error& e) {
        return refuse(e.what());
    }

    if (o.out.json) {
        Json bodies = Json::array(), helio = Json::array();
        for (const auto& b : r.bodies) {
            bodies.push_back({{"number", b.number},
                              {"name", b.name},
                              {"longitude", b.row.longitude},
                              {"latitude", b.row.latitude},
                              {"declination", b.row.declination},
                              {"distance", b.row.distance},
                              {"speed", b.row.speed},
                              {"retrograde", b.row.retrograde != 0}});
        }
        for (const auto& h : r.helio) {
            helio.push_back({{"longitude", h.longitude_deg},
                             {"latitude", h.latitude_deg},
                             {"r", h.r},
                             {"helio_distance_text", h.helio_distance_text},
                             {"geo_distance_text", h.geo_distance_text}});
        }
        print_json({{"jd", r.jd},
                    {"zone_offset", r.zone_offset},
                    {"bodies", bodies},
                    {"helio", helio},
                    {"sun_distance_text", r.sun_distance_text},
                    {"moon",
                     {{"distance_km", r.moon_distance_km},
                      {"elongation", r.moon_elongation},
                      {"waxing", r.moon_waxing},
                      {"phase_text", r.moon_phase_text},
                      {"age_text", r.moon_age_text}}},
                    {"asteroid_quality", r.asteroid_quality}},
                   o.out);
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

}  // namespace

void add_positions_command(Commands& c) {
    auto o = std::make_shared<PositionsOptions>();
    CLI::App* cmd = c.add(c.app(), "positions",
                          "Tabulka těles okamžiku: délky, šířky, deklinace, vzdálenosti, rychlosti, "
                          "heliocentrické údaje, fáze a stáří Měsíce");
    add_moment_options(cmd, o->moment);
    add_output_options(cmd, o->out);
    c.on_run(cmd, [o](data::AppState& state) { return run(state, *o); });
}

}  // namespace sidora::cli
