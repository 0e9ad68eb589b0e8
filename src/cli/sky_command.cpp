// sidora-cli sky: one tick of the sky calendar, every text the main window shows.
#include <algorithm>
#include <iostream>
#include <memory>

#include "cli/cli.h"
#include "cli/options.h"
#include "engine/engine_state.h"
#include "io/cp1250.h"
#include "models/sky_calendar.h"
#include "models/symbols.h"

namespace sidora::cli {
namespace {

struct SkyOptions {
    MomentOptions moment;
    PlaceOptions place;
    OutputOptions out;
    std::optional<int> system;
};

Json grid_json(const models::Grid& g) {
    Json rows = Json::array();
    for (int r = 0; r < g.rows(); ++r) {
        Json row = Json::array();
        for (int c = 0; c < g.cols(); ++c) row.push_back(g.at(c, r).text);
        rows.push_back(std::move(row));
    }
    return rows;
}

void print_view(std::ostream& out, const models::SkyView& v, int house_system) {
    out << (v.label247_visible ? v.Label247 : v.Label1) << "\n";
    out << "Místo: " << printable(v.Label25) << "\nPásmový čas: " << v.hour << ":" << (v.minute < 10 ? "0" : "")
        << v.minute << ":" << (v.second < 10 ? "0" : "") << v.second << v.Label3 << "\n";
    out << "\n[Čas]\n";
    print_grid(out, v.Tab3);
    print_grid(out, v.Tab4);
    for (std::size_t i = 0; i < v.world_clocks.size(); ++i) {
        out << "  " << models::world_clock_cities()[i] << ": " << v.world_clocks[i] << "\n";
    }
    out << "\n[Slunce]\n";
    print_grid(out, v.Tab5);
    out << "  Svítání a soumrak:\n";
    print_grid(out, v.Tab6);
    out << "\n[Měsíc]\n";
    print_grid(out, v.tab7);
    print_grid(out, v.Tab8);
    out << "  " << v.phase_caption << "\n";
    print_grid(out, v.Tab9);
    out << "\n[Planety]\n";
    print_grid(out, v.Tab2);
    out << "\n[Astrologie]\n";
    print_grid(out, v.Tab10);
    out << "\n[Domy] " << engine::house_system_name(house_system - 1) << "\n";
    print_grid(out, v.Tab12);
    print_grid(out, v.Tab11);
    out << "\n[Tattvy]\n";
    if (v.tattva_message_visible) out << "  Tattvy nelze spočítat!\n";
    print_grid(out, v.Tab1);
}

int run(data::AppState& state, const SkyOptions& o) {
    const ChosenMoment m = choose(o.moment, state);
    const int system = o.system.value_or(state.tattvy.house_system_index + 1);
    std::string why;
    const auto place = choose(o.place, state, why);
    if (!place) return refuse(why);

    state.current_place = *place;
    state.start.zone_index = m.zone_index;
    state.start.auto_summer = m.summer == models::SummerMode::Auto;
    state.start.summer_flag = m.summer == models::SummerMode::Yes;
    state.astro.current_house_system = system;
    state.clock_running = !m.frozen;
    state.current_moment = m.moment;
    models::SkyCalendar sky;
    const models::SkyView& v = sky.tick(state, m.moment);

    if (!o.out.json) {
        print_view(std::cout, v, system);
        return 0;
    }
    Json j = {{"Label1", v.Label1}, {"Label25", v.Label25}, {"Label3", v.Label3}, {"Label247", v.Label247}};
    for (const auto& [name, grid] : v.grids()) j[name] = grid_json(*grid);
    j["world_clocks"] = v.world_clocks;
    j["phase_caption"] = v.phase_caption;
    j["tattva_message"] = v.tattva_message_visible;
    print_json(j, o.out);
    return 0;
}

}  // namespace

void add_sky_command(Commands& c) {
    auto o = std::make_shared<SkyOptions>();
    CLI::App* cmd = c.add(c.app(), "sky",
                          "Jeden tik hlavního okna (bez --at běžící hodiny): všechny texty sedmi záložek, "
                          "řádek data, místo, pásmo, světové hodiny");
    add_moment_options(cmd, o->moment, Years::Calendar);
    add_place_options(cmd, o->place);
    add_house_system_option(cmd, o->system);
    add_output_options(cmd, o->out);
    c.on_run(cmd, [o](data::AppState& state) { return run(state, *o); });
}

}  // namespace sidora::cli
