// The planets, astrology and houses tabs, every tick.
#include "engine/angles.h"
#include "engine/frames.h"
#include "models/sky_parts.h"
#include "models/symbols.h"

namespace sidora::models::sky {
namespace {

// Grid rows 1..12 of the astrology tab: Sun, Moon, Mercury .. Pluto, the two nodes.
constexpr int kAstrologyBodies[12] = {engine::kSun,     engine::kMoon,    engine::kMercury, engine::kVenus,
                                      engine::kMars,    engine::kJupiter, engine::kSaturn,  engine::kUranus,
                                      engine::kNeptune, engine::kPluto,   engine::kNorthNode, engine::kSouthNode};

const Rgb& row_colour(int row) { return row % 2 ? colors::kWhite : colors::kLightYellow; }

void sign_cell(Cell& c, double longitude) {
    int sign = static_cast<int>(longitude / 30) + 1;
    if (sign < 1 || sign > 12) sign = 1;
    c.text = std::string(1, sign_letter(sign));
    c.symbol = true;
}

void fill_astrology(SkyView& v, const engine::Engine& e, bool zodiacal, bool seconds) {
    for (int r = 1; r <= 12; ++r) {
        const int b = kAstrologyBodies[r - 1];
        const engine::TBodyRow& row = e.body_table[b];
        Cell& lon = v.Tab10.at(2, r);
        lon.text = engine::format_angle(false, zodiacal, seconds, row.longitude);
        lon.hint = engine::format_angle(false, !zodiacal, seconds, row.longitude);
        sign_cell(v.Tab10.at(3, r), row.longitude);
        Cell& dir = v.Tab10.at(4, r);
        dir.text = row.retrograde ? std::string(1, kRetrogradeLetter) : "";
        dir.symbol = true;
        dir.background = row.retrograde ? colors::kRed : row_colour(r);
        v.Tab10.text(5, r, engine::format_angle(true, false, seconds, row.latitude));
        v.Tab10.text(6, r, engine::format_angle(true, false, seconds, row.declination));
        v.Tab10.text(7, r, b >= engine::kNorthNode ? "------------" : engine::format_number(2, row.speed));
        v.Tab10.text(8, r, row.dum == 0 ? "------" : std::to_string(row.dum));
    }
}

void fill_planets(SkyView& v, const engine::Engine& e, bool seconds) {
    constexpr double kDeg = 180.0 / engine::kPi;
    for (int p = 1; p <= 8; ++p) {
        const int r = p + 2;
        const auto& helio = e.helio_table[static_cast<std::size_t>(p)];
        const auto& sky = e.horizon_table[static_cast<std::size_t>(p + 1)];
        const auto& day = e.planet_rise_set[static_cast<std::size_t>(p)];
        v.Tab2.text(1, r, helio.geo_distance_text);
        v.Tab2.text(2, r, helio.helio_distance_text);
        v.Tab2.text(3, r, day.rise);
        v.Tab2.text(4, r, day.set);
        v.Tab2.text(5, r, engine::format_angle(true, false, seconds, sky.altitude));
        v.Tab2.text(6, r, engine::format_angle(false, false, seconds, sky.azimuth));
        v.Tab2.text(7, r, engine::format_angle(false, false, seconds, engine::normalize_deg(helio.longitude * kDeg)));
    }
}

void fill_houses(SkyView& v, const engine::Engine& e, bool zodiacal, bool seconds, int system) {
    const auto& h = e.house_table[static_cast<std::size_t>(system - 1)];
    // ASC, DSC in column 1; MC, IC in column 4; entries 12..15 are ASC, MC, DSC, IC.
    const std::pair<int, int> places[4] = {{1, 0}, {4, 0}, {1, 1}, {4, 1}};
    for (std::size_t k = 0; k < 4; ++k) {
        const double x = h[12 + k];
        const auto [col, row] = places[k];
        v.Tab12.text(col, row, engine::format_angle(false, zodiacal, seconds, x));
        sign_cell(v.Tab12.at(col + 1, row), x);
    }
    const bool failed = system >= 1 && system <= 4 && h[0] == 999;
    for (int n = 0; n < 12; ++n) {
        Cell& sign = v.Tab11.at(2, n);
        if (failed) {
            v.Tab11.text(1, n, "----------------");
            sign.text.assign(1, '/');  // assign(char*) trips a false GCC 12 overlap warning
            sign.symbol = false;
        } else {
            v.Tab11.text(1, n, engine::format_angle(false, zodiacal, seconds, h[static_cast<std::size_t>(n)]));
            sign_cell(sign, h[static_cast<std::size_t>(n)]);
        }
    }
}

}  // namespace

void fill_planet_tabs(SkyView& v, const engine::Engine& e, const data::AstroMem& notation, int system) {
    const bool zodiacal = notation.zodiacal_notation != 0, seconds = notation.angle_seconds != 0;
    fill_astrology(v, e, zodiacal, seconds);
    fill_planets(v, e, seconds);
    fill_houses(v, e, zodiacal, seconds, system < 1 || system > 16 ? 1 : system);
}

}  // namespace sidora::models::sky
