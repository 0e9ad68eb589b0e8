#include "models/sky_calendar.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "models/sky_parts.h"
#include "models/symbols.h"

namespace sidora::models {
namespace {

void labels(Grid& g, std::initializer_list<std::tuple<int, int, const char*>> cells) {
    for (const auto& [col, row, text] : cells) g.text(col, row, text);
}

void alternate_rows(Grid& g, int first_row) {
    for (int r = first_row; r < g.rows(); ++r) {
        const Rgb& c = r % 2 ? colors::kWhite : colors::kLightYellow;
        for (int col = 0; col < g.cols(); ++col) g.at(col, r).background = c;
    }
}

constexpr const char* kPlanetNames[8] = {"Merkur", "Venuše", "Mars", "Jupiter", "Saturn", "Uran", "Neptun", "Pluto"};

}  // namespace

SkyView::SkyView() {
    labels(Tab3, {{0, 0, "Juliánský den:"}, {0, 1, "Pravý sluneční čas:"}, {0, 2, "Místní hvězdný čas:"},
                  {0, 3, "Roční období:"}, {3, 0, "Do konce roku zbývá:"}});
    labels(Tab4, {{0, 0, "Jaro:"}, {0, 1, "Léto:"}, {3, 0, "Podzim:"}, {3, 1, "Zima:"}});
    labels(Tab5, {{0, 0, "Východ:"}, {0, 1, "Kulminace:"}, {0, 2, "Západ:"}, {0, 3, "Délka dne:"},
                  {3, 0, "Azimut východu:"}, {3, 1, "Výška v kulminaci:"}, {3, 2, "Azimut západu:"},
                  {0, 5, "Azimut:"}, {3, 5, "Výška nad obzorem:"}, {0, 7, "Vzdálenost:"},
                  {3, 7, "Perihelium:"}, {3, 8, "Afelium:"}});
    labels(Tab6, {{1, 0, "Občanské(ý)"}, {2, 0, "Nautické(ý)"}, {3, 0, "Astronomické(ý)"}, {0, 1, "Svítání:"},
                  {0, 2, "Soumrak:"}});
    labels(tab7, {{0, 0, "Východ:"}, {0, 1, "Západ:"}, {0, 3, "Výška nad obzorem:"}, {3, 0, "Fáze:"},
                  {3, 1, "Stáří:"}, {3, 3, "Azimut:"}});
    labels(Tab8, {{0, 0, "Vzdálenost:"}, {0, 1, "Perigeum:"}, {0, 2, "Apogeum:"}});
    labels(Tab2, {{1, 0, "Geo."}, {1, 1, "vzdálenost"}, {1, 2, "[AU]"}, {2, 0, "Helio."}, {2, 1, "vzdálenost"},
                  {2, 2, "[AU]"}, {3, 0, "Východ"}, {3, 1, "[hod]"}, {4, 0, "Západ"}, {4, 1, "[hod]"},
                  {5, 0, "Výška"}, {5, 1, "nad"}, {5, 2, "obzorem"}, {6, 0, "Azimut"}, {7, 0, "Helio."},
                  {7, 1, "délka"}});
    for (int p = 0; p < 8; ++p) Tab2.text(0, p + 3, kPlanetNames[p]);
    alternate_rows(Tab2, 3);

    labels(Tab10, {{2, 0, "Délka"}, {4, 0, "Směr"}, {5, 0, "Šířka"}, {6, 0, "Deklinace"}, {7, 0, "Rychlost"},
                   {8, 0, "Dům"}});
    static constexpr const char* kRows[12] = {"Slunce", "Měsíc",  "Merkur", "Venuše", "Mars",    "Jupiter",
                                              "Saturn", "Uran",   "Neptun", "Pluto",  "V. uzel", "S. uzel"};
    static constexpr char kLetters[12] = {'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z', '<', '>'};
    alternate_rows(Tab10, 1);
    for (int r = 1; r <= 12; ++r) {
        Tab10.text(1, r, kRows[r - 1]);
        Cell& glyph = Tab10.at(0, r);
        glyph.text = std::string(1, kLetters[r - 1]);
        glyph.symbol = true;
    }
    for (int n = 1; n <= 12; ++n) Tab11.text(0, n - 1, std::to_string(n) + ". dům");
    labels(Tab12, {{0, 0, "Asc:"}, {0, 1, "Dsc:"}, {3, 0, "MC:"}, {3, 1, "IC:"}});
}

std::vector<std::pair<std::string, const Grid*>> SkyView::grids() const {
    return {{"Tab3", &Tab3}, {"Tab4", &Tab4},   {"Tab5", &Tab5},   {"Tab6", &Tab6},
            {"tab7", &tab7}, {"Tab8", &Tab8},   {"Tab9", &Tab9},   {"Tab2", &Tab2},
            {"Tab10", &Tab10}, {"Tab11", &Tab11}, {"Tab12", &Tab12}, {"Tab1", &Tab1}};
}

bool SkyCalendar::tabulate_tattvas(data::AppState& s) {
    const data::TMisto& p = s.current_place;
    return s.engine.tattva_table(s.current_moment, p.lat_deg, p.lat_min, p.north != 0, p.lon_deg, p.lon_min,
                                 p.east != 0, s.zone_offset, s.zone_minutes, s.tattvy.tattva_system);
}

bool SkyCalendar::refresh_key_changed(const std::string& key) {
    if (key == refresh_key_) return false;
    refresh_key_ = key;
    return true;
}

void SkyCalendar::day_refresh(data::AppState& s) {
    const engine::Moment& m = s.current_moment;
    const DayReport d = models::day_refresh(s.engine, m.day, m.month, m.year, s.current_place, s.zone_offset,
                                            s.zone_minutes);
    // On this tick zone 0 is written without its sign.
    sign_ = s.zone_offset > 0 ? "+" : "";
    sky::fill_day_cells(v_, d, m, sign_ + std::to_string(s.zone_offset), s.astro.angle_seconds != 0);
    v_.day_refreshed = true;
}

const SkyView& SkyCalendar::tick(data::AppState& s, const engine::Moment& now) {
    v_.day_refreshed = false;
    // The horoscope windows hold the shared tables: wait for the next tick.
    v_.computed = !s.engine_busy;
    if (s.engine_busy) return v_;
    engine::Engine& e = s.engine;

    data::TMisto& p = s.current_place;
    if (p.lon_deg == 0 && p.lon_min == 0) p.lon_min = 1;
    if (p.lat_deg == 0 && p.lat_min == 0) p.lat_min = 1;
    v_.set_now_enabled = !s.clock_running;

    if (s.clock_running) s.current_moment = now;
    engine::Moment& m = s.current_moment;
    s.zone_offset = e.zone_offset_of(s.start.zone_index, s.start.auto_summer != 0, s.start.summer_flag != 0,
                                     m.year, m.month, m.day, m.hour)
                        .hours;
    const int zo = s.zone_offset, zm = s.zone_minutes;

    // The warning stays on the clamped moment, until the user or the clock changes it.
    const bool out_of_range = m.year < kLowestYear || m.year > kHighestYear;
    if (out_of_range || (clamped_ && *clamped_ == m)) {
        m.year = static_cast<std::uint16_t>(m.year < kLowestYear ? kLowestYear : kHighestYear);
        m.hour = m.minute = m.second = 0;
        // 29 February of a leap year outside the range has no day in 1800 or 2100.
        const int last = engine::days_in_month(m.month, m.year);
        if (m.day > last) m.day = static_cast<std::uint16_t>(last);
        v_.label1_visible = false;
        v_.label247_visible = true;
        v_.Label247 = "Datum nastaveno mimo povolené rozmezí!!!";
        clamped_ = m;
    } else {
        clamped_.reset();
        v_.label1_visible = true;
        v_.label247_visible = false;
        v_.Label247.clear();
    }
    sign_ = zo >= 0 ? "+" : "";

    // A new date, place or zone: the values of the day. The key takes the date in one form
    // whether the clock runs or not, so freezing the clock alone keeps the day values.
    const std::string key = sky::date_line(m, false) + p.name + "|" + std::to_string(p.lat_deg) + ":" +
                            std::to_string(p.lat_min) + std::to_string(p.north) + ":" + std::to_string(p.lon_deg) +
                            ":" + std::to_string(p.lon_min) + std::to_string(p.east) + "|" + std::to_string(zo);
    if (refresh_key_changed(key)) day_refresh(s);

    sky::fill_time_tab(v_, e, m, zo, zm, p);
    e.compute_main_window_bodies(m, zo, zm);
    e.horizon_positions(m.day, m.month, m.year, p.lat_deg, p.lat_min, p.north != 0, zo, zm);
    v_.world_clocks = sky::world_clocks(m.hour, m.minute, m.second, zo);
    e.compute_houses(m.day, m.month, m.year, p.lat_deg, p.lat_min, p.north != 0, p.lon_deg, p.lon_min,
                     p.east != 0, zo, zm);
    e.house_of_bodies(s.astro.current_house_system);

    v_.Label25 = p.name;
    v_.Label1 = sky::date_line(m, s.clock_running);
    v_.Label3 = " UTC" + sign_ + std::to_string(zo);
    v_.hour = m.hour;
    v_.minute = m.minute;
    v_.second = m.second;

    const bool tattvas = tabulate_tattvas(s);
    if (tattvas) e.current_tattva(m);

    e.compute_sun(m.year, m.month, m.day, m.hour, m.minute, m.second, zo, zm);
    e.apparent_correction(engine::kSun);
    v_.Tab3.text(1, 3, sky::season_name(e.body_table[engine::kSun].longitude, p.north != 0));
    for (int b = engine::kMoon; b <= engine::kSouthNode; ++b) {
        e.body_table[b].znameni = static_cast<std::uint8_t>(static_cast<int>(e.body_table[b].longitude / 30) + 1);
    }

    sky::fill_planet_tabs(v_, e, s.astro, s.astro.current_house_system);
    sky::fill_sun_moon_tabs(v_, e, s.astro.angle_seconds != 0);
    sky::fill_tattva_tab(v_, e, s.tattvy.first_tattva, tattvas);
    keep_bodies(s);
    return v_;
}

void SkyCalendar::keep_bodies(const data::AppState& s) {
    const engine::Engine& e = s.engine;
    SkyView::Bodies& b = v_.bodies;
    b.known = true;
    b.moment = s.current_moment;
    b.zone_offset = s.zone_offset;
    b.place_name = s.current_place.name;
    b.horizon = e.horizon_table;
    b.body_table = e.body_table;
    b.sun_longitude = e.body_table[engine::kSun].longitude;
    b.sun_distance = e.body_table[engine::kSun].distance;
    b.helio_longitude[0] = engine::normalize_deg(b.sun_longitude + 180);
    b.helio_distance[0] = b.sun_distance;
    for (std::size_t p = 1; p < b.helio_longitude.size(); ++p) {
        b.helio_longitude[p] = engine::normalize_deg(e.helio_table[p].longitude * 180.0 / engine::kPi);
        b.helio_distance[p] = e.helio_table[p].r;
    }
}

void SkyCalendar::retabulate_tattvas(data::AppState& s) {
    const engine::Moment& m = s.current_moment;
    if (m.year == 0 || !v_.computed || s.engine_busy) return;
    sky::fill_tattva_tab(v_, s.engine, s.tattvy.first_tattva, tabulate_tattvas(s));
}

}  // namespace sidora::models
