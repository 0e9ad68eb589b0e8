// sidora-cli sky: one tick of the sky calendar, every text the main window shows.
#include <algorithm>
#include <iostream>

#include "cli/cli.h"
#include "cli/json.h"
#include "cli/moment_options.h"
#include "engine/engine_state.h"
#include "io/cp1250.h"
#include "models/sky_calendar.h"
#include "models/symbols.h"

namespace sidora::cli {
namespace {

std::string cell_text(const models::Cell& c) { return c.symbol ? models::symbol_text(c.text) : c.text; }

std::string grid_json(const models::Grid& g) {
    std::string out = "[";
    for (int r = 0; r < g.rows(); ++r) {
        out += r ? ", [" : "[";
        for (int c = 0; c < g.cols(); ++c) out += (c ? ", " : "") + json_string(g.at(c, r).text);
        out += "]";
    }
    return out + "]";
}

std::string strings_json(const std::array<std::string, 10>& v) {
    std::string out = "[";
    for (std::size_t i = 0; i < v.size(); ++i) out += (i ? ", " : "") + json_string(v[i]);
    return out + "]";
}

void print_grid(std::ostream& out, const models::Grid& g) {
    std::vector<std::size_t> width(static_cast<std::size_t>(g.cols()), 0);
    for (int r = 0; r < g.rows(); ++r) {
        for (int c = 0; c < g.cols(); ++c) {
            auto& w = width[static_cast<std::size_t>(c)];
            w = std::max(w, io::utf8_length(cell_text(g.at(c, r))));
        }
    }
    for (int r = 0; r < g.rows(); ++r) {
        std::string line;
        for (int c = 0; c < g.cols(); ++c) {
            const std::string t = cell_text(g.at(c, r));
            const std::size_t w = width[static_cast<std::size_t>(c)];
            if (w == 0) continue;
            line += t + std::string(w - io::utf8_length(t) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        if (!line.empty()) out << "  " << line << "\n";
    }
}

void print_view(std::ostream& out, const models::SkyView& v, int house_system) {
    out << (v.label247_visible ? v.Label247 : v.Label1) << "\n";
    out << "Místo: " << v.Label25 << "\nPásmový čas: " << v.hour << ":" << (v.minute < 10 ? "0" : "") << v.minute
        << ":" << (v.second < 10 ? "0" : "") << v.second << v.Label3 << "\n";
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

}  // namespace

int run_sky_command(data::AppState& state, Args& args) {
    MomentOptions o(state, true);
    int system = state.tattvy.house_system_index + 1;
    while (!args.empty()) {
        const std::string opt = args.next();
        if (opt == "--system") system = args.int_value_of(opt, 1, 16, "systém domů");
        else if (!o.take(opt, args)) throw UsageError("neznámá volba „" + opt + "“");
    }
    o.finish();
    std::string why;
    const auto place = o.place_of(state, why);
    if (!place) return refuse(why);

    state.current_place = *place;
    state.start.zone_index = o.zone_index;
    state.start.auto_summer = o.summer == models::SummerMode::Auto;
    state.start.summer_flag = o.summer == models::SummerMode::Yes;
    state.astro.current_house_system = system;
    state.clock_running = !o.at_given;
    state.current_moment = o.moment;
    models::SkyCalendar sky;
    const models::SkyView& v = sky.tick(state, o.moment);

    if (!o.json) {
        print_view(std::cout, v, system);
        return 0;
    }
    JsonObject j;
    j.str("Label1", v.Label1).str("Label25", v.Label25).str("Label3", v.Label3).str("Label247", v.Label247);
    for (const auto& [name, grid] : v.grids()) j.raw(name, grid_json(*grid));
    j.raw("world_clocks", strings_json(v.world_clocks)).str("phase_caption", v.phase_caption);
    j.boolean("tattva_message", v.tattva_message_visible);
    std::cout << j.text() << "\n";
    return 0;
}

}  // namespace sidora::cli
