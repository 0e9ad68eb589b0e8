// sidora-cli day: the day refresh of a date and place, the horizon and the tattvas of a moment.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/cli.h"
#include "cli/options.h"
#include "models/day_report.h"
#include "models/positions_report.h"

namespace sidora::cli {
namespace {

struct DayOptions {
    MomentOptions moment;
    PlaceOptions place;
    OutputOptions out;
    std::optional<int> tattva_system;
};

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

Json instant_json(const engine::Engine::Instant& i) { return {{"date", date_text(i)}, {"time", time_text(i)}}; }

int run(data::AppState& state, const DayOptions& o) {
    const ChosenMoment chosen = choose(o.moment, state);
    const int tattva_system = o.tattva_system.value_or(state.tattvy.tattva_system);
    std::string why;
    const auto place = choose(o.place, state, why);
    if (!place) return refuse(why);
    engine::Engine& e = state.engine;
    const engine::Moment& m = chosen.moment;
    const int zo = chosen.zone_offset(e);
    const models::DayReport d = models::day_refresh(e, m.day, m.month, m.year, *place, zo, 0);

    // The moment itself: positions, horizon, tattvas.
    e.local_sidereal_time(m.day, m.month, m.year, m.hour, m.minute, m.second, place->lon_deg, place->lon_min,
                          place->east != 0, zo, 0);
    e.compute_main_window_bodies(m, zo, 0);
    e.horizon_positions(m.day, m.month, m.year, place->lat_deg, place->lat_min, place->north != 0, zo, 0);
    const bool tattvas = e.tattva_table(m, place->lat_deg, place->lat_min, place->north != 0, place->lon_deg,
                                        place->lon_min, place->east != 0, zo, 0, tattva_system);
    e.current_tattva(m);

    if (!o.out.json) {
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

    Json twilight = Json::object();
    const char* kinds[] = {"civil", "nautical", "astronomical"};
    for (std::size_t i = 0; i < 3; ++i) {
        twilight[kinds[i]] = {{"dawn", d.twilight[i].first}, {"dusk", d.twilight[i].second}};
    }
    Json planets = Json::array(), phases = Json::array(), seasons = Json::array(), horizon = Json::array(),
         times = Json::array();
    for (int k = 1; k <= 8; ++k) {
        const auto& p = d.planets[static_cast<std::size_t>(k)];
        planets.push_back({{"name", models::body_name(k)},
                           {"rise", p.rise},
                           {"rise_previous_day", p.rise_previous_day != 0},
                           {"set", p.set},
                           {"set_next_day", p.set_next_day != 0},
                           {"transit", p.transit}});
    }
    for (const auto& p : d.phases) {
        phases.push_back({{"type", p.type},
                          {"name", models::phase_name(p.type)},
                          {"date", date_text(p.at)},
                          {"time", time_text(p.at)}});
    }
    for (const auto& s : d.seasons) seasons.push_back(instant_json(s));
    for (int b = engine::kMoon; b <= engine::kPluto; ++b) {
        const auto& h = e.horizon_table[static_cast<std::size_t>(b + 1)];
        horizon.push_back({{"name", models::body_name(b)}, {"altitude", h.altitude}, {"azimuth", h.azimuth}});
    }
    for (std::size_t k = 0; k < 60; ++k) times.push_back(tattvas ? e.tattva_texts[k] : "");
    print_json({{"sun",
                 {{"rise", d.sun_rise},
                  {"set", d.sun_set},
                  {"culmination", d.culmination},
                  {"day_length", d.day_length},
                  {"rise_hours", d.rise_hours},
                  {"set_hours", d.set_hours},
                  {"rise_azimuth", d.rise_azimuth},
                  {"set_azimuth", d.set_azimuth},
                  {"culmination_altitude", d.culmination_altitude}}},
                {"twilight", twilight},
                {"moon", {{"rise", d.moon_rise}, {"set", d.moon_set}, {"transit", d.moon_transit}}},
                {"planets", planets},
                {"phases", phases},
                {"seasons", seasons},
                {"perihelion", instant_json(d.perihelion)},
                {"aphelion", instant_json(d.aphelion)},
                {"perigee", instant_json(d.perigee)},
                {"apogee", instant_json(d.apogee)},
                {"horizon", horizon},
                {"tattva",
                 {{"times", times},
                  {"current", e.current_tattva_index},
                  {"message", tattvas ? "" : "Tattvy nelze spočítat!"}}}},
               o.out);
    return 0;
}

std::string tattva_system_problem(const std::string& v) {
    return v == "0" || v == "1" ? "" : "neplatný systém tattev „" + v + "“ (0 nebo 1)";
}

}  // namespace

void add_day_command(Commands& c) {
    auto o = std::make_shared<DayOptions>();
    CLI::App* cmd = c.add(c.app(), "day",
                          "Den v místě: východ, západ a kulminace Slunce, Měsíce a planet, soumraky, fáze Měsíce, "
                          "apsidy, roční období; pro okamžik výšky a azimuty a tattvy");
    add_moment_options(cmd, o->moment);
    add_place_options(cmd, o->place);
    cmd->add_option_function<std::string>(
           "--tattva-system", [o](const std::string& v) { o->tattva_system = v == "1"; },
           "Systém tattev 0 nebo 1 (jinak uložený)")
        ->type_name("0|1")
        ->check(czech_check(tattva_system_problem));
    add_output_options(cmd, o->out);
    c.on_run(cmd, [o](data::AppState& state) { return run(state, *o); });
}

}  // namespace sidora::cli
