#include "horoscope/natal.h"

#include <stdexcept>

#include "data/persons_store.h"
#include "engine/angles.h"
#include "engine/body_table.h"
#include "engine/time.h"
#include "engine/zones.h"
#include "horoscope/aspects.h"
#include "horoscope/evaluation.h"
#include "horoscope/points.h"

namespace sidora::horoscope {
namespace {

using std::size_t;

size_t at(int i) { return static_cast<size_t>(i); }

// Puts back what the computation borrows from the program, however it ends.
class Borrowed {
public:
    explicit Borrowed(data::AppState& state)
        : state_(state), busy_(state.engine_busy), zone_offset_(state.zone_offset),
          house_system_(state.astro.current_house_system) {
        state.engine_busy = true;
    }
    Borrowed(const Borrowed&) = delete;
    Borrowed& operator=(const Borrowed&) = delete;
    ~Borrowed() {
        restore_zone_and_system();
        state_.engine_busy = busy_;
    }
    void restore_zone_and_system() {
        state_.zone_offset = zone_offset_;
        state_.astro.current_house_system = house_system_;
    }

private:
    data::AppState& state_;
    bool busy_;
    int zone_offset_;
    std::int32_t house_system_;
};

struct Ruler {
    const char* name;
    std::uint8_t first, second;
};

// By sign 1..12; the second body is the modern ruler.
constexpr std::array<Ruler, 13> kRulers{{{"", 0, 0},
                                         {"Mars", kMars, 0},
                                         {"Venuše", kVenuse, 0},
                                         {"Merkur", kMerkur, 0},
                                         {"Měsíc", kMesic, 0},
                                         {"Slunce", kSlunce, 0},
                                         {"Merkur", kMerkur, 0},
                                         {"Venuše", kVenuse, 0},
                                         {"Mars (Pluto)", kMars, kPluto},
                                         {"Jupiter", kJupiter, 0},
                                         {"Saturn", kSaturn, 0},
                                         {"Saturn (Uran)", kSaturn, kUran},
                                         {"Jupiter (Neptun)", kJupiter, kNeptun}}};

}  // namespace

std::string natal_date_line(const data::TOsoba& p) {
    const int zone = engine::zone_offset_hours(p.zone);
    std::string line = std::to_string(p.day) + "." + engine::month_name(p.month) + " " + std::to_string(p.year) +
                       ", " + std::to_string(p.hour) + ":" + std::to_string(p.minute) + " hod. UTC" +
                       (zone >= 0 ? "+" : "") + std::to_string(zone);
    if (p.summer != 0) line += ", LČ";
    return line;
}

std::string natal_place_line(const data::TOsoba& p) {
    return p.place + " (" + std::to_string(p.lat_deg) + "°" + std::to_string(p.lat_min) + "` " +
           (p.north != 0 ? "S" : "J") + ", " + std::to_string(p.lon_deg) + "°" + std::to_string(p.lon_min) + "` " +
           (p.east != 0 ? "V" : "Z") + ")";
}

HouseRulers house_rulers(const ChartTable& chart, const HouseRow& houses, int house_system) {
    HouseRulers rulers{};
    // The quadrant systems give no cusps at all beyond the polar circles; Koch is one of them.
    const bool no_cusps = house_system >= 1 && house_system <= 4 && houses[0] == kNone;
    for (size_t i = 0; i < 16; ++i) {
        if (houses[i] == kNone || (no_cusps && i < 12)) continue;
        const Ruler& r = kRulers[at(sign_of(houses[i]))];
        THouseRuler& h = rulers[i + 1];
        h.jmeno = r.name;
        h.vladce = r.first;
        h.vladce2 = r.second;
        h.dum_vladce = chart[r.first].dum;
        h.dum_vladce2 = r.second != 0 ? chart[r.second].dum : 0;
    }
    return rulers;
}

std::array<std::uint8_t, 26> dispositors(const ChartTable& chart) {
    std::array<std::uint8_t, 26> d{};
    for (size_t b = 1; b <= 25; ++b) d[b] = static_cast<std::uint8_t>(traditional_ruler(chart[b].znameni));
    return d;
}

bool is_day(const ChartTable& chart) {
    const double a = chart[kAsc].longitude, b = chart[kDsc].longitude, s = chart[kSlunce].longitude;
    return a >= b ? (b < s && s < a) : (s < a || s > b);
}

NatalChart compute_natal(data::AppState& state, const data::TOsoba& person) {
    if (const auto problem = data::person_problem(person)) throw std::invalid_argument(*problem);
    engine::Engine& e = state.engine;
    Borrowed borrowed(state);

    NatalChart c;
    c.person = person;
    c.date_line = natal_date_line(person);
    c.place_line = natal_place_line(person);
    c.house_system_name = engine::house_system_name(person.house_system - 1);
    c.weekday = engine::weekday_name(engine::day_of_week(person.day, person.month, person.year));

    const int zone = engine::zone_offset_hours(person.zone) + (person.summer != 0 ? 1 : 0);
    state.zone_offset = zone;
    c.zone_offset = zone;
    const auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
    const engine::Moment m{u16(person.day), u16(person.month), u16(person.year), u16(person.hour),
                           u16(person.minute), 0};
    c.jd = engine::julian_day(m.day, m.month, m.year, m.hour, m.minute, 0, zone, 0);

    // Bodies 0..8 come corrected once; the planets leave the Sun of their last pass, so the
    // Sun of the moment is computed again (and corrected once) before the solar houses use it.
    e.compute_natal_bodies(m, zone, 0);
    e.compute_sun(m.year, m.month, m.day, m.hour, m.minute, 0, zone, 0);
    e.apparent_correction(engine::kSun);
    for (int n = 1; n <= 5; ++n) {
        try {
            e.asteroid_positions(n, m.year, m.month, m.day, m.hour, m.minute, 0, zone, 0);
            c.asteroid_present[at(n)] = true;
        } catch (const std::exception& err) {
            c.warnings.emplace_back(err.what());
        }
    }
    c.asteroid_quality = e.asteroid_quality;

    const auto lst = [&] {
        e.local_sidereal_time(m.day, m.month, m.year, m.hour, m.minute, 0, person.lon_deg, person.lon_min,
                              person.east != 0, zone, 0);
    };
    lst();
    state.astro.current_house_system = person.house_system;
    e.compute_houses(m.day, m.month, m.year, person.lat_deg, person.lat_min, person.north != 0, person.lon_deg,
                     person.lon_min, person.east != 0, zone, 0);
    c.chart_houses = e.house_table;
    lst();  // the houses left the MC in its place
    c.sidereal_degrees = e.sidereal_degrees;
    c.obliquity = compute_vertex(e, person.lat_deg, person.lat_min, person.north != 0, person.day, person.month,
                                 person.year, zone);
    // After the correction, so a body's house is that of the longitude shown.
    e.house_of_bodies(person.house_system);
    borrowed.restore_zone_and_system();

    // Chart rows by the engine's body numbers; 13..16 are the angles of the chosen system.
    static constexpr std::array<int, 26> kSource{0,  engine::kSun, engine::kMoon, 1, 2, 3, 4, 5, 6, 7, 8,
                                                 engine::kNorthNode, engine::kSouthNode, -2, -2, -2, -2,
                                                 engine::kBlackMoon, engine::kVertex, engine::kAntivertex,
                                                 16, 17, 18, 19, 20, engine::kSpareRow};
    const HouseRow& houses = c.houses();
    for (int b = 1; b <= 25; ++b) {
        TChartRow& row = c.chart_table[at(b)];
        if (b >= kAsc && b <= kIc) {
            static constexpr std::array<size_t, 4> kAngle{12, 14, 13, 15};  // ASC, DSC, MC, IC
            row = TChartRow{};
            row.longitude = houses[kAngle[at(b - kAsc)]];
        } else if (b >= kCeres && b <= kChiron && !c.asteroid_present[at(b - kCeres + 1)]) {
            // No elements: nothing to show, and no stale position of an earlier moment.
            row = TChartRow{};
            continue;
        } else {
            row = e.body_table[kSource[at(b)]];
        }
        row.longitude = normalize(row.longitude);
        row.znameni = static_cast<std::uint8_t>(sign_of(row.longitude));
    }

    c.is_day = is_day(c.chart_table);
    c.date_line += c.is_day ? " (den)" : " (noc)";

    c.house_rulers = house_rulers(c.chart_table, houses, person.house_system);
    const Present present = present_bodies(state.orbs, c.asteroid_present);
    c.aspect_table = find_aspects(c.chart_table, state.orbs, state.aspect_defs, present);
    find_parallels(c.chart_table, state.orbs, present, c.lat_parallel_table, c.decl_parallel_table);
    c.sensitive_points = compute_sensitive_points(c.chart_table, c.house_rulers, houses);
    c.point_aspect_table =
        find_point_aspects(c.chart_table, c.sensitive_points, state.orbs, state.aspect_defs, present);
    c.fixed_stars = precess_stars(person.day, person.month, person.year);
    c.star_conjunction_table = find_star_conjunctions(c.chart_table, c.fixed_stars, state.orbs, present);

    c.dispositors = dispositors(c.chart_table);
    c.date_line += ", JD=" + engine::fixed_point_text(c.jd, 4);
    c.evaluation = evaluate_natal(c.chart_table, c.aspect_table, c.star_conjunction_table);
    return c;
}

}  // namespace sidora::horoscope
