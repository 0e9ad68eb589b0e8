// The natal window's model and its option file, on charts made by hand.
#include <gtest/gtest.h>

#include "data/hor_set.h"
#include "data/startup.h"
#include "engine/angles.h"
#include "engine/zones.h"
#include "horoscope/points.h"
#include "models/natal_window.h"
#include "models/symbols.h"
#include "temp_dir.h"

namespace sidora::models {
namespace {

using horoscope::NatalChart;

std::string bytes_of(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

TEST(HorSet, OnlyFifteenBytesOfZeroAndOneAreTakenAndReadingNeverWrites) {
    const std::string good = bytes_of({1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1});
    struct Case {
        const char* what;
        std::optional<std::string> file;
        bool taken;
    };
    const Case cases[] = {
        {"missing", std::nullopt, false},
        {"empty", std::string(), false},
        {"14 bytes", good.substr(0, 14), false},
        {"16 bytes", good + '\0', false},
        {"a byte 2", good.substr(0, 7) + '\2' + good.substr(8), false},
        {"a byte 0xFF", '\xFF' + good.substr(1), false},
        {"15 good bytes", good, true},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        if (c.file) dir.write(data::HorSet::kFile, *c.file);
        const data::HorSet got = data::read_hor_set(dir.path());
        if (c.taken) {
            EXPECT_EQ(data::encode(got), good) << c.what;
        } else {
            EXPECT_EQ(got, data::default_hor_set()) << c.what;
        }
        EXPECT_EQ(dir.read(data::HorSet::kFile), c.file.value_or("<missing>")) << c.what << ": rewritten on reading";
    }
    // The defaults draw the houses and nothing else.
    const std::string defaults = data::encode(data::default_hor_set());
    EXPECT_EQ(defaults, bytes_of({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}));
}

TEST(HorSet, SavedOptionsComeBack) {
    test::TempDir dir;
    data::HorSet v;
    v.options[0] = v.options[12] = v.options[14] = true;
    data::save_hor_set(dir.path(), v);
    EXPECT_EQ(dir.read(data::HorSet::kFile).size(), data::HorSet::kSize);
    EXPECT_EQ(data::read_hor_set(dir.path()), v);
}

TEST(NatalOptions, MinorAspectsSwitchedOffAreDisabledAndStayUnchecked) {
    data::OrbTables orbs;
    data::default_minor_orbs(orbs);
    orbs.minor_orbs[1].nepouzivat = 1;  // Kvintil
    orbs.minor_orbs[9].nepouzivat = 1;  // Kvinkunx
    data::HorSet stored;
    stored.options.fill(true);
    const auto boxes = option_boxes(stored, orbs);
    EXPECT_EQ(boxes[4].text, "Kvintil");
    EXPECT_EQ(boxes[12].text, "Kvinkunx");
    EXPECT_EQ(boxes[14].text, "Aspekty silnou čarou");
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const bool off = i == 4 || i == 12;
        EXPECT_EQ(boxes[i].enabled, !off) << i;
        EXPECT_EQ(boxes[i].checked, !off) << i;
    }
    // What the window saves is what it shows.
    const data::HorSet saved = hor_set_of(boxes);
    EXPECT_FALSE(saved.options[4]);
    EXPECT_TRUE(saved.options[5]);
}

// A chart with a few aspects of the Sun; everything else empty.
NatalChart aspect_chart() {
    NatalChart ch;
    ch.person.house_system = 1;
    auto set = [&ch](int a, int b, int kod, double odchylka) {
        ch.aspect_table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = {static_cast<std::uint8_t>(kod),
                                                                                     odchylka};
    };
    set(1, 2, 1, 3.0);             // K 3°00′
    set(1, 3, 2, 2 + 59.0 / 60);   // S 2°59′
    set(1, 4, 8, 1.5);             // SQ, minor
    set(1, 13, 5, 9.25);           // O with ASC
    set(2, 15, 3, 0.5);            // Q of the Moon with MC
    return ch;
}

TEST(NatalAspects, TheSliderAndTheMajorBoxDecideWhichCellsShow) {
    const auto defs = data::make_aspect_defs();
    const NatalChart ch = aspect_chart();
    // Cells (column, row): the Sun is column 1; rows 1..10 are bodies 2..11, 11 ASC, 12 MC.
    struct Cell_ {
        int col, row;
        const char* text;
    };
    const Cell_ k{1, 1, "K  3°00´"}, s{1, 2, "S  2°59´"}, sq{1, 3, "SQ  1°30´"}, o{1, 11, "O  9°15´"},
        q{2, 12, "Q  0°30´"};
    struct Case {
        int slider;
        bool only_major;
        std::vector<Cell_> shown, hidden;
    };
    const Case cases[] = {
        {0, false, {k, s, sq, o, q}, {}},
        {10, false, {k, s, sq, o, q}, {}},
        {9, false, {k, s, sq, q}, {o}},
        {3, false, {s, sq, q}, {k, o}},
        {1, false, {q}, {k, s, sq, o}},
        {0, true, {k, s, o, q}, {sq}},
        {3, true, {s, q}, {k, sq, o}},
    };
    for (const auto& c : cases) {
        const Grid g = aspect_grid(ch, defs, {c.slider, c.only_major});
        const std::string label = "slider " + std::to_string(c.slider) + (c.only_major ? " major" : "");
        for (const auto& cell : c.shown) {
            EXPECT_EQ(g.at(cell.col, cell.row).text, cell.text) << label;
            EXPECT_NE(g.at(cell.col, cell.row).background, kHiddenAspect) << label << " " << cell.text;
        }
        for (const auto& cell : c.hidden) {
            EXPECT_EQ(g.at(cell.col, cell.row).text, "") << label << " " << cell.text;
            EXPECT_EQ(g.at(cell.col, cell.row).background, kHiddenAspect) << label << " " << cell.text;
        }
        // A pair without an aspect is grey whatever the filter.
        EXPECT_EQ(g.at(2, 2).background, kHiddenAspect);
    }
    const Grid g = aspect_grid(ch, defs, {});
    EXPECT_EQ(g.at(1, 1).background, (Rgb{0, 0, 255}));  // conjunction: white on blue
    EXPECT_EQ(g.at(1, 1).color, colors::kWhite);
    EXPECT_EQ(g.at(1, 11).background, (Rgb{255, 0, 0}));  // opposition: white on red
    EXPECT_EQ(g.at(1, 3).background, colors::kWhite);     // minor: black on white
    EXPECT_EQ(g.at(1, 3).color, colors::kBlack);
    // The staircase of names and the row names.
    EXPECT_EQ(g.at(1, 0).text, "Slunce");
    EXPECT_EQ(g.at(10, 9).text, "Pluto");
    EXPECT_EQ(g.at(0, 1).text, "Měsíc");
    EXPECT_EQ(g.at(0, 10).text, "V.uzel");
    EXPECT_EQ(g.at(0, 12).text, "MC");
    EXPECT_EQ(g.at(10, 8).text, "");  // above the staircase

    EXPECT_EQ(slider_label(0), "všechny");
    EXPECT_EQ(slider_label(3), "3 °");
}

// A polar chart: Placidus without cusps, a missing asteroid, points built from no cusp.
NatalChart polar_chart() {
    NatalChart ch;
    ch.person.house_system = 1;
    ch.chart_houses[0].fill(horoscope::kNone);
    ch.chart_houses[0][12] = 100;  // the angles still exist
    ch.chart_houses[0][13] = 10;
    for (int b = 1; b <= 24; ++b) ch.chart_table[static_cast<std::size_t>(b)].longitude = 15.5 * b;
    ch.chart_table[horoscope::kMesic].dum = 0;
    ch.asteroid_present = {false, true, true, false, true, true};  // Juno's file missing
    ch.asteroid_quality = "ABCAA";
    for (auto& p : ch.sensitive_points) p = {200, 5};
    ch.sensitive_points[2] = {horoscope::kNone, 0};
    return ch;
}

TEST(NatalView, ValuesThatCannotExistShowDashes) {
    const auto defs = data::make_aspect_defs();
    data::OrbTables orbs;
    const NatalChart ch = polar_chart();
    const NatalView v = natal_view(ch, defs, orbs, true, {});
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(v.houses.at(0, n).text, std::to_string(n) + ". dům");
        EXPECT_EQ(v.houses.at(1, n).text, "------") << n;
        EXPECT_EQ(v.houses.at(2, n).text, "/") << n;
        EXPECT_FALSE(v.houses.at(2, n).symbol);
        EXPECT_EQ(v.houses.at(3, n).text, "------") << n;
        EXPECT_EQ(v.houses.at(4, n).text, "------") << n;
    }
    EXPECT_EQ(v.houses.at(0, 13).text, "Vertex");
    EXPECT_NE(v.houses.at(1, 13).text, "------");
    // A body without a house.
    EXPECT_EQ(v.planets.at(1, 2).text, "Měsíc");
    EXPECT_EQ(v.planets.at(8, 2).text, "------");
    // The missing asteroid, beside one that is there.
    EXPECT_EQ(v.asteroids.at(0, 3).text, "Juno");
    EXPECT_EQ(v.asteroids.at(1, 3).text, "------");
    EXPECT_EQ(v.asteroids.at(9, 3).text, "");
    EXPECT_EQ(v.asteroids.at(8, 2).text, "B");
    EXPECT_EQ(v.asteroids.at(9, 2).text, "Vypiš");
    // The point built from no cusp, wherever the order puts it.
    int found = 0;
    for (int col : {0, 3}) {
        for (int r = 1; r < v.points.rows(); ++r) {
            if (v.points.at(col, r).text != horoscope::sensitive_point_names[2]) continue;
            ++found;
            EXPECT_EQ(v.points.at(col + 1, r).text, "------");
            EXPECT_EQ(v.points.at(col + 2, r).text, "------");
        }
    }
    EXPECT_EQ(found, 1);
    EXPECT_EQ(v.points.at(3, 19).text, "");  // the right half has one row fewer
}

TEST(NatalView, HousesShowTheirRulersAndTheSecondRulersHouse) {
    NatalChart ch;
    ch.person.house_system = 1;
    for (std::size_t i = 0; i < 12; ++i) ch.chart_houses[0][i] = 30.0 * static_cast<double>(i) + 5;
    ch.house_rulers[8] = {"Mars (Pluto)", 5, 10, 3, 11};
    ch.house_rulers[1] = {"Mars", 5, 0, 3, 0};
    const NatalView v = natal_view(ch, data::make_aspect_defs(), {}, true, {});
    EXPECT_EQ(v.houses.at(1, 1).text, engine::format_angle(false, true, false, 5));
    EXPECT_EQ(v.houses.at(2, 1).text, "A");
    EXPECT_TRUE(v.houses.at(2, 1).symbol);
    EXPECT_EQ(v.houses.at(3, 8).text, "Mars (Pluto)");
    EXPECT_EQ(v.houses.at(4, 8).text, "3(11)");
    EXPECT_EQ(v.houses.at(4, 1).text, "3");
}

TEST(NatalView, CountTablesMarkTheGreatestOfEachRow) {
    NatalChart ch;
    ch.person.house_system = 1;
    auto& e = ch.evaluation;
    e.kvalita_znameni = {6, 6, 3};
    e.kvalita_domy = {2, 4, 7};
    e.zivel_znameni = {1, 8, 3, 3};
    e.zivel_domy = {4, 4, 4, 1};
    e.vychod_zapad = {9, 6};
    const NatalView v = natal_view(ch, data::make_aspect_defs(), {}, true, {});
    const Rgb Y = colors::kYellow, A = colors::kAqua, W = colors::kWhite;
    struct Row {
        const Grid* g;
        int row;
        std::vector<std::string> texts;
        std::vector<Rgb> colours;
    };
    const Row rows[] = {
        {&v.kvalita, 1, {"6", "6", "3"}, {Y, Y, A}},  // equal greatest both yellow
        {&v.kvalita, 2, {"2", "4", "7"}, {A, A, Y}},
        {&v.kvalita, 3, {"8", "10", "10"}, {A, Y, Y}},  // the sum
        {&v.zivel, 1, {"1", "8", "3", "3"}, {W, Y, W, W}},
        {&v.zivel, 3, {"5", "12", "7", "4"}, {W, Y, W, W}},
        {&v.vychod_zapad, 1, {"9", "6"}, {Y, A}},
    };
    for (const auto& r : rows) {
        for (std::size_t i = 0; i < r.texts.size(); ++i) {
            const Cell& c = r.g->at(static_cast<int>(i) + 1, r.row);
            EXPECT_EQ(c.text, r.texts[i]) << r.g->at(0, 0).text << " row " << r.row;
            EXPECT_EQ(c.background, r.colours[i]) << r.g->at(0, 0).text << " row " << r.row << " col " << i + 1;
        }
    }
}

TEST(NatalView, PlanetRowsCarryGlyphsDirectionAndTheSecondsInTheHint) {
    NatalChart ch;
    ch.person.house_system = 1;
    auto& mars = ch.chart_table[horoscope::kMars];
    mars = {};
    mars.longitude = 123.456789;
    mars.retrograde = 1;
    mars.speed = -0.256;
    mars.dum = 7;
    ch.dispositors[horoscope::kMars] = horoscope::kSlunce;
    ch.evaluation.planet_points[horoscope::kMars] = -7;
    const NatalView v = natal_view(ch, data::make_aspect_defs(), {}, false, {});
    const int r = 5;
    EXPECT_EQ(v.planets.at(0, r).text, "U");
    EXPECT_EQ(v.planets.at(1, r).text, "Mars");
    EXPECT_EQ(v.planets.at(2, r).text, engine::format_angle(false, false, false, 123.456789));
    EXPECT_EQ(v.planets.at(2, r).hint, engine::format_angle(false, false, true, 123.456789));
    EXPECT_EQ(v.planets.at(3, r).text, "E");  // Lev
    EXPECT_EQ(v.planets.at(4, r).text, "m");
    EXPECT_EQ(v.planets.at(4, r).background, colors::kRed);
    EXPECT_EQ(v.planets.at(7, r).text, engine::format_number(2, -0.256));
    EXPECT_EQ(v.planets.at(8, r).text, "7");
    EXPECT_EQ(v.planets.at(9, r).text, "Q");
    EXPECT_EQ(v.planets.at(11, r).text, "-7");
    // The Black Moon closes the table, with its own glyph and no speed.
    EXPECT_EQ(v.planets.at(1, 13).text, "Č. luna");
    EXPECT_EQ(static_cast<unsigned char>(v.planets.at(0, 13).text.at(0)), kBlackMoonLetter);
    EXPECT_EQ(v.planets.at(7, 13).text, "");
    EXPECT_EQ(v.planets.at(4, 1).background, std::nullopt);
}

TEST(AspectLegend, FourteenCodesTheMajorOnesInTheirColours) {
    const Grid g = aspect_legend(data::make_aspect_defs());
    EXPECT_EQ(g.at(0, 0).text, "Zkratka");
    EXPECT_EQ(g.at(1, 0).text, "Aspekt");
    EXPECT_EQ(g.at(2, 0).text, "Úhel");
    EXPECT_EQ(g.at(0, 2).text, "S");
    EXPECT_EQ(g.at(2, 2).text, "60°");
    EXPECT_EQ(g.at(1, 14).text, "kvinkunx");
    EXPECT_EQ(g.at(1, 5).background, (Rgb{255, 0, 0}));
    EXPECT_EQ(g.at(1, 4).background, (Rgb{128, 0, 128}));
    EXPECT_EQ(g.at(1, 6).background, std::nullopt);
}

TEST(NatalCommands, TheMomentHoroscopeDropsSecondsAndTakesTheSummerRuleOrTheFlag) {
    test::TempDir dir;
    data::AppState s;
    data::start_up(s, {dir.path(), std::nullopt});
    s.clock_running = false;
    s.current_moment = {15, 7, 1995, 14, 37, 52};
    s.current_place.name = std::string(35, 'x');
    s.person_slots[1].male = 0;
    s.start.zone_index = 2;
    s.start.auto_summer = 1;
    auto rule = engine::summer_rule_not_introduced(1995);  // a fresh directory has no rules
    rule.nezaveden = 0;
    rule.cely_rok = 1;
    s.engine.summer_rules[1995 - engine::kSummerFirstYear] = rule;
    horoscope_of_now(s, 7);
    const data::TOsoba& p = s.person_slots[1];
    EXPECT_EQ(p.name, kNowName);
    EXPECT_EQ(std::tuple(p.day, p.month, p.year, p.hour, p.minute), std::tuple(15, 7, 1995, 14, 37));
    EXPECT_EQ(p.summer, 1);  // by the rule
    EXPECT_EQ(p.place, std::string(30, 'x'));
    EXPECT_EQ(p.house_system, 7);
    EXPECT_EQ(p.male, 0);
    // Without the rule the stored flag decides.
    s.start.auto_summer = 0;
    s.start.summer_flag = 0;
    horoscope_of_now(s, 1);
    EXPECT_EQ(s.person_slots[1].summer, 0);
}

TEST(NatalCommands, TransferFreezesTheClockOnTheBirthWithItsZoneAndPlace) {
    data::AppState s;
    s.clock_running = true;
    s.start.auto_summer = 1;
    data::TOsoba p{"Jana", 0, 1975, 6, 15, 14, 30, 1, 3, "Brno", 16, 37, 1, 49, 12, 1, 4};
    transfer_birth(s, p);
    EXPECT_FALSE(s.clock_running);
    EXPECT_EQ(s.current_moment, (engine::Moment{15, 6, 1975, 14, 30, 0}));
    EXPECT_EQ(s.start.zone_index, 3);
    EXPECT_EQ(s.start.summer_flag, 1);
    EXPECT_EQ(s.start.auto_summer, 0);
    EXPECT_EQ(s.zone_offset, engine::zone_offset_hours(3) + 1);
    EXPECT_EQ(s.current_zone_name, engine::zone_name(3));
    EXPECT_EQ(s.current_place.name, "Brno");
    EXPECT_EQ(std::tuple(s.current_place.lon_deg, s.current_place.lon_min, s.current_place.lat_deg,
                         s.current_place.lat_min),
              std::tuple(16, 37, 49, 12));
}

}  // namespace
}  // namespace sidora::models
