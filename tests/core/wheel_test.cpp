// The chart wheel and the overlay on charts made by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/angles.h"
#include "horoscope/wheel.h"

namespace sidora::horoscope {
namespace {

constexpr std::array<std::uint8_t, 8> kNoExclusions{};

// Every drawn slot on its own longitude, far from the others; equal houses from 10°.
NatalChart spread_chart() {
    NatalChart c;
    c.person.house_system = 1;
    for (int b = 1; b <= 25; ++b) c.chart_table[static_cast<std::size_t>(b)].longitude = (b * 47) % 360;
    c.asteroid_present.fill(true);
    c.sensitive_points[7].lon = 200.5;
    c.sensitive_points[7].dum = 7;
    for (std::size_t n = 0; n < 12; ++n) c.chart_houses[0][n] = 10 + 30.0 * static_cast<double>(n);
    c.chart_houses[0][12] = 10;
    return c;
}

const WheelGlyph& glyph(const WheelView& v, int slot) {
    for (const WheelGlyph& g : v.glyphs) {
        if (g.slot == slot) return g;
    }
    throw std::out_of_range("no glyph");
}

data::HorSet all_ticked() {
    data::HorSet o;
    o.options.fill(true);
    o.options[14] = false;
    return o;
}

TEST(Wheel, PointsRunCounterClockwiseFromTheLeft) {
    struct Case {
        double lon;
        int r;
        Point want;
    };
    const Case cases[] = {
        {0, 95, {53, 148}},   {90, 95, {148, 243}},  {180, 95, {243, 148}},
        {270, 95, {148, 53}}, {45, 100, {77, 219}},  {999, 143, {126, 7}},  // where a missing cusp would go
    };
    for (const auto& c : cases) EXPECT_EQ(wheel_point(c.lon, c.r), c.want) << c.lon;
}

TEST(Wheel, BodiesAtOneLongitudeGoInwardOnTheirRayWithoutOverlapping) {
    NatalChart c = spread_chart();
    c.chart_table[kSlunce].longitude = 0;
    c.chart_table[kMesic].longitude = 0;
    c.chart_table[kMerkur].longitude = 0;
    const WheelView v = natal_wheel(c, {}, kNoExclusions, false);
    const WheelGlyph& sun = glyph(v, kSlunce);
    const WheelGlyph& moon = glyph(v, kMesic);
    const WheelGlyph& mercury = glyph(v, kMerkur);
    EXPECT_EQ(sun.radius, 95);
    EXPECT_EQ(sun.corner, (Point{48, 143}));
    // The Moon's box must clear the Sun's 48..64: its point x − 5 lands on 65 at r = 78.
    EXPECT_EQ(moon.radius, 78);
    EXPECT_EQ(moon.corner, (Point{65, 143}));
    EXPECT_EQ(mercury.radius, 61);
    EXPECT_EQ(mercury.corner.y, 143);

    // A crowded ray stops lowering at 17 and leaves the rest overlapping there.
    NatalChart crowd = spread_chart();
    for (int b = 1; b <= 25; ++b) crowd.chart_table[static_cast<std::size_t>(b)].longitude = 120;
    crowd.sensitive_points[7].lon = 120;
    const WheelView w = natal_wheel(crowd, {}, kNoExclusions, false);
    int lowest = 95;
    for (const WheelGlyph& g : w.glyphs) lowest = std::min(lowest, g.radius);
    EXPECT_GE(lowest, 17);
    EXPECT_LE(lowest, 17 + 16);
    // The last glyphs could not clear each other.
    const Point a = w.glyphs[w.glyphs.size() - 2].corner, b = w.glyphs[w.glyphs.size() - 3].corner;
    EXPECT_LE(std::abs(a.x - b.x), 16);
    EXPECT_LE(std::abs(a.y - b.y), 16);
}

TEST(Wheel, PartOfFortuneStartsAt98AndSwitchedOffPointsTakeNoRoom) {
    NatalChart c = spread_chart();
    c.chart_table[kSlunce].longitude = 0;
    c.chart_table[kCernaLuna].longitude = 0;
    c.chart_table[kMesic].longitude = 0;
    c.sensitive_points[7].lon = 90;
    std::array<std::uint8_t, 8> ex{};
    ex[1] = 1;  // Černá Luna
    const WheelView v = natal_wheel(c, {}, ex, false);
    EXPECT_FALSE(glyph(v, kCernaLuna).shown);
    EXPECT_EQ(glyph(v, kMesic).radius, 78);  // only the Sun in its way
    EXPECT_EQ(glyph(v, kSUzel).radius, 98);
    EXPECT_EQ(glyph(v, kSUzel).corner, (Point{143, 241}));
    EXPECT_EQ(v.glyphs.back().slot, kSUzel);
    // An asteroid without elements has no position to show.
    c.asteroid_present[1] = false;
    EXPECT_FALSE(glyph(natal_wheel(c, {}, ex, false), kCeres).shown);
}

TEST(Wheel, HintsAsTheWindowWritesThem) {
    NatalChart c = spread_chart();
    c.chart_table[kSlunce] = {};
    c.chart_table[kSlunce].longitude = 15.5;
    c.chart_table[kSlunce].dum = 1;
    c.chart_table[kMerkur].retrograde = 1;
    c.chart_table[kMerkur].dum = 3;
    c.chart_table[kVenuse].dum = 4;
    c.chart_table[kVUzel].dum = 11;
    const WheelView v = natal_wheel(c, {}, kNoExclusions, false);
    EXPECT_EQ(glyph(v, kSlunce).hint, "Slunce:" + engine::format_angle(false, false, false, 15.5) + ", dům: 1");
    EXPECT_TRUE(glyph(v, kMerkur).hint.ends_with(", dům: 3, RETR.")) << glyph(v, kMerkur).hint;
    EXPECT_EQ(glyph(v, kVenuse).hint.rfind("Venuše ", 0), 0u);  // no colon, as quoted
    EXPECT_TRUE(glyph(v, kVUzel).hint.ends_with(", dům: 11, RETR.")) << glyph(v, kVUzel).hint;
    EXPECT_EQ(glyph(v, kSUzel).hint, "Bod štěstí:" + engine::format_angle(false, false, false, 200.5) + ", dům: 7");
    // No cusps, no house.
    c.chart_table[kSlunce].dum = 0;
    EXPECT_EQ(glyph(natal_wheel(c, {}, kNoExclusions, true), kSlunce).hint,
              "Slunce:" + engine::format_angle(false, true, false, 15.5));
}

TEST(Wheel, HouseAxesTheirPensAndNumbers) {
    NatalChart c = spread_chart();
    for (std::size_t n = 0; n < 12; ++n) c.chart_houses[0][n] = 30.0 * static_cast<double>(n);
    const WheelView v = natal_wheel(c, data::default_hor_set(), kNoExclusions, false);
    ASSERT_EQ(v.house_lines.size(), 6u);
    const WheelLine& asc = v.house_lines[0];
    EXPECT_EQ(asc.from, (Point{5, 148}));
    EXPECT_EQ(asc.to, (Point{291, 148}));
    EXPECT_EQ(asc.rgb, (Colour{255, 0, 0}));
    EXPECT_EQ(asc.width, 2);
    const WheelLine& ic = v.house_lines[3];
    EXPECT_EQ(ic.from, (Point{148, 291}));
    EXPECT_EQ(ic.to, (Point{148, 5}));
    EXPECT_EQ(ic.rgb, (Colour{0, 0, 255}));
    EXPECT_EQ(ic.width, 2);
    for (int n : {2, 3, 5, 6}) {
        EXPECT_EQ(v.house_lines[static_cast<std::size_t>(n - 1)].rgb, (Colour{0, 0, 0})) << n;
        EXPECT_EQ(v.house_lines[static_cast<std::size_t>(n - 1)].width, 1) << n;
    }
    // n at the first end, n + 6 at the second, raised by y/40.
    auto number = [&](int n) {
        for (const HouseNumber& h : v.house_numbers) {
            if (h.number == n) return h.at;
        }
        return Point{-1, -1};
    };
    EXPECT_EQ(number(1), (Point{5, 144}));
    EXPECT_EQ(number(7), (Point{291, 144}));
    EXPECT_EQ(number(4), (Point{148, 284}));
    EXPECT_EQ(number(10), (Point{148, 5}));
    EXPECT_EQ(v.house_numbers.size(), 12u);

    data::HorSet no_houses;
    EXPECT_TRUE(natal_wheel(c, no_houses, kNoExclusions, false).house_lines.empty());
}

TEST(Wheel, MissingCuspsDrawNoAxisAndNoNumber) {
    NatalChart c = spread_chart();
    c.chart_houses[0][2] = kNone;  // cusp 3: axis 3–9 goes
    WheelView v = natal_wheel(c, data::default_hor_set(), kNoExclusions, false);
    EXPECT_EQ(v.house_lines.size(), 5u);
    for (const WheelLine& l : v.house_lines) EXPECT_NE(l.n, 3);
    for (const HouseNumber& h : v.house_numbers) {
        EXPECT_NE(h.number, 3);
        EXPECT_NE(h.number, 9);
    }
    for (std::size_t n = 0; n < 12; ++n) c.chart_houses[0][n] = kNone;
    v = natal_wheel(c, data::default_hor_set(), kNoExclusions, false);
    EXPECT_TRUE(v.house_lines.empty());
    EXPECT_TRUE(v.house_numbers.empty());
}

TEST(Wheel, AspectLinesFollowTheBoxesAndRunBetweenGlyphCentres) {
    NatalChart c = spread_chart();
    c.aspect_table[kSlunce][kMars] = {4, 1.0};  // trigon
    c.aspect_table[kMars][kSlunce] = {4, 1.0};  // the same line from the other end
    c.aspect_table[kMesic][kMerkur] = {2, 0.5};
    c.aspect_table[kSlunce][kMesic] = {1, 0.1};  // conjunctions are never drawn
    c.aspect_table[kCeres][kVUzel] = {9, 0.2};   // a minor aspect to the node
    c.aspect_table[kSlunce][kAsc] = {3, 0.2};    // the angles have no glyph
    c.point_aspect_table[kMerkur][7] = {5, 1.0};
    WheelView v = natal_wheel(c, all_ticked(), kNoExclusions, false);
    struct Want {
        int i, j, code;
        Colour rgb;
    };
    const Want want[] = {{kSlunce, kMars, 4, {0, 128, 0}},
                         {kMesic, kMerkur, 2, {255, 0, 255}},
                         {kCeres, kVUzel, 9, {128, 0, 0}},
                         {kMerkur, kSUzel, 5, {255, 0, 0}}};
    ASSERT_EQ(v.aspect_lines.size(), std::size(want));
    for (const Want& w : want) {
        bool found = false;
        for (const AspectLine& l : v.aspect_lines) {
            if (l.i != w.i || l.j != w.j) continue;
            found = true;
            EXPECT_EQ(l.code, w.code);
            EXPECT_EQ(l.rgb, w.rgb);
            EXPECT_EQ(l.width, 1);
            EXPECT_EQ(l.from, (Point{glyph(v, w.i).corner.x + 7, glyph(v, w.i).corner.y + 7}));
            EXPECT_EQ(l.to, (Point{glyph(v, w.j).corner.x + 7, glyph(v, w.j).corner.y + 7}));
        }
        EXPECT_TRUE(found) << w.i << "-" << w.j;
    }

    // Unticking "Trigon" takes every green line away; the glyphs stay put.
    data::HorSet o = all_ticked();
    o.options[2] = false;
    o.options[14] = true;
    const auto glyphs_before = v.glyphs.size();
    const Point sun_before = glyph(v, kSlunce).corner;
    redraw_lines(c, o, v);
    EXPECT_EQ(v.aspect_lines.size(), 3u);
    for (const AspectLine& l : v.aspect_lines) {
        EXPECT_NE(l.rgb, (Colour{0, 128, 0}));
        EXPECT_EQ(l.width, 2);
    }
    EXPECT_EQ(v.glyphs.size(), glyphs_before);
    EXPECT_EQ(glyph(v, kSlunce).corner, sun_before);
}

OverlaySource bodies_at(std::initializer_list<double> lons) {
    OverlaySource s{};
    std::size_t i = 0;
    for (double l : lons) s[i++].longitude = l;
    return s;
}

TEST(Overlay, TenGlyphsAtRadius134WithTheirNatalHouses) {
    HouseRow cusps{};
    for (std::size_t n = 0; n < 12; ++n) cusps[n] = 10 + 30.0 * static_cast<double>(n);
    cusps[12] = 10;
    // 0° lies in house 12 (340..10); 130° is cusp 5 itself; 10° cusp 1; 339.99 the end of 11.
    OverlaySource s = bodies_at({0, 130, 10, 339.99, 45, 90, 180, 270, 359.5, 200});
    s[0].retrograde = true;  // the Sun never says so
    s[2].retrograde = true;
    const Overlay o = place_overlay(OverlayMode::Tranzity, s, cusps, false, "10.4.2004,12:0");
    ASSERT_EQ(o.glyphs.size(), 10u);
    EXPECT_EQ(o.label, "10.4.2004,12:0");
    EXPECT_EQ(o.glyphs[0].corner, (Point{148 - 134 - 5, 148 - 5}));
    const int houses[] = {12, 5, 1, 11, 2, 3, 6, 9, 12, 7};
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(o.glyphs[i].house, houses[i]) << o.glyphs[i].longitude;
    EXPECT_EQ(o.glyphs[0].hint, "Slunce: " + engine::format_angle(false, false, false, 0) + ", Dům: 12");
    EXPECT_EQ(o.glyphs[2].hint, "Merkur: " + engine::format_angle(false, false, false, 10) + ", Dům: 1, RETR.");
    EXPECT_EQ(o.glyphs[1].hint.rfind("Měsíc: ", 0), 0u);

    // A first cusp past 0°: 0° then opens house 1.
    HouseRow wrap = cusps;
    for (std::size_t n = 0; n < 12; ++n) wrap[n] = std::fmod(350 + 30.0 * static_cast<double>(n), 360);
    EXPECT_EQ(place_overlay(OverlayMode::Tranzity, s, wrap, false, "").glyphs[0].house, 1);

    // Without natal cusps the hint names no house.
    HouseRow none{};
    none.fill(kNone);
    const Overlay n = place_overlay(OverlayMode::Partneri, s, none, true, "Jana");
    EXPECT_EQ(n.glyphs[0].house, 0);
    EXPECT_EQ(n.glyphs[0].hint, "Slunce: " + engine::format_angle(false, true, false, 0));
    EXPECT_EQ(n.label, "Jana");

    const Overlay nic = place_overlay(OverlayMode::Nic, s, cusps, false, "x");
    EXPECT_TRUE(nic.glyphs.empty());
    EXPECT_TRUE(nic.label.empty());
}

TEST(Overlay, SourcesReadTheBodyTableInTheWindowsOrder) {
    engine::BodyTable t;
    t[engine::kSun].longitude = 1;
    t[engine::kMoon].longitude = 2;
    for (int b = 1; b <= 8; ++b) t[b].longitude = 10.0 * b;
    t[engine::kSaturn].retrograde = 1;
    const OverlaySource s = transit_source(t);
    EXPECT_EQ(s[0].longitude, 1);
    EXPECT_EQ(s[1].longitude, 2);
    for (std::size_t i = 2; i < 10; ++i) EXPECT_EQ(s[i].longitude, 10.0 * static_cast<double>(i - 1)) << i;
    EXPECT_TRUE(s[6].retrograde);  // Saturn, glyph 7
    EXPECT_EQ(transit_label({10, 4, 2004, 12, 0, 0}), "10.4.2004,12:0");
    EXPECT_EQ(transit_label({1, 12, 1999, 0, 5, 30}), "1.12.1999,0:5");
}

TEST(Overlay, HintUnderTheMouseTakesTheOverlayFirst) {
    NatalChart c = spread_chart();
    c.chart_table[kSlunce].longitude = 0;
    WheelView v = natal_wheel(c, {}, kNoExclusions, false);
    const Point sun = glyph(v, kSlunce).corner;
    EXPECT_EQ(v.hint_at(sun.x, sun.y), glyph(v, kSlunce).hint);
    EXPECT_EQ(v.hint_at(sun.x + 14, sun.y + 14), glyph(v, kSlunce).hint);
    EXPECT_EQ(v.hint_at(sun.x + 15, sun.y + 7), "");
    EXPECT_EQ(v.hint_at(148, 148), "");
    HouseRow cusps{};
    v.overlay = place_overlay(OverlayMode::Tranzity, bodies_at({0, 36, 72, 108, 144, 180, 216, 252, 288, 324}), cusps, false, "");
    // The transit Sun at 134 sits at (9, 143); the natal one at 95 is clear of it.
    EXPECT_EQ(v.hint_at(10, 150).rfind("Slunce: ", 0), 0u);
}

}  // namespace
}  // namespace sidora::horoscope
