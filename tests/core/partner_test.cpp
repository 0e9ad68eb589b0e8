// The partner horoscope: the second chart, agreement, placements and the aspects between charts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "data/startup.h"
#include "horoscope/natal.h"
#include "horoscope/partner.h"
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
