#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "horoscope/evaluation.h"

using namespace sidora::horoscope;

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

struct Placed {
    int body;
    double lon;
    int dum = 0;
};

// Angles ASC 0°, DSC 180°, MC 270°, IC 90°; every other body parked at 45° (Býk) in
// house 2, direct, at its mean speed, unless placed.
ChartTable chart_of(std::initializer_list<Placed> placed) {
    ChartTable c{};
    for (int b = 1; b <= kChartBodies; ++b) {
        c[at(b)].longitude = 45;
        c[at(b)].dum = 2;
        c[at(b)].speed = 1;
    }
    c[kAsc].longitude = 0;
    c[kDsc].longitude = 180;
    c[kMc].longitude = 270;
    c[kIc].longitude = 90;
    for (const auto& p : placed) {
        c[at(p.body)].longitude = p.lon;
        if (p.dum != 0) c[at(p.body)].dum = static_cast<std::uint8_t>(p.dum);
    }
    for (auto& r : c) r.znameni = static_cast<std::uint8_t>(sign_of(r.longitude));
    return c;
}

StarTable no_stars() {
    StarTable s{};
    for (auto& r : s) r.fill(-1);
    return s;
}

Evaluation evaluate(const ChartTable& c, const AspectTable& a = {}, const StarTable& s = no_stars()) {
    return evaluate_natal(c, a, s);
}

int points_of(int body, const ChartTable& c, const AspectTable& a = {}, const StarTable& s = no_stars()) {
    return evaluate(c, a, s).planet_points[at(body)];
}

}  // namespace

TEST(Evaluation, DignityMarks) {
    struct Case {
        const char* what;
        int planet;
        double lon;
        std::vector<std::pair<int, double>> others;
        const char* marks;
    };
    const Case cases[] = {
        {"Slunce in Lev: domicile, no reception", kSlunce, 125, {{kMars, 130}}, "Dom Živ Dek "},
        {"Slunce in Štír, Mars in Lev", kSlunce, 215, {{kMars, 125}}, "Rec5 "},
        {"Slunce in Štír, Mars and Pluto in Lev: the modern ruler wins", kSlunce, 215, {{kMars, 125}, {kPluto, 130}},
         "Rec10 "},
        {"Slunce in Vodnář: detriment", kSlunce, 305, {}, "Ex "},
        {"Slunce in Vodnář with Saturn in Lev: reception, no detriment", kSlunce, 305, {{kSaturn, 140}}, "Rec7 "},
        {"Slunce in Vodnář with Uran in Lev", kSlunce, 305, {{kUran, 140}}, "Rec8 "},
        {"Slunce in Váhy: fall", kSlunce, 195, {}, "Pád "},
        {"Slunce in Váhy with Venuše in Lev: reception, no fall", kSlunce, 195, {{kVenuse, 145}}, "Rec4 "},
        {"Slunce at 15° Beran", kSlunce, 15, {}, "Po Živ Dek Tv "},
        {"Slunce in its face alone is not peregrine", kSlunce, 85, {}, "Tv "},
        {"Mars in Beran", kMars, 5, {}, "Dom Živ Dek Tv "},
        {"Mars in Střelec, in its term", kMars, 267, {}, "Po Živ Hr "},
        {"Mars in Kozoroh, in its face", kMars, 285, {}, "Po Tv "},
        {"Mars in Rak: fall, in its term", kMars, 95, {}, "Pád Hr "},
        {"Saturn in its decan alone is not peregrine", kSaturn, 165, {}, "Dek "},
        {"a term does not save from peregrine", kSaturn, 179, {}, "Hr Per "},
        {"Saturn with nothing", kSaturn, 175, {}, "Per "},
        {"Merkur in Panna, domicile and exaltation", kMerkur, 155, {}, "Dom Po Dek Hr "},
        {"Venuše in Štír, Mars and Pluto in Býk", kVenuse, 225, {}, "Rec10 "},
        {"Venuše in Štír: detriment", kVenuse, 225, {{kMars, 10}, {kPluto, 10}}, "Ex "},
        {"Neptun in Ryby", kNeptun, 335, {}, "Dom Živ Dek "},
        {"Pluto at 5° Beran: no faces, no terms", kPluto, 5, {}, "Po Dek "},
        {"Pluto in Býk: detriment", kPluto, 50, {}, "Ex "},
    };
    for (const auto& c : cases) {
        ChartTable ch = chart_of({{c.planet, c.lon}});
        for (auto [b, l] : c.others) ch[at(b)].longitude = l;
        const Evaluation ev = evaluate(ch);
        EXPECT_EQ(dignity_marks(ev.dignities[at(c.planet)]), c.marks) << c.what;
    }
}

TEST(Evaluation, EveryDegreeHasOneDecanOneFaceAndOneTerm) {
    for (int deg = 0; deg < 360; ++deg) {
        for (double lon : {deg + 0.0, deg + 0.5}) {
            ChartTable ch = chart_of({});
            for (int p = kSlunce; p <= kPluto; ++p) ch[at(p)].longitude = lon;
            const Evaluation ev = evaluate(ch);
            int decans = 0, faces = 0, terms = 0;
            for (int p = kSlunce; p <= kSaturn; ++p) {
                decans += ev.dignities[at(p)].dekan;
                faces += ev.dignities[at(p)].tvar;
                if (p >= kMerkur) terms += ev.dignities[at(p)].hranice;
            }
            EXPECT_EQ(decans, 1) << lon;
            EXPECT_EQ(faces, 1) << lon;
            EXPECT_EQ(terms, 1) << lon;
        }
    }
}

TEST(Evaluation, PointsOfOnePlanet) {
    // Slunce at 15° Beran in house 1, direct at its mean speed: exaltation 4, element 3,
    // decan 3, face 1, speed −2, direct +4.
    EXPECT_EQ(points_of(kSlunce, chart_of({{kSlunce, 15, 1}})), 13);
    // Saturn in Panna, peregrine, retrograde, fast, in house 12, 130° from the Sun.
    {
        ChartTable ch = chart_of({{kSaturn, 175, 12}, {kSlunce, 305}});
        ch[kSaturn].retrograde = 1;
        ch[kSaturn].speed = 1.2;
        EXPECT_EQ(points_of(kSaturn, ch), -5 + 2 - 5 - 5 + 5);
    }

    // Houses: the points of Jupiter at 100° (Rak) in each house against house 1.
    const std::pair<int, int> houses[] = {{1, 0},  {2, 3},  {3, 1},  {4, 4},  {5, 3},  {6, -4}, {7, 4},
                                          {8, -4}, {9, 2},  {10, 0}, {11, 4}, {12, -5}, {0, 0}};
    const int base = points_of(kJupiter, chart_of({{kJupiter, 100, 1}}));
    for (auto [dum, delta] : houses) {
        ChartTable ch = chart_of({{kJupiter, 100, 1}});
        ch[kJupiter].dum = static_cast<std::uint8_t>(dum);
        EXPECT_EQ(points_of(kJupiter, ch) - base, delta) << "house " << dum;
    }
}

TEST(Evaluation, DistanceFromTheSun) {
    // Jupiter fixed at 100°; the Sun moves. Against a Sun 90° away (+5).
    const std::pair<double, int> cases[] = {
        {0, 0}, {1.0 / 6, 0}, {0.25, 0}, {0.27, -10}, {5, -10}, {6.99, -10},
        {7, -9}, {11.99, -9}, {12, 0},   {-5, -10},   {180, 0},
    };
    const int base = points_of(kJupiter, chart_of({{kJupiter, 100}, {kSlunce, 10}}));
    for (auto [off, delta] : cases)
        EXPECT_EQ(points_of(kJupiter, chart_of({{kJupiter, 100}, {kSlunce, 100 - off}})) - base, delta) << off;
    // The Sun itself is never combust.
    EXPECT_EQ(points_of(kSlunce, chart_of({{kSlunce, 15, 1}, {kMerkur, 15}})), 13);
}

TEST(Evaluation, WaxingMoon) {
    // Pairs at the same distance from the Sun, so only the phase differs.
    auto moon = [](double sun) { return points_of(kMesic, chart_of({{kMesic, 200}, {kSlunce, sun}})); };
    EXPECT_EQ(moon(199) - moon(201), 4);   // 1° ahead: waxing; 1° behind: waning
    EXPECT_EQ(moon(20.5) - moon(20), 4);   // 179.5° ahead: waxing; 180°: waning
    EXPECT_EQ(moon(200) - moon(201), 4 + 10);  // conjunction: waxing, and +5 instead of −5
}

TEST(Evaluation, AspectAndStarPoints) {
    const ChartTable ch = chart_of({{kMerkur, 100}, {kSlunce, 10}});
    const int base = points_of(kMerkur, ch);
    struct Case {
        int b, kod, delta;
    };
    const Case cases[] = {
        {kVUzel, 1, 3},    {kVUzel, 5, -3},   {kVUzel, 3, 0},   {kVenuse, 1, 5},  {kVenuse, 2, 3},
        {kVenuse, 4, 4},   {kVenuse, 3, 0},   {kJupiter, 1, 5}, {kJupiter, 4, 4}, {kMars, 1, -5},
        {kMars, 3, -3},    {kMars, 5, -4},    {kMars, 2, 0},    {kSaturn, 3, -3}, {kSaturn, 5, -4},
        {kSlunce, 1, 0},   {kMc, 1, 0},
    };
    for (const auto& c : cases) {
        AspectTable a{};
        a[kMerkur][at(c.b)].kod = static_cast<std::uint8_t>(c.kod);
        EXPECT_EQ(points_of(kMerkur, ch, a) - base, c.delta) << c.b << " kod " << c.kod;
    }
    // The table's self-conjunctions give nothing: Venuše with Venuše, Mars with Mars.
    {
        AspectTable a{};
        for (int p = 1; p <= kPluto; ++p) a[at(p)][at(p)].kod = 1;
        const Evaluation with = evaluate(ch, a), without = evaluate(ch);
        EXPECT_EQ(with.planet_points, without.planet_points);
    }
    // Spica at distance 0 counts, Regulus, Algol; another star nothing.
    const std::pair<int, int> stars[] = {{38, 5}, {33, 6}, {10, -4}, {11, 0}};
    for (auto [star, delta] : stars) {
        StarTable s = no_stars();
        s[kMerkur][at(star)] = star == 38 ? 0 : 0.5;
        EXPECT_EQ(points_of(kMerkur, ch, {}, s) - base, delta) << "star " << star;
    }
}

TEST(Evaluation, CountsRulerAndTraitsOfAMixedChart) {
    const ChartTable ch = chart_of({
        {kSlunce, 130, 5}, {kMesic, 100, 4},  {kMerkur, 140, 5}, {kVenuse, 160, 6}, {kMars, 250, 9},
        {kJupiter, 20, 1}, {kSaturn, 50, 2},  {kUran, 200, 7},   {kNeptun, 260, 9}, {kPluto, 190, 7},
        {kVUzel, 340, 12}, {kAsc, 10},        {kDsc, 190},       {kMc, 280},        {kIc, 100},
    });
    const Evaluation ev = evaluate(ch);
    using A3 = std::array<std::uint8_t, 3>;
    using A4 = std::array<std::uint8_t, 4>;
    using A2 = std::array<std::uint8_t, 2>;
    EXPECT_EQ(ev.kvalita_znameni, (A3{7, 4, 4}));
    EXPECT_EQ(ev.kvalita_domy, (A3{5, 4, 4}));
    EXPECT_EQ(ev.zivel_znameni, (A4{7, 3, 2, 3}));
    EXPECT_EQ(ev.zivel_domy, (A4{6, 2, 2, 3}));
    EXPECT_EQ(ev.polarita_znameni, (A2{9, 6}));
    EXPECT_EQ(ev.polarita_domy, (A2{5, 8}));  // Pluto at the DSC itself is above
    EXPECT_EQ(ev.vychod_zapad, (A2{3, 10}));  // the Moon at the IC itself is west
    EXPECT_EQ(ev.chart_ruler_name, "Mars");
    EXPECT_EQ(ev.chart_ruler_body, kMars);
    EXPECT_EQ(ev.dominant_traits,
              "Typ s vyrovnaným podílem extrovertních a introvertních rysů. "
              "Člověk v jednání podrobivý, bere ohledy na mínění druhých lidí. "
              "Člověk iniciativní, aktivní, činorodý, samostatný, podnětný, avšak nestálý a přelétavý. "
              "Temperament cholerický. Člověk energický, nadšený, optimistický a rychle se rozhodující. Může být "
              "ale i sobecký, líný, arogantní, dokonce až násilnicky výbušný. ");
    int sum = 0;
    for (int p = 1; p <= kPluto; ++p) sum += ev.planet_points[at(p)];
    EXPECT_EQ(ev.total_points, sum);

    // Without cusps no body has a house: the house counts are empty and no planet gets or
    // loses house points, while the signs, hemispheres and the other points stay.
    ChartTable none = ch, tenth = ch;
    for (int b = 1; b <= kChartBodies; ++b) {
        none[at(b)].dum = 0;
        tenth[at(b)].dum = 10;
    }
    const Evaluation ev0 = evaluate(none);
    EXPECT_EQ(ev0.kvalita_domy, (A3{}));
    EXPECT_EQ(ev0.zivel_domy, (A4{}));
    EXPECT_EQ(ev0.kvalita_znameni, ev.kvalita_znameni);
    EXPECT_EQ(ev0.polarita_domy, ev.polarita_domy);
    EXPECT_EQ(ev0.vychod_zapad, ev.vychod_zapad);
    EXPECT_EQ(ev0.planet_points, evaluate(tenth).planet_points);
    EXPECT_EQ(ev0.dominant_traits,
              "Typ s vyrovnaným podílem extrovertních a introvertních rysů. "
              "Člověk v jednání podrobivý, bere ohledy na mínění druhých lidí. "
              "Temperament cholerický. Člověk energický, nadšený, optimistický a rychle se rozhodující. Může být "
              "ale i sobecký, líný, arogantní, dokonce až násilnicky výbušný. ");
}

TEST(Evaluation, ChartRulerBySignOfTheAscendant) {
    const std::pair<const char*, int> rulers[] = {
        {"Mars", 5},    {"Venuše", 4},       {"Merkur", 3},  {"Měsíc", 2},         {"Slunce", 1},
        {"Merkur", 3},  {"Venuše", 4},       {"Mars (Pluto)", 5}, {"Jupiter", 6},  {"Saturn", 7},
        {"Saturn (Uran)", 7}, {"Jupiter (Neptun)", 6},
    };
    for (int s = 1; s <= 12; ++s) {
        const Evaluation ev = evaluate(chart_of({{kAsc, s * 30.0 - 0.5}}));
        EXPECT_EQ(ev.chart_ruler_name, rulers[s - 1].first) << s;
        EXPECT_EQ(ev.chart_ruler_body, rulers[s - 1].second) << s;
    }
}

TEST(Evaluation, ExtravertAndIntrovert) {
    // Bodies in Beran below the horizon count once for each side. A body moved to Váhy
    // above it adds 2 to E − I, one moved to Býk below it adds 2 to I − E.
    struct Case {
        int moved;
        double to;
        const char* first;
    };
    const Case cases[] = {
        {0, 190, "Typ s vyrovnaným podílem extrovertních a introvertních rysů. "},
        {1, 190, "Typ s vyrovnaným podílem extrovertních a introvertních rysů. "},
        {2, 190, "Typ s mírně převažujícími extrovertními rysy. "},
        {3, 190, "Typ středně extrovertní. "},
        {4, 190, "Typ středně extrovertní. "},
        {5, 190, "Typ výrazně extrovertní. "},
        {1, 45, "Typ s vyrovnaným podílem extrovertních a introvertních rysů. "},
        {2, 45, "Typ s mírně převažujícími introvertními rysy. "},
        {3, 45, "Typ středně introvertní. "},
        {5, 45, "Typ výrazně introvertní. "},
    };
    for (const auto& c : cases) {
        ChartTable ch = chart_of({});
        for (int b = kSlunce; b <= kVUzel; ++b) ch[at(b)].longitude = 15;
        for (int i = 0; i < c.moved; ++i) ch[at(kMerkur + i)].longitude = c.to;
        const Evaluation ev = evaluate(ch);
        const int E = ev.polarita_znameni[0] + ev.polarita_domy[0];
        const int I = ev.polarita_znameni[1] + ev.polarita_domy[1];
        EXPECT_EQ(E + I, 28);
        EXPECT_EQ(std::abs(E - I), 2 * c.moved) << c.moved << " to " << c.to;
        EXPECT_EQ(ev.dominant_traits.rfind(c.first, 0), 0u) << c.moved << " to " << c.to << ": " << ev.dominant_traits;
    }
}

TEST(Evaluation, QualityAndElementLeaders) {
    // Houses left out (no cusps), so the sums are the sign counts alone. Signs of Slunce,
    // Měsíc (both twice), Merkur … V. uzel, ASC and MC.
    struct Case {
        const char* what;
        std::array<int, 13> signs;
        std::vector<const char*> present, absent;
    };
    const char* kInitiative = "Člověk iniciativní";
    const char* kNoFixed = "Člověk nesnášející strnulost";
    const char* kFire = "Temperament cholerický";
    const char* kNoWater = "Člověk citově chladný";
    const Case cases[] = {
        // Qualities 7, 1, 7: two equal leaders, none dominates; Pevná lags both by 6.
        {"equal leaders", {1, 3, 1, 4, 7, 10, 1, 2, 3, 6, 9, 12, 3}, {kNoFixed}, {kInitiative}},
        // 9, 1, 5: Základní leads by 4, Pevná lags by 4.
        {"a clear leader", {1, 4, 1, 4, 7, 10, 1, 3, 2, 3, 6, 9, 3}, {kInitiative, kNoFixed}, {}},
        // Qualities 11, 2, 2: the two smallest are equal, so none lacks. Elements: fire 8,
        // earth 5, air 2, water 0: fire leads by 3, water lags by 2.
        {"equal smallest", {1, 10, 1, 1, 1, 7, 1, 10, 2, 6, 3, 5, 1}, {kInitiative, kFire, kNoWater}, {kNoFixed}},
    };
    for (const auto& c : cases) {
        ChartTable ch = chart_of({});
        const int bodies[13] = {kSlunce, kMesic, kMerkur, kVenuse, kMars, kJupiter, kSaturn,
                                kUran,   kNeptun, kPluto, kVUzel, kAsc,   kMc};
        for (std::size_t i = 0; i < 13; ++i) ch[at(bodies[i])].longitude = c.signs[i] * 30.0 - 15;
        for (auto& r : ch) r.dum = 0;
        const std::string t = evaluate(ch).dominant_traits;
        for (const char* s : c.present) EXPECT_NE(t.find(s), std::string::npos) << c.what << ": " << s;
        for (const char* s : c.absent) EXPECT_EQ(t.find(s), std::string::npos) << c.what << ": " << s;
    }
}
