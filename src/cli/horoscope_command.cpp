// sidora-cli horoscope: the natal horoscope of a stored person or of a moment and place, as
// the horoscope window computes and shows it.
#include <algorithm>
#include <iostream>
#include <memory>

#include "cli/birth_options.h"
#include "cli/cli.h"
#include "cli/options.h"
#include "data/persons_store.h"
#include "engine/engine_state.h"
#include "horoscope/evaluation.h"
#include "horoscope/natal.h"
#include "horoscope/points.h"
#include "io/cp1250.h"
#include "models/natal_window.h"
#include "models/person_chooser.h"

namespace sidora::cli {
namespace {

struct HoroscopeOptions {
    BirthOptions birth;
    OutputOptions out;
};

Json cells_json(const horoscope::AspectTable& t, const data::AspectDefs& defs) {
    Json out = Json::array();
    for (int a = 1; a <= horoscope::kChartBodies; ++a) {
        for (int b = 1; b <= horoscope::kChartBodies; ++b) {
            const auto& c = t[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
            if (c.kod == 0) continue;
            out.push_back({{"a", a}, {"b", b}, {"code", c.kod}, {"abbrev", defs[c.kod].zkratka}, {"deviation", c.odchylka}});
        }
    }
    return out;
}

template <std::size_t N>
Json counts(const std::array<std::uint8_t, N>& a) {
    Json out = Json::array();
    for (auto v : a) out.push_back(v);
    return out;
}

Json evaluation_json(const horoscope::NatalChart& ch) {
    const horoscope::Evaluation& e = ch.evaluation;
    Json dignities = Json::array();
    for (int b = 1; b <= 10; ++b) {
        const horoscope::TDignity& d = e.dignities[static_cast<std::size_t>(b)];
        dignities.push_back({{"body", b},
                             {"dom", d.dom != 0},
                             {"povyseni", d.povyseni != 0},
                             {"exil", d.exil != 0},
                             {"pad", d.pad != 0},
                             {"recepce", d.recepce != 0},
                             {"recepce_s", d.recepce_s},
                             {"zivel", d.zivel != 0},
                             {"dekan", d.dekan != 0},
                             {"tvar", d.tvar != 0},
                             {"hranice", d.hranice != 0},
                             {"peregrin", d.peregrin != 0},
                             {"marks", horoscope::dignity_marks(d)},
                             {"points", e.planet_points[static_cast<std::size_t>(b)]}});
    }
    return {{"kvalita_znameni", counts(e.kvalita_znameni)},
            {"kvalita_domy", counts(e.kvalita_domy)},
            {"zivel_znameni", counts(e.zivel_znameni)},
            {"zivel_domy", counts(e.zivel_domy)},
            {"polarita_znameni", counts(e.polarita_znameni)},
            {"polarita_domy", counts(e.polarita_domy)},
            {"vychod_zapad", counts(e.vychod_zapad)},
            {"chart_ruler", {{"name", e.chart_ruler_name}, {"body", e.chart_ruler_body}}},
            {"dignities", dignities},
            {"total_points", e.total_points},
            {"dominant_traits", e.dominant_traits}};
}

Json houses_json(const horoscope::NatalChart& ch) {
    const horoscope::HouseRow& h = ch.houses();
    Json cusps = Json::array();
    for (std::size_t i = 0; i < 12; ++i) cusps.push_back(h[i]);
    Json systems = Json::array();
    for (int s = 0; s < 16; ++s) {
        const auto& row = ch.chart_houses[static_cast<std::size_t>(s)];
        Json c = Json::array();
        for (std::size_t i = 0; i < 12; ++i) c.push_back(row[i]);
        systems.push_back({{"index", s + 1},
                           {"name", engine::house_system_name(s)},
                           {"cusps", c},
                           {"asc", row[12]},
                           {"mc", row[13]},
                           {"dsc", row[14]},
                           {"ic", row[15]}});
    }
    return {{"cusps", cusps}, {"asc", h[12]}, {"mc", h[13]}, {"dsc", h[14]}, {"ic", h[15]}, {"systems", systems}};
}

Json grid_json(const models::Grid& g) {
    Json rows = Json::array();
    for (int r = 0; r < g.rows(); ++r) {
        Json row = Json::array();
        for (int c = 0; c < g.cols(); ++c) row.push_back(cell_text(g.at(c, r)));
        rows.push_back(std::move(row));
    }
    return rows;
}

Json chart_json(const horoscope::NatalChart& ch, const models::NatalView& v, const data::AspectDefs& defs) {
    Json bodies = Json::array();
    for (int b = 1; b <= horoscope::kChartBodies; ++b) {
        const auto& r = ch.chart_table[static_cast<std::size_t>(b)];
        bodies.push_back({{"number", b},
                          {"name", models::chart_body_name(b)},
                          {"longitude", r.longitude},
                          {"latitude", r.latitude},
                          {"declination", r.declination},
                          {"speed", r.speed},
                          {"retrograde", r.retrograde != 0},
                          {"house", r.dum},
                          {"sign", r.znameni},
                          {"dispositor", ch.dispositors[static_cast<std::size_t>(b)]}});
    }
    Json rulers = Json::array();
    for (int n = 1; n <= 16; ++n) {
        const auto& r = ch.house_rulers[static_cast<std::size_t>(n)];
        rulers.push_back({{"name", r.jmeno},
                          {"ruler", r.vladce},
                          {"ruler2", r.vladce2},
                          {"ruler_house", r.dum_vladce},
                          {"ruler2_house", r.dum_vladce2}});
    }
    Json point_aspects = Json::array();
    for (int a = 1; a <= horoscope::kChartBodies; ++a) {
        for (int p = 1; p <= horoscope::kSensitivePoints; ++p) {
            const auto& c = ch.point_aspect_table[static_cast<std::size_t>(a)][static_cast<std::size_t>(p)];
            if (c.kod == 0) continue;
            point_aspects.push_back(
                {{"body", a}, {"point", p}, {"code", c.kod}, {"abbrev", defs[c.kod].zkratka}, {"deviation", c.odchylka}});
        }
    }
    Json stars = Json::array();
    for (int a = 1; a <= horoscope::kChartBodies; ++a) {
        for (int s = 1; s <= horoscope::kFixedStars; ++s) {
            const double d = ch.star_conjunction_table[static_cast<std::size_t>(a)][static_cast<std::size_t>(s)];
            if (d >= 0) stars.push_back({{"body", a}, {"star", s}, {"distance", d}});
        }
    }
    Json points = Json::array();
    for (int n = 1; n <= horoscope::kSensitivePoints; ++n) {
        const auto& p = ch.sensitive_points[static_cast<std::size_t>(n)];
        points.push_back({{"number", n},
                          {"name", horoscope::sensitive_point_names[static_cast<std::size_t>(n)]},
                          {"longitude", p.lon},
                          {"house", p.dum}});
    }
    Json fixed = Json::array();
    for (int n = 1; n <= horoscope::kFixedStars; ++n) {
        const auto& s = ch.fixed_stars[static_cast<std::size_t>(n)];
        fixed.push_back({{"number", n}, {"name", s.name}, {"longitude", s.lon}});
    }
    Json tabs = Json::object();
    for (const auto& [name, grid] : v.grids()) tabs[name] = grid_json(*grid);
    return {{"name", ch.person.name},
            {"date_line", ch.date_line},
            {"place_line", ch.place_line},
            {"house_system", ch.person.house_system},
            {"house_system_name", ch.house_system_name},
            {"weekday", ch.weekday},
            {"jd", ch.jd},
            {"zone_offset", ch.zone_offset},
            {"sidereal_degrees", ch.sidereal_degrees},
            {"obliquity", ch.obliquity},
            {"is_day", ch.is_day},
            {"asteroid_quality", ch.asteroid_quality},
            {"warnings", ch.warnings},
            {"bodies", bodies},
            {"houses", houses_json(ch)},
            {"house_rulers", rulers},
            {"aspects", cells_json(ch.aspect_table, defs)},
            {"latitude_parallels", cells_json(ch.lat_parallel_table, defs)},
            {"declination_parallels", cells_json(ch.decl_parallel_table, defs)},
            {"point_aspects", point_aspects},
            {"star_conjunctions", stars},
            {"sensitive_points", points},
            {"fixed_stars", fixed},
            {"evaluation", evaluation_json(ch)},
            {"tabs", tabs}};
}

void print_view(std::ostream& out, const models::NatalView& v) {
    out << printable(v.name) << "\n" << v.date_line << "\n" << printable(v.place_line) << "\n"
        << v.house_system << ", " << v.weekday << "\n";
    out << "\n[Sumář]\n";
    print_grid(out, v.summary);
    for (const models::Grid* g : {&v.kvalita, &v.zivel, &v.polarita, &v.vychod_zapad}) {
        out << "\n";
        print_grid(out, *g);
    }
    out << "\n  Dominantní rysy: " << v.dominant_traits << "\n";
    out << "\n[Planety]\n";
    print_grid(out, v.planets);
    out << "\n[Domy]\n";
    print_grid(out, v.houses);
    out << "\n";
    print_grid(out, v.angles);
    out << "\n[Aspekty]\n";
    print_grid(out, v.aspects);
    out << "\n[Planetky]\n";
    print_grid(out, v.asteroids);
    out << "\n[Body]\n";
    print_grid(out, v.points);
}

int run(data::AppState& state, const HoroscopeOptions& o) {
    data::TOsoba person;
    if (const auto refusal = choose_birth(state, o.birth, person)) return refuse(*refusal);
    const horoscope::NatalChart chart = horoscope::compute_natal(state, person);
    const models::NatalView v =
        models::natal_view(chart, state.aspect_defs, state.orbs, state.astro.zodiacal_notation != 0, {});
    for (const auto& w : chart.warnings) std::cerr << w << "\n";
    if (o.out.json) {
        print_json(chart_json(chart, v, state.aspect_defs), o.out);
    } else {
        print_view(std::cout, v);
    }
    return 0;
}

}  // namespace

void add_horoscope_command(Commands& c) {
    auto o = std::make_shared<HoroscopeOptions>();
    CLI::App* cmd = c.add(c.app(), "horoscope",
                          "Nativní horoskop uložené osoby nebo okamžiku a místa, jak ho ukazuje okno Horoskop: "
                          "polohy, domy, aspekty, citlivé body, stálice, hodnocení a všechny tabulky");
    add_birth_options(cmd, o->birth);
    add_output_options(cmd, o->out);
    c.on_run(cmd, guarded([o](data::AppState& state) { return run(state, *o); }));
}

}  // namespace sidora::cli
