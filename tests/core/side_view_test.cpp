// The side view of a horoscope, computed without its window, on small hand-made charts.
#include <gtest/gtest.h>

#include <algorithm>

#include "../sample_persons.h"
#include "data/app_state.h"
#include "data/startup.h"
#include "horoscope/natal.h"
#include "models/side_view.h"
#include "temp_dir.h"

namespace sidora::models {
namespace {

// Bodies 1..10 drawn, all on the ecliptic at 0°, every house at 999.
SideData empty_chart() {
    SideData d;
    d.name = "Test";
    for (int b = 1; b <= 10; ++b) d.drawn[static_cast<std::size_t>(b)] = true;
    d.houses.fill(horoscope::kNone);
    return d;
}

void put(SideData& d, int body, double lon, double lat, double decl = 0, int house = 1, bool retro = false) {
    auto& r = d.rows[static_cast<std::size_t>(body)];
    r.longitude = lon;
    r.latitude = lat;
    r.declination = decl;
    r.dum = static_cast<std::uint8_t>(house);
    r.retrograde = retro ? 1 : 0;
}

void relate(horoscope::AspectTable& t, int a, int b, int code) {
    t[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)].kod = static_cast<std::uint8_t>(code);
    t[static_cast<std::size_t>(b)][static_cast<std::size_t>(a)].kod = static_cast<std::uint8_t>(code);
}

SideBoxes all_ticked() {
    SideBoxes b;
    for (auto& box : b) box.checked = true;
    return b;
}

const SideBody& body(const SidePlacement& p, int number) {
    const auto it = std::find_if(p.bodies.begin(), p.bodies.end(), [&](const SideBody& b) { return b.body == number; });
    if (it == p.bodies.end()) throw std::logic_error("body not drawn");
    return *it;
}

std::vector<const DrawItem*> named(const Drawing& d, const std::string& prefix) {
    std::vector<const DrawItem*> out;
    for (const DrawItem& i : d.items) {
        if (i.name.rfind(prefix, 0) == 0) out.push_back(&i);
    }
    return out;
}

TEST(SideView, BodiesStandAtTheirLongitudeAndLatitude) {
    SideData d = empty_chart();
    // Mars holds the largest latitude, 6.3°: M = 8, the scale reads 7°.
    put(d, 1, 0, 0);
    put(d, 2, 359, 4);
    put(d, 3, 100, -4);
    put(d, 4, 180, 0.2);
    put(d, 5, 359.9, -6.3);
    const SidePlacement p = poloz_planety(d, SideAxis::Latitude, false);
    EXPECT_EQ(p.m, 8);
    EXPECT_EQ(p.top_label, "7°");
    EXPECT_EQ(p.bottom_label, "-7°");
    EXPECT_EQ(p.middle_label, "Ekliptika");
    const struct {
        int body, x, y;
    } cases[] = {
        {1, 15, 150},   // 0° on the ecliptic
        {2, 613, 75},   // 359°, +4° is 75 pixels above the middle
        {3, 182, 225},  // 100°, −4° as far below
        {4, 315, 146},
        {5, 615, 268},  // the last pixel of the zodiac
    };
    for (const auto& c : cases) {
        const SideBody& b = body(p, c.body);
        EXPECT_EQ(b.x, c.x) << c.body;
        EXPECT_EQ(b.y, c.y) << c.body;
        EXPECT_EQ(b.left, c.x - 7) << c.body;
        EXPECT_EQ(b.top, c.y - 7) << c.body;
    }
}

TEST(SideView, DeclinationAxisUsesDeclinationsAndTheEquator) {
    SideData d = empty_chart();
    put(d, 1, 90, 0, 23.4);
    put(d, 2, 270, 5.1, -20);
    const SidePlacement p = poloz_planety(d, SideAxis::Declination, false);
    EXPECT_EQ(p.m, 25);
    EXPECT_EQ(p.top_label, "24°");
    EXPECT_EQ(p.middle_label, "Rovník");
    EXPECT_EQ(body(p, 1).y, 150 - 140);  // round(23.4 · 150 / 25)
    EXPECT_EQ(body(p, 2).y, 150 + 120);
    // An empty chart still has a scale of 2°.
    EXPECT_EQ(poloz_planety(empty_chart(), SideAxis::Latitude, false).m, 2);
}

TEST(SideView, HintsNameLongitudeHouseAndTheAxisValue) {
    SideData d = empty_chart();
    put(d, 7, 123.5, -2.25, 18.75, 5, true);
    put(d, 1, 5.5, 0, 0, 0);
    const SidePlacement lat = poloz_planety(d, SideAxis::Latitude, false);
    EXPECT_EQ(body(lat, 7).hint, "Saturn: 123°30´, dům: 5, šířka: - 2°15´, RETR.");
    EXPECT_EQ(body(lat, 1).hint, "Slunce:  5°30´, dům: ------, šířka: + 0°00´");
    const SidePlacement decl = poloz_planety(d, SideAxis::Declination, true);
    EXPECT_EQ(body(decl, 7).hint, "Saturn:  3 LE 30, dům: 5, deklinace: +18°45´, RETR.");
}

TEST(SideView, OnlyPlanetsAndSwitchedOnAsteroidsAreDrawn) {
    // A program started with the asteroid element files beside it.
    test::TempDir dir, shipped;
    const std::filesystem::path source = std::filesystem::path(SIDORA_SOURCE_DIR) / "data";
    for (int n = 1; n <= 5; ++n) {
        const std::string name = "ast" + std::to_string(n) + ".kel";
        std::filesystem::copy_file(source / name, shipped / name);
    }
    data::AppState state;
    data::start_up(state, {dir.path(), shipped.path()});
    state.orbs.point_exclusions[4] = 1;  // Ceres switched off
    const horoscope::NatalChart chart = horoscope::compute_natal(state, test::kJan);
    ASSERT_TRUE(std::all_of(chart.asteroid_present.begin() + 1, chart.asteroid_present.end(), [](bool p) { return p; }));
    const SideData d = side_data(chart, state.orbs);
    const SidePlacement p = poloz_planety(d, SideAxis::Latitude, false);
    std::vector<int> numbers;
    for (const SideBody& b : p.bodies) numbers.push_back(b.body);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 21, 22, 23, 24}));
    EXPECT_EQ(body(p, 21).name, "Pallas");
    EXPECT_EQ(d.houses, chart.houses());
    EXPECT_EQ(d.name, "Jan Novák");
    const SideView v = side_view(d, SideAxis::Latitude, {}, 630, false);
    EXPECT_EQ(v.drawing.find("Ceres"), nullptr);
    EXPECT_NE(v.drawing.find("Chiron"), nullptr);
}

TEST(SideView, AspectLinesInTheirColoursForTickedBoxes) {
    SideData d = empty_chart();
    for (int b = 1; b <= 10; ++b) put(d, b, 30.0 * b, 0.5 * b);
    const struct {
        int a, b, code;
        Rgb colour;
    } cases[] = {
        {1, 2, 2, {255, 0, 255}}, {1, 3, 3, {0, 255, 255}}, {1, 4, 4, {0, 255, 0}},
        {1, 5, 5, {255, 255, 0}}, {1, 6, 6, {255, 255, 255}}, {1, 7, 14, {255, 255, 255}},
    };
    for (const auto& c : cases) relate(d.aspects, c.a, c.b, c.code);
    relate(d.aspects, 8, 9, 1);    // conjunctions are never drawn
    relate(d.aspects, 9, 10, 15);  // nor codes beyond the aspects
    const SidePlacement p = poloz_planety(d, SideAxis::Latitude, false);
    const std::vector<DrawItem> lines = maluj_aspekty(d, p, all_ticked());
    // Both directions of each pair.
    ASSERT_EQ(lines.size(), 2 * std::size(cases));
    for (const auto& c : cases) {
        const auto it = std::find_if(lines.begin(), lines.end(), [&](const DrawItem& i) {
            return i.name == "aspect:" + std::to_string(c.a) + ":" + std::to_string(c.b);
        });
        ASSERT_NE(it, lines.end()) << c.code;
        EXPECT_EQ(it->color, c.colour) << c.code;
        EXPECT_EQ(it->pen, 2);
        EXPECT_EQ(std::make_pair(it->x, it->y), std::make_pair(body(p, c.a).x, body(p, c.a).y));
        EXPECT_EQ(std::make_pair(it->x2, it->y2), std::make_pair(body(p, c.b).x, body(p, c.b).y));
    }
    // An unticked box, and a ticked one that the orb tables disabled, draw nothing.
    SideBoxes boxes = all_ticked();
    boxes[0].checked = false;   // Sextil
    boxes[12].enabled = false;  // Kvinkunx
    const std::vector<DrawItem> fewer = maluj_aspekty(d, p, boxes);
    EXPECT_EQ(fewer.size(), lines.size() - 4);
    for (const DrawItem& i : fewer) EXPECT_TRUE(i.name != "aspect:1:2" && i.name != "aspect:1:7") << i.name;
}

TEST(SideView, EachAxisDrawsItsOwnParallelsEvenWhenThePairHasBoth) {
    SideData d = empty_chart();
    for (int b = 1; b <= 10; ++b) put(d, b, 30.0 * b, 0.5 * b, 2.0 * b);
    relate(d.lat_parallels, 1, 2, 15);
    relate(d.decl_parallels, 1, 2, 17);  // a pair with both kinds
    relate(d.lat_parallels, 3, 4, 16);
    relate(d.decl_parallels, 5, 6, 18);
    const struct {
        SideAxis axis;
        bool parallel, contra;
        std::vector<std::string> lines;
    } cases[] = {
        {SideAxis::Latitude, true, true, {"parallel:1:2", "parallel:2:1", "parallel:3:4", "parallel:4:3"}},
        {SideAxis::Latitude, true, false, {"parallel:1:2", "parallel:2:1"}},
        {SideAxis::Latitude, false, true, {"parallel:3:4", "parallel:4:3"}},
        {SideAxis::Declination, true, true, {"parallel:1:2", "parallel:2:1", "parallel:5:6", "parallel:6:5"}},
        {SideAxis::Declination, false, true, {"parallel:5:6", "parallel:6:5"}},
        {SideAxis::Declination, false, false, {}},
    };
    for (const auto& c : cases) {
        SideBoxes boxes = all_ticked();
        boxes[kSideParallel].checked = c.parallel;
        boxes[kSideContraparallel].checked = c.contra;
        const SidePlacement p = poloz_planety(d, c.axis, false);
        std::vector<std::string> names;
        for (const DrawItem& i : maluj_dekli(d, p, boxes, c.axis)) {
            EXPECT_EQ(i.color, (Rgb{255, 0, 0}));
            EXPECT_EQ(i.pen, 2);
            names.push_back(i.name);
        }
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, c.lines) << static_cast<int>(c.axis) << c.parallel << c.contra;
    }
    // Switched off in the orb tables: the boxes are disabled and draw nothing.
    SideBoxes off = all_ticked();
    off[kSideParallel].enabled = off[kSideContraparallel].enabled = false;
    EXPECT_TRUE(maluj_dekli(d, poloz_planety(d, SideAxis::Latitude, false), off, SideAxis::Latitude).empty());
}

TEST(SideView, HouseLinesShareTheBodiesPixelsAndSkipMissingCusps) {
    SideData d = empty_chart();
    put(d, 1, 100, 0);
    for (int n = 1; n <= 12; ++n) d.houses[static_cast<std::size_t>(n - 1)] = 100 + 20.0 * (n - 1);
    d.houses[5] = horoscope::kNone;  // cusp 6 cannot be computed
    const SideView v = side_view(d, SideAxis::Latitude, all_ticked(), 1800, false);
    const DrawItem* first = v.drawing.find("house:1");
    ASSERT_NE(first, nullptr);
    // A body on the cusp at 100° is centred on the cusp's line.
    EXPECT_EQ(first->x, 182);
    EXPECT_EQ(first->x, body(v.placed, 1).x);
    EXPECT_EQ(std::make_tuple(first->y, first->x2, first->y2), std::make_tuple(0, 182, 300));
    EXPECT_EQ(first->color, (Rgb{255, 255, 0}));
    const DrawItem* label = v.drawing.find("house1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(std::make_pair(label->x, label->text), std::make_pair(182, std::string("1")));
    // Cusp 6 has neither a line nor a label, not even on a strip wide enough to reach 999°.
    EXPECT_EQ(v.drawing.find("house:6"), nullptr);
    EXPECT_EQ(v.drawing.find("house6"), nullptr);
    EXPECT_EQ(named(v.drawing, "house:").size(), 11u);
    EXPECT_EQ(named(v.drawing, "house").size(), 22u);
    // Without "Kreslit domy" neither lines nor labels.
    SideBoxes boxes = all_ticked();
    boxes[kSideHouses].checked = false;
    EXPECT_TRUE(named(side_view(d, SideAxis::Latitude, boxes, 630, false).drawing, "house").empty());
}

TEST(SideView, PictureOrderWidthAndCaption) {
    SideData d = empty_chart();
    d.name = "Žofie Příliš Dlouhé Jméno Které Se Nevejde Celé";
    put(d, 1, 10, 1);
    put(d, 2, 130, -1);
    relate(d.aspects, 1, 2, 3);
    relate(d.lat_parallels, 1, 2, 16);
    d.houses[0] = 50;
    const SideView v = side_view(d, SideAxis::Latitude, all_ticked(), 500, false);
    EXPECT_EQ(v.caption, "Horoskop: Žofie Příliš Dlouhé Jméno Které Se Nevej");
    // Never narrower than the window's minimum, 630 less 10.
    EXPECT_EQ(v.drawing.width, 620);
    EXPECT_EQ(v.drawing.height, 300);
    EXPECT_EQ(side_view(d, SideAxis::Latitude, all_ticked(), 900, false).drawing.width, 890);
    // The strip, then aspects, parallels and houses, the labels, the glyphs on top.
    auto index = [&](const std::string& name) {
        const auto it = std::find_if(v.drawing.items.begin(), v.drawing.items.end(),
                                     [&](const DrawItem& i) { return i.name == name; });
        return it - v.drawing.items.begin();
    };
    EXPECT_LT(index("sign12"), index("aspect:1:2"));
    EXPECT_LT(index("aspect:2:1"), index("parallel:1:2"));
    EXPECT_LT(index("parallel:2:1"), index("house:1"));
    EXPECT_LT(index("house1"), index("scale_top"));
    EXPECT_LT(index("scale_middle"), index("Slunce"));
    // Twelve sign cells of 50 pixels from x = 15.
    for (int s = 1; s <= 12; ++s) {
        const DrawItem* cell = v.drawing.find("sign" + std::to_string(s));
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(std::make_pair(cell->x, cell->w), std::make_pair(15 + 50 * (s - 1), 50));
    }
    // The glyph under the mouse gives its hint.
    const DrawItem* sun = v.drawing.hint_at(body(v.placed, 1).x, body(v.placed, 1).y);
    ASSERT_NE(sun, nullptr);
    EXPECT_EQ(sun->name, "Slunce");
}

TEST(SideView, BoxesStartAsTheNatalWindowsWithParallelsUnticked) {
    data::OrbTables orbs;
    data::default_minor_orbs(orbs);
    data::HorSet natal;
    natal.options.fill(true);
    orbs.minor_orbs[3].nepouzivat = 1;  // row 3: code 8, Semikvadratura
    const SideBoxes b = side_boxes(natal, orbs);
    EXPECT_EQ(b[0].text, "Sextil");
    EXPECT_EQ(b[15].text, "Kreslit domy");
    for (std::size_t i = 0; i < kSideBoxes; ++i) {
        const bool parallel = i == kSideParallel || i == kSideContraparallel;
        const bool off = i == 6;
        EXPECT_EQ(b[i].enabled, !off) << i;
        EXPECT_EQ(b[i].checked, !off && !parallel) << i;
    }
    orbs.minor_orbs[10].nepouzivat = 1;  // parallels switched off
    natal.options[data::HorSet::kDrawHouses] = false;
    const SideBoxes c = side_boxes(natal, orbs);
    EXPECT_FALSE(c[kSideParallel].enabled);
    EXPECT_FALSE(c[kSideContraparallel].enabled);
    EXPECT_FALSE(c[kSideHouses].checked);
}

}  // namespace
}  // namespace sidora::models
