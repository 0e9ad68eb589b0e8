#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "data/orbs.h"
#include "horoscope/aspects.h"

using namespace sidora;
using namespace sidora::horoscope;

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// Orbs of a fresh directory, with distinct point orbs so the larger one can be told apart.
data::OrbTables fresh_orbs() {
    data::OrbTables o;
    data::default_orb_matrix(o);
    data::default_minor_orbs(o);
    o.point_orbs = {0, 2, 3, 5};  // Černá Luna 2, Vertex 3, asteroids 5
    return o;
}

// A chart with every body at 0° except those given as {body, longitude}.
ChartTable chart_at(std::initializer_list<std::pair<int, double>> lons) {
    ChartTable c{};
    for (auto [b, l] : lons) c[at(b)].longitude = l;
    return c;
}

Present everyone() {
    Present p{};
    for (int b = 1; b <= kChartBodies; ++b) p[at(b)] = true;
    return p;
}

const data::AspectDefs kDefs = data::make_aspect_defs();

}  // namespace

TEST(Aspects, FirstCodeWithinItsOrbWins) {
    struct Case {
        const char* what;
        int a, b;
        double la, lb, major_orb;
        int switched_off_row;  // 0 = none
        int kod;
        double odchylka;
    };
    const Case cases[] = {
        {"a body with itself, orb 0", 3, 3, 123.4, 123.4, 0, 0, 1, 0},
        {"75° with orb 15: sextile, not the closer square", 1, 5, 10, 85, 15, 0, 2, 15},
        {"359° and 1° are 2° apart", 4, 6, 359, 1, 2, 0, 1, 2},
        {"1° and 359° the other way round", 6, 4, 1, 359, 2, 0, 1, 2},
        {"opposition across 0°", 2, 13, 350, 170.5, 3, 0, 5, 0.5},
        {"deviation equal to the orb counts", 7, 8, 0, 93, 3, 0, 3, 3},
        {"no major: kvintil from its row", 5, 9, 0, 73, 2, 0, 6, 1},
        // 42°: semikvadratura (45, orb 3) comes before the closer novil (40, orb 2).
        {"first minor, not the closest", 3, 4, 100, 142, 1, 0, 8, 3},
        {"a switched-off row is skipped, the search goes on", 3, 4, 100, 142, 1, 3, 10, 2},
        {"a major within its orb beats an exact minor", 1, 2, 0, 45, 15, 0, 2, 15},
        {"outside every orb", 8, 10, 0, 100, 5, 0, 0, 0},
    };
    for (const auto& c : cases) {
        auto orbs = fresh_orbs();
        orbs.orb_matrix[at(c.a)][at(c.b)] = c.major_orb;
        if (c.switched_off_row != 0) orbs.minor_orbs[at(c.switched_off_row)].nepouzivat = 1;
        const ChartTable ch = chart_at({{c.a, c.la}, {c.b, c.lb}});
        const AspectTable t = find_aspects(ch, orbs, kDefs, everyone());
        const TAspectCell cell = t[at(c.a)][at(c.b)];
        EXPECT_EQ(cell.kod, c.kod) << c.what;
        if (c.kod != 0) {
            EXPECT_NEAR(cell.odchylka, c.odchylka, 1e-9) << c.what;
        }
    }
}

TEST(Aspects, PointsUseTheirOwnOrbForEveryCode) {
    const auto orbs = fresh_orbs();
    // Černá Luna (orb 2) with Ceres (orb 5) at 64°: a sextile only under the larger orb, both ways.
    {
        const auto t = find_aspects(chart_at({{kCernaLuna, 10}, {kCeres, 74}}), orbs, kDefs, everyone());
        EXPECT_EQ(t[kCernaLuna][kCeres].kod, 2);
        EXPECT_NEAR(t[kCernaLuna][kCeres].odchylka, 4, 1e-9);
        EXPECT_EQ(t[kCeres][kCernaLuna].kod, 2);
    }
    // Slunce–Černá Luna at 63°: the point orb 2, not the Sun's 12 of the matrix.
    {
        const auto t = find_aspects(chart_at({{kSlunce, 0}, {kCernaLuna, 63}}), orbs, kDefs, everyone());
        EXPECT_EQ(t[kSlunce][kCernaLuna].kod, 0);
        EXPECT_EQ(t[kCernaLuna][kSlunce].kod, 0);
    }
    // Mars–Juno at 152.5°: kvinkunx within the asteroid orb 5, though its own row allows only 2.
    {
        const auto t = find_aspects(chart_at({{kMars, 0}, {kJuno, 152.5}}), orbs, kDefs, everyone());
        EXPECT_EQ(t[kMars][kJuno].kod, 14);
        EXPECT_NEAR(t[kMars][kJuno].odchylka, 2.5, 1e-9);
        auto off = orbs;
        off.minor_orbs[9].nepouzivat = 1;
        EXPECT_EQ(find_aspects(chart_at({{kMars, 0}, {kJuno, 152.5}}), off, kDefs, everyone())[kMars][kJuno].kod, 0);
    }
    // A point with a node or an angle: the points' rows reach every body, planets' only 1..16.
    {
        const auto t = find_aspects(chart_at({{kVertex, 40}, {kMc, 41}, {kVUzel, 40}}), orbs, kDefs, everyone());
        EXPECT_EQ(t[kVertex][kMc].kod, 1);
        EXPECT_EQ(t[kVertex][kVUzel].kod, 1);
        EXPECT_EQ(t[kMc][kVertex].kod, 0);
        EXPECT_EQ(t[kVUzel][kVertex].kod, 0);
    }
}

TEST(Aspects, RowsOfNodesAndAnglesAndAbsentBodiesStayEmpty) {
    const auto orbs = fresh_orbs();
    ChartTable ch{};  // everything at 0°: every computed pair is a conjunction
    Present p = everyone();
    p[kAntivertex] = false;
    const AspectTable t = find_aspects(ch, orbs, kDefs, p);
    for (int a = 1; a <= kChartBodies; ++a) {
        for (int b = 1; b <= kChartBodies; ++b) {
            const bool computed = (a <= kPluto && b <= kIc) || (a <= kPluto && b >= kCernaLuna) || a >= kCernaLuna;
            const bool expected = computed && a != kAntivertex && b != kAntivertex;
            EXPECT_EQ(t[at(a)][at(b)].kod, expected ? 1 : 0) << a << "/" << b;
        }
    }
}

TEST(Aspects, PresentBodiesFollowExclusionsAndMissingFiles) {
    struct Case {
        int flag;          // point_exclusions index set to 1, 0 = none
        int missing_file;  // asteroid 1..5 without a file, 0 = none
        std::vector<int> absent;
    };
    const Case cases[] = {
        {0, 0, {}},
        {1, 0, {kCernaLuna}},
        {2, 0, {kVertex, kAntivertex}},
        {3, 0, {kChiron}},
        {4, 0, {kCeres}},
        {5, 0, {kPallas}},
        {6, 0, {kJuno}},
        {7, 0, {kVesta}},
        {0, 1, {kCeres}},
        {0, 5, {kChiron}},
        {4, 2, {kCeres, kPallas}},
    };
    for (const auto& c : cases) {
        auto orbs = fresh_orbs();
        if (c.flag != 0) orbs.point_exclusions[at(c.flag)] = 1;
        std::array<bool, 6> files{false, true, true, true, true, true};
        if (c.missing_file != 0) files[at(c.missing_file)] = false;
        const Present p = present_bodies(orbs, files);
        for (int b = 1; b <= kChartBodies; ++b) {
            bool absent = false;
            for (int x : c.absent) absent = absent || x == b;
            EXPECT_EQ(p[at(b)], !absent) << "flag " << c.flag << " file " << c.missing_file << " body " << b;
        }
    }
}

TEST(Aspects, ParallelsBySignAndSize) {
    struct Case {
        double x, y;
        int lat_kod;  // with orb 1, half for latitudes
        double lat_dev;
        int decl_kod;  // the full orb
    };
    const Case cases[] = {
        {1.0, -1.2, 16, 0.2, 18},
        {1.0, 1.6, 0, 0, 17},
        {1.0, 1.4, 15, 0.4, 17},
        {-2.0, -2.5, 15, 0.5, 17},
        {-3.0, 2.2, 0, 0, 18},
        {-3.0, 1.9, 0, 0, 0},
        {0.0, 0.1, 0, 0, 0},  // exactly 0 has no sign
        {0.0, 0.0, 0, 0, 0},
    };
    auto orbs = fresh_orbs();
    for (const auto& c : cases) {
        ChartTable ch{};
        ch[kMerkur].latitude = ch[kMerkur].declination = c.x;
        ch[kSaturn].latitude = ch[kSaturn].declination = c.y;
        AspectTable lat{}, decl{};
        find_parallels(ch, orbs, everyone(), lat, decl);
        EXPECT_EQ(lat[kMerkur][kSaturn].kod, c.lat_kod) << c.x << " " << c.y;
        EXPECT_EQ(lat[kSaturn][kMerkur].kod, c.lat_kod) << c.x << " " << c.y;
        if (c.lat_kod != 0) {
            EXPECT_NEAR(lat[kMerkur][kSaturn].odchylka, c.lat_dev, 1e-9);
        }
        EXPECT_EQ(decl[kMerkur][kSaturn].kod, c.decl_kod) << c.x << " " << c.y;
    }
}

TEST(Aspects, ParallelsTakeOnlyTheirBodies) {
    auto orbs = fresh_orbs();
    ChartTable ch{};
    for (auto& r : ch) r.latitude = r.declination = 1.0;  // everyone parallel with everyone
    Present p = everyone();
    p[kVesta] = false;
    AspectTable lat{}, decl{};
    find_parallels(ch, orbs, p, lat, decl);
    for (int a = 1; a <= kChartBodies; ++a) {
        for (int b = 1; b <= kChartBodies; ++b) {
            auto in_lat = [&](int x) { return (x <= kPluto || x >= kCeres) && x != kVesta; };
            EXPECT_EQ(lat[at(a)][at(b)].kod, a != b && in_lat(a) && in_lat(b) ? 15 : 0) << a << "/" << b;
            EXPECT_EQ(decl[at(a)][at(b)].kod, a != b && a <= kPluto && b <= kPluto ? 17 : 0) << a << "/" << b;
        }
    }

    // Switched off, both tables are emptied, whatever they held.
    orbs.minor_orbs[10].nepouzivat = 1;
    find_parallels(ch, orbs, p, lat, decl);
    for (int a = 1; a <= kChartBodies; ++a)
        for (int b = 1; b <= kChartBodies; ++b) {
            EXPECT_EQ(lat[at(a)][at(b)].kod, 0);
            EXPECT_EQ(decl[at(a)][at(b)].kod, 0);
        }
}

TEST(Aspects, PointAspectsMajorOnlyAndNoneWithoutPosition) {
    auto orbs = fresh_orbs();  // row 11: orb 1
    SensitivePoints pts{};
    pts[1].lon = 120.5;  // trigon to the Sun at 0°
    pts[2].lon = 72;     // a kvintil: not a code of this table
    pts[3].lon = kNone;  // 999 would fold to 279° and be conjunct the Moon
    const ChartTable ch = chart_at({{kSlunce, 0}, {kMesic, 279}, {kVertex, 0.5}});
    Present p = everyone();
    p[kVertex] = false;
    const PointAspectTable t = find_point_aspects(ch, pts, orbs, kDefs, p);
    EXPECT_EQ(t[kSlunce][1].kod, 4);
    EXPECT_NEAR(t[kSlunce][1].odchylka, 0.5, 1e-9);
    EXPECT_EQ(t[kSlunce][2].kod, 0);
    for (int a = 1; a <= kChartBodies; ++a) EXPECT_EQ(t[at(a)][3].kod, 0) << a;
    EXPECT_EQ(t[kVertex][1].kod, 0);

    orbs.minor_orbs[11].nepouzivat = 1;
    const PointAspectTable off = find_point_aspects(ch, pts, orbs, kDefs, everyone());
    for (const auto& r : off)
        for (const auto& c : r) EXPECT_EQ(c.kod, 0);
}

TEST(Aspects, StarConjunctionsWithinTheOrb) {
    auto orbs = fresh_orbs();  // row 12: orb 1
    FixedStars stars{};
    for (auto& s : stars) s.lon = 200;
    stars[1].lon = 10;
    stars[2].lon = 11;
    stars[3].lon = 11.01;
    stars[4].lon = 0.3;
    const ChartTable ch = chart_at({{kSlunce, 10}, {kMesic, 359.5}, {kPallas, 10}});
    Present p = everyone();
    p[kPallas] = false;
    const StarTable t = find_star_conjunctions(ch, stars, orbs, p);
    EXPECT_EQ(t[kSlunce][1], 0);  // distance 0 is a conjunction, not "none"
    EXPECT_NEAR(t[kSlunce][2], 1, 1e-9);
    EXPECT_EQ(t[kSlunce][3], -1);
    EXPECT_NEAR(t[kMesic][4], 0.8, 1e-9);
    EXPECT_EQ(t[kPallas][1], -1);

    orbs.minor_orbs[12].nepouzivat = 1;
    const StarTable off = find_star_conjunctions(ch, stars, orbs, everyone());
    for (int a = 1; a <= kChartBodies; ++a)
        for (int s = 1; s <= kFixedStars; ++s) EXPECT_EQ(off[at(a)][at(s)], -1);
}

TEST(Aspects, Colours) {
    const Colour fallback{1, 2, 3};
    const std::pair<int, Colour> cases[] = {
        {1, {0, 0, 255}}, {2, {255, 0, 255}}, {3, {0, 0, 128}}, {4, {128, 0, 128}}, {5, {255, 0, 0}},
        {6, {0, 0, 0}},   {100, {0, 0, 0}},   {0, fallback},    {101, fallback},    {-1, fallback},
    };
    for (const auto& [code, colour] : cases) EXPECT_EQ(aspect_colour(code, fallback), colour) << code;
}
