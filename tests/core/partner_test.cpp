// The partner horoscope: the second chart, agreement, placements and the aspects between charts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "data/startup.h"
#include "horoscope/natal.h"
#include "horoscope/aspects.h"
#include "horoscope/partner.h"
#include "models/partner_report.h"
#include "models/partner_window.h"
#include "data/partner_report_flags.h"
#include "../sample_persons.h"
#include "temp_dir.h"

using namespace sidora;
using namespace sidora::horoscope;
using data::TOsoba;

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// name, male, year, month, day, hour, minute, summer, zone, place, lon, east, lat, north, system
TOsoba tromso(std::uint8_t system) {
    return {"Tromsø", 0, 1985, 2, 14, 10, 30, 0, 2, "Tromso", 18, 57, 1, 69, 39, 1, system};
}

struct Started {
    test::TempDir dir, shipped;
    data::AppState state;
    Started() {
        const std::filesystem::path source = std::filesystem::path(SIDORA_SOURCE_DIR) / "data";
        for (int n = 1; n <= 5; ++n) {
            const std::string name = "ast" + std::to_string(n) + ".kel";
            std::filesystem::copy_file(source / name, shipped / name);
        }
        data::start_up(state, {dir.path(), shipped.path()});
    }
};

CountTables counts(std::array<std::uint8_t, 3> sign, std::array<std::uint8_t, 3> house) {
    CountTables c;
    c.kvalita_znameni = sign;
    c.kvalita_domy = house;
    return c;
}

}  // namespace

TEST(PartnerAgreement, DividesByTheCountsTotals) {
    // 3-4-8 against 5-5-5: 3 + 4 + 5 = 12 of 15 signs.
    EXPECT_EQ(shoda<3>({3, 4, 8}, {5, 5, 5}, kSignCountTotal), 80);
    // 12 of 13 houses, truncated.
    EXPECT_EQ(shoda<3>({4, 4, 5}, {4, 5, 3}, kHouseCountTotal), 84);
    const Agreement a = agreement(counts({3, 4, 8}, {4, 4, 5}), counts({5, 5, 5}, {4, 5, 3}));
    EXPECT_EQ(a.kvalita_sign, 80);
    EXPECT_EQ(a.kvalita_house, 84);
    // Totals 7-8-13 against 9-10-8: 7 + 8 + 8 = 23 of 28.
    EXPECT_EQ(a.kvalita_total, 82);
}

TEST(PartnerAgreement, AChartWithItselfAgreesFully) {
    Started s;
    const NatalChart c = compute_natal(s.state, test::kJan);
    const CountTables t = counts_of(c.evaluation);
    const Agreement a = agreement(t, t);
    for (int v : {a.kvalita_sign, a.kvalita_house, a.kvalita_total, a.zivel_sign, a.zivel_house, a.zivel_total,
                  a.polarita_sign, a.polarita_house, a.polarita_total, a.vychod_zapad, a.celkova})
        EXPECT_EQ(v, 100);
}

TEST(Partner, SameMomentPersonsMatchBodyForBodyAndHouseForHouse) {
    Started s;
    s.state.zone_offset = 5;
    s.state.astro.current_house_system = 7;
    const NatalChart first = compute_natal(s.state, test::kJan);
    const auto bodies = s.state.engine.body_table;
    const auto houses = s.state.engine.house_table;
    TOsoba twin = test::kJan;
    twin.name = "Dvojče";
    const PartnerChart p = compute_partner(s.state, first, twin);

    // The second chart is the natal routine's: the same person gives the same table.
    for (int b = 1; b <= kChartBodies; ++b)
        EXPECT_EQ(p.second.chart_table[at(b)].longitude, first.chart_table[at(b)].longitude) << b;
    for (int a = 1; a <= 10; ++a) {
        EXPECT_EQ(p.aspects[at(a)][at(a)].kod, 1) << a;
        EXPECT_EQ(p.aspects[at(a)][at(a)].odchylka, 0) << a;
    }
    ASSERT_TRUE(p.both_houses_ok);
    for (int n = 1; n <= 12; ++n) EXPECT_EQ(p.cusp_houses[at(n)], n) << n;
    // ASC and MC lie on cusps 1 and 10 of Placidus: each in the house it opens.
    EXPECT_EQ(p.cusp_houses[13], 1);
    EXPECT_EQ(p.cusp_houses[14], 10);
    EXPECT_EQ(p.cusp_houses[15], 7);
    EXPECT_EQ(p.cusp_houses[16], 4);
    // The bodies land where the natal chart has them; the angles on the cusps they are.
    for (int b : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 18, 19, 20, 21, 22, 23, 24})
        EXPECT_EQ(p.body_houses[at(b)], first.chart_table[at(b)].dum) << b;
    EXPECT_EQ(p.body_houses[kAsc], 1);
    EXPECT_EQ(p.body_houses[kDsc], 7);
    EXPECT_EQ(p.body_houses[kMc], 10);
    EXPECT_EQ(p.body_houses[kIc], 4);
    EXPECT_EQ(p.shoda.celkova, 100);

    // No shared table or program value changed.
    EXPECT_EQ(s.state.zone_offset, 5);
    EXPECT_EQ(s.state.astro.current_house_system, 7);
    EXPECT_FALSE(s.state.engine_busy);
    for (int r = engine::kMoon; r <= engine::kSpareRow; ++r)
        EXPECT_EQ(s.state.engine.body_table[r].longitude, bodies[r].longitude) << r;
    EXPECT_EQ(s.state.engine.house_table, houses);
}

TEST(Partner, ASecondPersonWithoutCuspsHasNoCuspHousesButBodiesHaveHouses) {
    Started s;
    const NatalChart first = compute_natal(s.state, test::kJan);
    const PartnerChart p = compute_partner(s.state, first, tromso(1));
    ASSERT_EQ(p.second.houses()[0], kNone);
    EXPECT_FALSE(p.both_houses_ok);
    // All sixteen, the angles included.
    for (int k = 1; k <= 16; ++k) EXPECT_EQ(p.cusp_houses[at(k)], 0) << k;
    for (int b = 1; b <= 10; ++b) EXPECT_GE(p.body_houses[at(b)], 1) << b;
    // Their angles still exist and take part in the placements.
    EXPECT_NE(p.second.chart_table[kAsc].longitude, kNone);
    EXPECT_GE(p.body_houses[kAsc], 1);
}

TEST(Partner, AFirstPersonWithoutCuspsPlacesNothing) {
    Started s;
    const NatalChart first = compute_natal(s.state, tromso(1));
    const PartnerChart p = compute_partner(s.state, first, test::kJan);
    EXPECT_FALSE(p.both_houses_ok);
    for (int b = 1; b <= kChartBodies; ++b) EXPECT_EQ(p.body_houses[at(b)], 0) << b;
    for (int k = 1; k <= 16; ++k) EXPECT_EQ(p.cusp_houses[at(k)], 0) << k;
}

TEST(Partner, PlacementIsHalfOpenAcrossZero) {
    HouseRow h{};
    for (std::size_t n = 0; n < 12; ++n) h[n] = std::fmod(350.0 + 30.0 * static_cast<double>(n), 360.0);
    h[12] = h[0];
    h[13] = h[9];
    const struct {
        double lon;
        int house;
    } cases[] = {{350, 1}, {0, 1}, {19.999, 1}, {20, 2}, {320, 12}, {349.999, 12}, {kNone, 0}};
    for (const auto& c : cases) EXPECT_EQ(house_in(c.lon, h), c.house) << c.lon;
}

TEST(PartnerAspects, PointsTakeTheLargerOrbAndSwitchedOffBodiesNone) {
    Started s;
    auto& orbs = s.state.orbs;
    orbs.point_orbs = {0, 2, 5, 3};  // Černá Luna 2, Vertex 5, asteroids 3
    NatalChart first, second;
    first.asteroid_present.fill(true);
    second.asteroid_present.fill(true);
    for (int b = 1; b <= kChartBodies; ++b) {
        // Far from everything by default.
        first.chart_table[at(b)].longitude = 100 + 0.5 * b;
        second.chart_table[at(b)].longitude = 300 + 0.3 * b;
    }
    second.chart_table[kCernaLuna].longitude = 10;
    first.chart_table[kVertex].longitude = 14;  // 4° off: beyond 2, within Vertex's 5
    second.chart_table[kCeres].longitude = 50;
    first.chart_table[kCernaLuna].longitude = 53.5;  // 3.5°: beyond both 2 and 3
    auto t = find_partner_aspects(second, first, orbs, s.state.aspect_defs);
    EXPECT_EQ(t[kCernaLuna][kVertex].kod, 1);
    EXPECT_DOUBLE_EQ(t[kCernaLuna][kVertex].odchylka, 4);
    EXPECT_EQ(t[kCeres][kCernaLuna].kod, 0);

    orbs.point_exclusions[2] = 1;  // no Vertex
    t = find_partner_aspects(second, first, orbs, s.state.aspect_defs);
    EXPECT_EQ(t[kCernaLuna][kVertex].kod, 0);
    // The second person's nodes and angles look for no aspects.
    second.chart_table[kAsc].longitude = first.chart_table[kSlunce].longitude;
    t = find_partner_aspects(second, first, orbs, s.state.aspect_defs);
    EXPECT_EQ(t[kAsc][kSlunce].kod, 0);
}

// --- stavpar.mem, the window's grids and the report ----------------------------------------

TEST(PartnerReportFlags, ExactlyFourBytesElseAllTicked) {
    using data::decode_partner_report_flags;
    const data::PartnerReportFlags all{true, true, true, true};
    EXPECT_EQ(decode_partner_report_flags(std::string("\1\0\0\1", 4)), (data::PartnerReportFlags{true, false, false, true}));
    for (const std::optional<std::string>& bytes :
         {std::optional<std::string>{}, std::optional<std::string>{""}, std::optional<std::string>{std::string("\0\0\0", 3)},
          std::optional<std::string>{std::string("\0\0\0\0\0", 5)}})
        EXPECT_EQ(decode_partner_report_flags(bytes), all);
    test::TempDir dir;
    data::save_partner_report_flags(dir.path(), {false, true, false, false});
    EXPECT_EQ(dir.read("stavpar.mem"), std::string("\0\1\0\0", 4));
    EXPECT_EQ(data::load_partner_report_flags(dir.path()), (data::PartnerReportFlags{false, true, false, false}));
}

TEST(PartnerWindow, SliderShowsOrbsUpToItsDegreesAndTheBoxOnlyMajors) {
    const auto defs = data::make_aspect_defs();
    PartnerChart p;
    p.aspects[1][2] = {4, 3.0};   // trigon exactly 3°
    p.aspects[1][3] = {4, 3.01};
    p.aspects[2][kMc] = {7, 1.0};  // a minor one, in column 13
    const struct {
        int slider;
        bool only_major;
        bool exact, beyond, minor;
    } cases[] = {{3, false, true, false, true}, {0, false, true, true, true}, {3, true, true, false, false},
                 {2, false, false, false, true}};
    for (const auto& c : cases) {
        const models::Grid g = models::partner_aspect_grid(p, defs, {c.slider, c.only_major});
        EXPECT_EQ(!g.at(2, 1).text.empty(), c.exact) << c.slider;
        EXPECT_EQ(!g.at(3, 1).text.empty(), c.beyond) << c.slider;
        EXPECT_EQ(!g.at(13, 2).text.empty(), c.minor) << c.slider;
    }
    const models::Grid g = models::partner_aspect_grid(p, defs, {0, false});
    EXPECT_EQ(g.at(2, 1).color, models::colors::kWhite);
    const Colour trigon = aspect_colour(4, {});
    EXPECT_EQ(g.at(2, 1).background, (models::Rgb{trigon.r, trigon.g, trigon.b}));
    EXPECT_EQ(g.at(13, 2).color, models::colors::kBlack);
    EXPECT_EQ(g.at(13, 2).background, models::colors::kWhite);
    EXPECT_TRUE(g.at(5, 5).text.empty());
    EXPECT_EQ(g.at(5, 5).background, models::kEmptyAspect);
    EXPECT_EQ(g.at(14, 3).text, "Vypiš");
    EXPECT_EQ(models::slider_label(0), "všechny");
    EXPECT_EQ(models::slider_label(3), "3 °");
}

namespace {

struct Pair {
    Started s;
    NatalChart first;
    PartnerChart p;
    test::TempDir texts;
    Pair(const TOsoba& a, const TOsoba& b) : first(compute_natal(s.state, a)), p(compute_partner(s.state, first, b)) {}
    models::PartnerReport report() const {
        return models::PartnerReport(first, p, texts.path(), s.state.aspect_defs, s.state.orbs, false);
    }
    std::vector<std::string> lines(const data::PartnerReportFlags& f) const {
        auto r = report();
        r.build(f);
        std::vector<std::string> out;
        for (const auto& l : r.doc().lines()) out.push_back(l.text);
        return out;
    }
};

bool has(const std::vector<std::string>& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

}  // namespace

TEST(PartnerView, SumaryOfTwinsAndTheirHouses) {
    TOsoba twin = test::kJan;
    twin.name = "Dvojče";
    const Pair pair(test::kJan, twin);
    const auto v = models::partner_view(pair.first, pair.p, pair.s.state.aspect_defs, false, {});
    EXPECT_EQ(v.celkova_shoda, "100 %");
    EXPECT_EQ(v.kvalita.at(4, 1).text, "100 %");
    EXPECT_EQ(v.vychod_zapad.at(2, 1).text, "100 %");
    const auto& c = pair.first.evaluation.kvalita_znameni;
    EXPECT_EQ(v.kvalita.at(1, 1).text, std::to_string(c[0]) + " - " + std::to_string(c[0]));
    for (int n = 1; n <= 12; ++n) EXPECT_EQ(v.houses.at(3, n).text, std::to_string(n));
    EXPECT_EQ(v.angles.at(3, 2).text, "10");  // MC
    EXPECT_FALSE(v.planets.at(2, 1).hint.empty());
}

TEST(PartnerView, FirstPersonWithoutCuspsShowsDashesAndEmptyHouses) {
    const Pair pair(tromso(1), test::kJan);
    const auto v = models::partner_view(pair.first, pair.p, pair.s.state.aspect_defs, false, {});
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(v.houses.at(1, n).text, "---------");
        EXPECT_EQ(v.houses.at(2, n).text, "/");
        EXPECT_EQ(v.houses.at(3, n).text, "");
    }
    for (int r = 1; r <= 13; ++r) EXPECT_EQ(v.planets.at(4, r).text, "") << r;
}

TEST(PartnerReport, TwinsPlaceTheMcInTheTenthHouse) {
    TOsoba twin = test::kJan;
    twin.name = "Dvojče";
    const Pair pair(test::kJan, twin);
    const auto lines = pair.lines({true, true, true, false});
    EXPECT_EQ(lines.front(), "PARTNERSKÝ HOROSKOP");
    EXPECT_TRUE(has(lines, "1. osoba:"));
    EXPECT_TRUE(has(lines, "Poloha domů: Dvojče"));
    const auto mc = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("MC: ", 0) == 0 && l.find("osoby 1") != std::string::npos; });
    ASSERT_NE(mc, lines.end());
    EXPECT_NE(mc->find(" (v 10. domě osoby 1)"), std::string::npos) << *mc;
    EXPECT_TRUE(has(lines, "Aspekty Slunce 2. osoby s planetami 1. osoby"));
    EXPECT_EQ(lines.back(), "KONEC.");
}

TEST(PartnerReport, FirstPersonWithoutCuspsNamesNoHouseOfTheirs) {
    const Pair pair(tromso(1), test::kJan);
    auto r = pair.report();
    r.build({true, true, true, true});
    for (const auto& l : r.doc().lines()) EXPECT_EQ(l.text.find("osoby 1)"), std::string::npos) << l.text;
    ASSERT_FALSE(r.lookups().empty());
    // The first person's house is the last number of a partner text's name.
    for (const auto& l : r.lookups()) EXPECT_TRUE(l.file.size() > 6 && l.file.substr(l.file.size() - 6) == "D0.txt") << l.file;
}

TEST(PartnerReport, DoubleClicksLookUpOutsideQuietMode) {
    TOsoba twin = test::kJan;
    twin.name = "Dvojče";
    const Pair pair(test::kJan, twin);
    // Slunce 2. osoby in conjunction with Slunce 1. osoby, no signs or houses.
    pair.texts.write("RP1Z0D0A1P1Z0D0.txt", "Spolu.\r\n");
    auto r = pair.report();
    using models::PartnerGrid;
    EXPECT_TRUE(models::partner_double_click(r, pair.p, PartnerGrid::Aspects, 1, 1));
    ASSERT_EQ(r.doc().lines().size(), 3u);
    EXPECT_NE(r.doc().lines()[0].text.find("Slunce 2. osoby "), std::string::npos);
    EXPECT_NE(r.doc().lines()[0].text.find(" Slunce 1. osoby (orbis"), std::string::npos);
    EXPECT_EQ(r.doc().lines()[1].text, "Spolu.");
    EXPECT_TRUE(r.warnings().empty());
    // A house text that is missing warns once; "Vypiš" lists.
    EXPECT_TRUE(models::partner_double_click(r, pair.p, PartnerGrid::Houses, 3, 1));
    EXPECT_EQ(r.warnings(), std::vector<std::string>{models::kTextNotFound});
    EXPECT_TRUE(models::partner_double_click(r, pair.p, PartnerGrid::Aspects, 14, 2));
    EXPECT_EQ(r.doc().lines()[3].text, "Aspekty Měsíce 2. osoby s planetami 1. osoby");
    EXPECT_FALSE(models::partner_double_click(r, pair.p, PartnerGrid::Planets, 1, 1));
}
