#include "horoscope/wheel.h"

#include <cmath>
#include <set>
#include <tuple>

#include "engine/angles.h"
#include "horoscope/points.h"

namespace sidora::horoscope {
namespace {

using std::size_t;

size_t at(int i) { return static_cast<size_t>(i); }

// Delphi's Round: to nearest, halves to even (the default rounding mode).
int round_even(double v) { return static_cast<int>(std::nearbyint(v)); }

bool missing(double lon) { return !(lon < kNone); }

bool within(int v, int lo) { return v >= lo && v <= lo + 16; }

// How many placed glyphs the glyph around the computed point (x, y) hits.
int collisions(Point p, const std::vector<WheelGlyph>& placed) {
    int hits = 0;
    for (const WheelGlyph& g : placed) {
        if (!g.shown) continue;
        const bool in_x = within(p.x - 5, g.corner.x) || within(p.x + 11, g.corner.x);
        const bool in_y = within(p.y - 5, g.corner.y) || within(p.y + 11, g.corner.y);
        if (in_x && in_y) ++hits;
    }
    return hits;
}

// Hint labels by slot; "Venuše" and "Saturn" have no colon.
const char* natal_label(int slot) {
    static const std::array<const char*, 25> kLabels{
        "",       "Slunce:", "Měsíc:",  "Merkur:", "Venuše", "Mars:",  "Jupiter:", "Saturn", "Uran:",
        "Neptun:", "Pluto:",  "Vzestupný uzel:", "Bod štěstí:", "", "", "", "", "Černá Luna:", "Vertex:", "",
        "Ceres:",  "Pallas:", "Juno:",   "Vesta:",  "Chiron:"};
    return slot >= 1 && slot <= 24 ? kLabels[at(slot)] : "";
}

const char* overlay_label(int body) {
    static const std::array<const char*, 11> kNames{"",        "Slunce: ", "Měsíc: ",  "Merkur: ",
                                                    "Venuše: ", "Mars: ",   "Jupiter: ", "Saturn: ",
                                                    "Uran: ",   "Neptun: ", "Pluto: "};
    return kNames[at(body)];
}

constexpr int kPointOfFortune = 7;  // sensitive point "štěstí"

}  // namespace

const char* overlay_mode_name(OverlayMode mode) {
    switch (mode) {
        case OverlayMode::Tranzity: return "tranzity";
        case OverlayMode::Partneri: return "partneri";
        case OverlayMode::Nic: break;
    }
    return "nic";
}

Point wheel_point(double lon, int r) {
    const double t = lon * engine::kPi / 180.0;
    return {kWheelCentre - round_even(r * std::cos(t)), kWheelCentre + round_even(r * std::sin(t))};
}

std::string WheelView::hint_at(int x, int y) const {
    auto inside = [&](Point c) { return x >= c.x && x < c.x + kGlyphSize && y >= c.y && y < c.y + kGlyphSize; };
    for (auto it = overlay.glyphs.rbegin(); it != overlay.glyphs.rend(); ++it) {
        if (inside(it->corner)) return it->hint;
    }
    for (auto it = glyphs.rbegin(); it != glyphs.rend(); ++it) {
        if (it->shown && inside(it->corner)) return it->hint;
    }
    return {};
}

std::vector<WheelGlyph> place_glyphs(const std::vector<GlyphSlot>& order) {
    std::vector<WheelGlyph> placed;
    placed.reserve(order.size());
    for (const GlyphSlot& s : order) {
        int r = s.start_radius;
        Point p;
        int used = r;
        for (;;) {
            p = wheel_point(s.longitude, r);
            used = r;
            const int hits = collisions(p, placed);
            r -= hits;
            // Below 17 the glyph stays where the last pass put it, overlapping if it must.
            if (hits == 0 || r < kLowestGlyphRadius) break;
        }
        WheelGlyph g;
        g.slot = s.slot;
        g.longitude = s.longitude;
        g.radius = used;
        g.corner = {p.x - 5, p.y - 5};
        placed.push_back(g);
    }
    return placed;
}

std::vector<WheelGlyph> umisti_planety(const NatalChart& chart, const std::array<std::uint8_t, 8>& ex,
                                       bool zodiacal) {
    // point_exclusions: 1 Černá Luna, 2 Vertex, 3 Chiron, 4 Ceres, 5 Pallas, 6 Juno, 7 Vesta.
    auto switched_off = [&](int slot) {
        switch (slot) {
            case kCernaLuna: return ex[1] != 0;
            case kVertex: return ex[2] != 0;
            case kChiron: return ex[3] != 0 || !chart.asteroid_present[5];
            case kCeres: return ex[4] != 0 || !chart.asteroid_present[1];
            case kPallas: return ex[5] != 0 || !chart.asteroid_present[2];
            case kJuno: return ex[6] != 0 || !chart.asteroid_present[3];
            case kVesta: return ex[7] != 0 || !chart.asteroid_present[4];
            default: return false;
        }
    };
    const TSensitivePoint& fortune = chart.sensitive_points[at(kPointOfFortune)];

    std::vector<int> slots;
    for (int s = 1; s <= kChartBodies; ++s) {
        if ((s >= kSUzel && s <= kIc) || s == kAntivertex) continue;
        slots.push_back(s);
    }
    slots.push_back(kSUzel);

    auto longitude = [&](int s) { return s == kSUzel ? fortune.lon : chart.chart_table[at(s)].longitude; };
    std::vector<GlyphSlot> order;
    for (int s : slots) {
        if (switched_off(s) || missing(longitude(s))) continue;
        order.push_back({s, longitude(s), s == kSUzel ? kFortuneRadius : kGlyphRadius});
    }
    const std::vector<WheelGlyph> placed = place_glyphs(order);

    std::vector<WheelGlyph> out;
    size_t next = 0;
    for (int s : slots) {
        WheelGlyph g;
        if (next < placed.size() && placed[next].slot == s) {
            g = placed[next++];
        } else {
            g.slot = s;
            g.longitude = longitude(s);
            g.shown = false;
        }
        const TChartRow& row = chart.chart_table[at(s)];
        const int house = s == kSUzel ? fortune.dum : row.dum;
        g.hint = natal_label(s);
        if (!missing(g.longitude)) g.hint += engine::format_angle(false, zodiacal, false, g.longitude);
        // Without cusps there is no house to name.
        if (house != 0) g.hint += ", dům: " + std::to_string(house);
        if (s == kVUzel || (s != kSUzel && row.retrograde != 0)) g.hint += ", RETR.";
        out.push_back(std::move(g));
    }
    return out;
}

void kresli_domy(const NatalChart& chart, const data::HorSet& options, WheelView& view) {
    view.house_lines.clear();
    view.house_numbers.clear();
    if (!options.options[data::HorSet::kDrawHouses]) return;
    const HouseRow& h = chart.houses();
    auto number_at = [](Point p) {
        const int y = p.y - round_even(p.y / 40.0);
        return Point{p.x, y < 0 ? p.y : y};
    };
    for (int n = 1; n <= 6; ++n) {
        const double a = h[at(n - 1)], b = h[at(n + 5)];
        // A cusp of 999 would put its end at (126, 7): no line, no number.
        if (missing(a) || missing(b)) continue;
        WheelLine l;
        l.n = n;
        l.from = wheel_point(a, kHouseRadius);
        l.to = wheel_point(b, kHouseRadius);
        if (n == 1) {
            l.rgb = {255, 0, 0};
            l.width = 2;
        } else if (n == 4) {
            l.rgb = {0, 0, 255};
            l.width = 2;
        }
        view.house_lines.push_back(l);
        view.house_numbers.push_back({n, number_at(l.from)});
        view.house_numbers.push_back({n + 6, number_at(l.to)});
    }
}

Colour wheel_aspect_colour(int code) {
    switch (code) {
        case 2: return {255, 0, 255};
        case 3: return {0, 0, 128};
        case 4: return {0, 128, 0};
        case 5: return {255, 0, 0};
        default: return {128, 0, 0};
    }
}

void zobraz_aspekty(const NatalChart& chart, const data::HorSet& options, WheelView& view) {
    view.aspect_lines.clear();
    const int width = options.options[14] ? 2 : 1;
    auto ticked = [&](int code) { return code >= 2 && code <= 14 && options.options[at(code - 2)]; };
    auto glyph = [&](int slot) -> const WheelGlyph* {
        for (const WheelGlyph& g : view.glyphs) {
            if (g.slot == slot) return g.shown ? &g : nullptr;
        }
        return nullptr;
    };
    // Both orders of a pair name the same line; one is enough.
    std::set<std::tuple<int, int, int>> drawn;
    auto add = [&](int i, int j, int code) {
        const WheelGlyph* a = glyph(i);
        const WheelGlyph* b = glyph(j);
        if (!a || !b) return;
        if (!drawn.insert({std::min(i, j), std::max(i, j), code}).second) return;
        view.aspect_lines.push_back({i, j, code, a->centre(), b->centre(), wheel_aspect_colour(code), width});
    };
    std::vector<int> from;
    for (int i = 1; i <= 10; ++i) from.push_back(i);
    for (int i : {17, 18, 20, 21, 22, 23, 24}) from.push_back(i);
    for (int i : from) {
        for (int j = 1; j <= 11; ++j) {
            if (j == i) continue;
            const int k = chart.aspect_table[at(i)][at(j)].kod;
            if (ticked(k)) add(i, j, k);
        }
    }
    for (int i : from) {
        const int k = chart.point_aspect_table[at(i)][at(kPointOfFortune)].kod;
        if (ticked(k)) add(i, kSUzel, k);
    }
}

WheelView natal_wheel(const NatalChart& chart, const data::HorSet& options,
                      const std::array<std::uint8_t, 8>& point_exclusions, bool zodiacal) {
    WheelView v;
    v.glyphs = umisti_planety(chart, point_exclusions, zodiacal);
    redraw_lines(chart, options, v);
    return v;
}

void redraw_lines(const NatalChart& chart, const data::HorSet& options, WheelView& view) {
    kresli_domy(chart, options, view);
    zobraz_aspekty(chart, options, view);
}

OverlaySource transit_source(const engine::BodyTable& table) {
    OverlaySource s{};
    for (int i = 1; i <= 10; ++i) {
        const int row = i == 1 ? engine::kSun : i == 2 ? engine::kMoon : i - 2;
        s[at(i - 1)] = {table[row].longitude, table[row].retrograde != 0};
    }
    return s;
}

OverlaySource chart_source(const NatalChart& chart) {
    OverlaySource s{};
    for (int i = 1; i <= 10; ++i) {
        s[at(i - 1)] = {chart.chart_table[at(i)].longitude, chart.chart_table[at(i)].retrograde != 0};
    }
    return s;
}

std::string transit_label(const engine::Moment& m) {
    return std::to_string(m.day) + "." + std::to_string(m.month) + "." + std::to_string(m.year) + "," +
           std::to_string(m.hour) + ":" + std::to_string(m.minute);
}

Overlay place_overlay(OverlayMode mode, const OverlaySource& source, const HouseRow& natal, bool zodiacal,
                      std::string label) {
    Overlay o;
    o.mode = mode;
    if (mode == OverlayMode::Nic) return o;
    o.label = std::move(label);
    for (int i = 1; i <= 10; ++i) {
        const OverlayBody& b = source[at(i - 1)];
        OverlayGlyph g;
        g.body = i;
        g.longitude = b.longitude;
        g.retrograde = b.retrograde;
        // The half-open rule of the natal houses: a body on cusp n is in house n.
        g.house = house_of_longitude(b.longitude, natal);
        const Point p = wheel_point(b.longitude, kOverlayRadius);
        g.corner = {p.x - 5, p.y - 5};
        g.hint = overlay_label(i) + engine::format_angle(false, zodiacal, false, b.longitude);
        if (g.house != 0) g.hint += ", Dům: " + std::to_string(g.house);
        if (i >= kMerkur && b.retrograde) g.hint += ", RETR.";
        o.glyphs.push_back(std::move(g));
    }
    return o;
}

}  // namespace sidora::horoscope
