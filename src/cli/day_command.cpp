// sidora-cli day: the day refresh of a date and place, the horizon and the tattvas of a moment.
#include <cstdio>
#include <iostream>

#include "cli/cli.h"
#include "cli/json.h"
#include "cli/moment_options.h"
#include "models/day_report.h"
#include "models/positions_report.h"

namespace sidora::cli {
namespace {

std::string date_text(const engine::Engine::Instant& i) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", i.year, i.month, i.day);
    return buf;
}

std::string time_text(const engine::Engine::Instant& i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", i.hour, i.minute);
    return buf;
}

std::string instant_json(const engine::Engine::Instant& i) {
    return JsonObject().str("date", date_text(i)).str("time", time_text(i)).text();
}

}  // namespace

int run_day_command(data::AppState& state, Args& args) {
    MomentOptions o(state, true);
    int tattva_system = state.tattvy.tattva_system;
    while (!args.empty()) {
        const std::string opt = args.next();
        if (opt == "--tattva-system") {
            const std::string v = args.value_of(opt);
            if (v != "0" && v != "1") throw UsageError("neplatný systém tattev „" + v + "“ (0 nebo 1)");
            tattva_system = v == "1";
        } else if (!o.take(opt, args)) {
            throw UsageError("neznámá volba „" + opt + "“");
        }
    }
    o.finish();
    std::string why;
    const auto place = o.place_of(state, why);
    if (!place) return refuse(why);
    engine::Engine& e = state.engine;
    const engine::Moment& m = o.moment;
    const int zo = o.zone_offset(e);
    const models::DayReport d = models::day_refresh(e, m.day, m.month, m.year, *place, zo, 0);

    // The moment itself: positions, horizon, tattvas.
    e.local_sidereal_time(m.day, m.month, m.year, m.hour, m.minute, m.second, place->lon_deg, place->lon_min,
                          place->east != 0, zo, 0);
    e.compute_main_window_bodies(m, zo, 0);
    e.horizon_positions(m.day, m.month, m.year, place->lat_deg, place->lat_min, place->north != 0, zo, 0);
    const bool tattvas = e.tattva_table(m, place->lat_deg, place->lat_min, place->north != 0, place->lon_deg,
                                        place->lon_min, place->east != 0, zo, 0, tattva_system);
    e.current_tattva(m);

    if (!o.json) {
        std::cout << "Východ Slunce: " << d.sun_rise << "   západ: " << d.sun_set << "   kulminace: " << d.culmination
                  << "   délka dne: " << d.day_length << "\n";
        const char* names[] = {"Občanský soumrak", "Nautický soumrak", "Astronomický soumrak"};
        for (std::size_t i = 0; i < 3; ++i) {
            std::cout << names[i] << ": " << d.twilight[i].first << " – " << d.twilight[i].second << "\n";
        }
        std::cout << "Měsíc: východ " << d.moon_rise << ", západ " << d.moon_set << ", kulminace " << d.moon_transit << "\n";
        for (int k = 1; k <= 8; ++k) {
            const auto& p = d.planets[static_cast<std::size_t>(k)];
            std::cout << models::body_name(k) << ": východ " << p.rise << (p.rise_previous_day ? " (předchozí den)" : "")
                      << ", kulminace " << p.transit << ", západ " << p.set << (p.set_next_day ? " (další den)" : "") << "\n";
        }
        for (const auto& p : d.phases) {
            std::cout << models::phase_name(p.type) << " " << date_text(p.at) << " " << time_text(p.at) << "\n";
        }
        std::cout << (tattvas ? "" : "Tattvy nelze spočítat!\n");
        return 0;
    }

    std::string twilight;
    const char* kinds[] = {"civil", "nautical", "astronomical"};
    for (std::size_t i = 0; i < 3; ++i) {
        twilight += (i ? ", " : "") + json_string(kinds[i]) + ": " +
                    JsonObject().str("dawn", d.twilight[i].first).str("dusk", d.twilight[i].second).text();
    }
    std::string planets, phases, seasons, horizon, times;
    for (int k = 1; k <= 8; ++k) {
        const auto& p = d.planets[static_cast<std::size_t>(k)];
        planets += (k > 1 ? ", " : "") + JsonObject()
                                             .str("name", models::body_name(k))
                                             .str("rise", p.rise)
                                             .boolean("rise_previous_day", p.rise_previous_day != 0)
                                             .str("set", p.set)
                                             .boolean("set_next_day", p.set_next_day != 0)
                                             .str("transit", p.transit)
                                             .text();
    }
    for (const auto& p : d.phases) {
        phases += (phases.empty() ? "" : ", ") + JsonObject()
                                                     .integer("type", p.type)
                                                     .str("name", models::phase_name(p.type))
                                                     .str("date", date_text(p.at))
                                                     .str("time", time_text(p.at))
                                                     .text();
    }
    for (const auto& s : d.seasons) seasons += (seasons.empty() ? "" : ", ") + instant_json(s);
    for (int b = engine::kMoon; b <= engine::kPluto; ++b) {
        const auto& h = e.horizon_table[static_cast<std::size_t>(b + 1)];
        horizon += (b > engine::kMoon ? ", " : "") + JsonObject()
                                                         .str("name", models::body_name(b))
                                                         .num("altitude", h.altitude)
                                                         .num("azimuth", h.azimuth)
                                                         .text();
    }
    for (std::size_t k = 0; k < 60; ++k) times += (k ? ", " : "") + json_string(tattvas ? e.tattva_texts[k] : "");
    std::cout << JsonObject()
                     .raw("sun", JsonObject()
                                     .str("rise", d.sun_rise)
                                     .str("set", d.sun_set)
                                     .str("culmination", d.culmination)
                                     .str("day_length", d.day_length)
                                     .num("rise_hours", d.rise_hours)
                                     .num("set_hours", d.set_hours)
                                     .num("rise_azimuth", d.rise_azimuth)
                                     .num("set_azimuth", d.set_azimuth)
                                     .num("culmination_altitude", d.culmination_altitude)
                                     .text())
                     .raw("twilight", "{" + twilight + "}")
                     .raw("moon", JsonObject().str("rise", d.moon_rise).str("set", d.moon_set).str("transit", d.moon_transit).text())
                     .raw("planets", "[" + planets + "]")
                     .raw("phases", "[" + phases + "]")
                     .raw("seasons", "[" + seasons + "]")
                     .raw("perihelion", instant_json(d.perihelion))
                     .raw("aphelion", instant_json(d.aphelion))
                     .raw("perigee", instant_json(d.perigee))
                     .raw("apogee", instant_json(d.apogee))
                     .raw("horizon", "[" + horizon + "]")
                     .raw("tattva", JsonObject()
                                        .raw("times", "[" + times + "]")
                                        .integer("current", e.current_tattva_index)
                                        .str("message", tattvas ? "" : "Tattvy nelze spočítat!")
                                        .text())
                     .text()
              << "\n";
    return 0;
}

}  // namespace sidora::cli
