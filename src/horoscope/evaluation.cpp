#include "horoscope/evaluation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace sidora::horoscope {
namespace {

using std::size_t;

size_t at(int i) { return static_cast<size_t>(i); }

struct Span {
    double lo, hi;  // lo ≤ λ < hi
};

struct PlanetRules {
    std::vector<int> dom, povyseni, exil, pad, zivel;
    std::vector<Span> dekan, hranice;
    int face = -1;  // offset of the faces, −1 for the modern planets
};

// Rows 1..10, Slunce … Pluto. Each degree of the decans of the seven classical planets
// and of the terms of Merkur … Saturn belongs to exactly one planet.
const std::array<PlanetRules, 11>& rules() {
    static const std::array<PlanetRules, 11> r{{
        {},
        {{5}, {1}, {11}, {7}, {1, 5, 9}, {{10, 20}, {120, 130}, {260, 270}}, {}, 10},
        {{4}, {2}, {10}, {8}, {4, 12}, {{90, 100}, {230, 240}, {340, 350}}, {}, 40},
        {{3, 6},
         {6},
         {9, 12},
         {12},
         {3, 11},
         {{40, 50}, {60, 70}, {150, 160}, {200, 210}, {290, 300}, {310, 320}},
         {{12, 20}, {38, 45}, {60, 66}, {103, 109}, {138, 144}, {150, 156}, {186, 194}, {222, 229}, {257, 261},
          {270, 277}, {300, 307}, {346, 349}},
         30},
        {{2, 7},
         {12},
         {8, 1},
         {6},
         {2, 10},
         {{30, 40}, {70, 80}, {170, 190}, {280, 290}, {320, 330}},
         {{6, 12}, {30, 38}, {72, 77}, {98, 103}, {126, 131}, {156, 166}, {201, 206}, {217, 222}, {252, 257},
          {282, 291}, {307, 313}, {330, 341}},
         20},
        // The last decan of Lev is Mars's (140–150), not 170–180, which is Venuše's.
        {{8, 1},
         {10, 9},
         {7, 2},
         {4},
         {1, 5, 9},
         {{0, 10}, {100, 110}, {140, 150}, {210, 220}, {250, 260}, {350, 360}},
         {{20, 25}, {57, 60}, {77, 84}, {90, 98}, {144, 150}, {171, 178}, {206, 217}, {266, 270}, {296, 300},
          {320, 325}, {349, 358}},
         0},
        // The middle decan of Lev is Jupiter's (130–140); 160–170 is Saturn's.
        {{9, 12},
         {4},
         {3, 6},
         {10},
         {1, 5, 9},
         {{20, 30}, {110, 120}, {130, 140}, {220, 230}, {240, 250}, {330, 340}},
         {{0, 6}, {45, 52}, {66, 72}, {109, 116}, {120, 126}, {166, 171}, {194, 201}, {229, 234}, {240, 252},
          {277, 282}, {313, 320}, {341, 346}},
         60},
        // Saturn's terms in Střelec: 234–240 and 261–266 (240–252 is Jupiter's).
        {{10, 11},
         {7},
         {4, 5},
         {1},
         {2, 10},
         {{50, 60}, {80, 90}, {160, 170}, {190, 200}, {270, 280}, {300, 310}},
         {{25, 30}, {52, 57}, {84, 90}, {116, 120}, {131, 138}, {178, 186}, {234, 240}, {261, 266}, {291, 296},
          {325, 330}, {358, 360}},
         50},
        {{11}, {8}, {5}, {2}, {3, 11}, {{80, 90}, {190, 200}, {300, 310}}, {}, -1},
        {{12}, {5, 9}, {6}, {11, 3}, {4, 12}, {{110, 120}, {220, 230}, {330, 340}}, {}, -1},
        {{8}, {1, 12, 8}, {2}, {7}, {}, {{0, 10}, {210, 220}, {250, 260}}, {}, -1},
    }};
    return r;
}

bool has(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }
bool within(const std::vector<Span>& v, double lon) {
    return std::any_of(v.begin(), v.end(), [&](const Span& s) { return s.lo <= lon && lon < s.hi; });
}

// The ruler's name as the house rulers show it, by the ASC's sign.
const char* ruler_name(int sign) {
    static constexpr std::array<const char*, 13> kNames{
        "",       "Mars",         "Venuše",  "Merkur", "Měsíc",         "Slunce",          "Merkur",
        "Venuše", "Mars (Pluto)", "Jupiter", "Saturn", "Saturn (Uran)", "Jupiter (Neptun)"};
    return sign >= 1 && sign <= 12 ? kNames[at(sign)] : "";
}

// Modern rulers of Štír, Vodnář and Ryby; 0 elsewhere.
int modern_ruler(int sign) {
    switch (sign) {
        case 8: return kPluto;
        case 11: return kUran;
        case 12: return kNeptun;
        default: return 0;
    }
}

// Index of the value that leads (or lags) every other by at least `margin`; −1 when none.
// Of equal values the first is taken, so two equal leaders give none.
template <size_t N>
int leader(const std::array<int, N>& q, int margin, bool smallest) {
    size_t best = 0;
    for (size_t i = 1; i < N; ++i)
        if (smallest ? q[i] < q[best] : q[i] > q[best]) best = i;
    for (size_t i = 0; i < N; ++i)
        if (i != best && (smallest ? q[i] - q[best] : q[best] - q[i]) < margin) return -1;
    return static_cast<int>(best);
}

std::string traits(const Evaluation& ev) {
    std::string t;
    const int E = ev.polarita_znameni[0] + ev.polarita_domy[0];
    const int I = ev.polarita_znameni[1] + ev.polarita_domy[1];
    if (E - I > 2)
        t += E - I > 9   ? "Typ výrazně extrovertní. "
             : E - I > 5 ? "Typ středně extrovertní. "
                         : "Typ s mírně převažujícími extrovertními rysy. ";
    else if (I - E > 2)
        t += I - E > 9   ? "Typ výrazně introvertní. "
             : I - E > 5 ? "Typ středně introvertní. "
                         : "Typ s mírně převažujícími introvertními rysy. ";
    else
        t += "Typ s vyrovnaným podílem extrovertních a introvertních rysů. ";

    const int V = ev.vychod_zapad[0], Z = ev.vychod_zapad[1];
    const int D = ev.polarita_domy[0], N = ev.polarita_domy[1];
    if (V - Z > 3) t += "Člověk jednající velmi nezávisle a kladoucí důraz na svobodnou vůli. ";
    if (Z - V > 3) t += "Člověk v jednání podrobivý, bere ohledy na mínění druhých lidí. ";
    if (N - D > 3 && V - Z > 3) t += "Osoba nekompromisně chránící vlastní soukromí. ";
    if (N - D > 3 && Z - V > 3) t += "Osoba se značnou představivostí. Vůči druhým lidem je dosti reservovaná. ";
    if (D - N > 3 && Z - V > 3) t += "Osoba s velkými ambicemi, avšak nerozhodná. ";
    if (D - N > 3 && V - Z > 3) t += "Osoba s racionálním a nezávislým myšlením, často typ \"vzpurného rebela\". ";

    std::array<int, 3> q{};
    for (size_t i = 0; i < 3; ++i) q[i] = ev.kvalita_znameni[i] + ev.kvalita_domy[i];
    static constexpr std::array<const char*, 3> kQualityDominant{
        "Člověk iniciativní, aktivní, činorodý, samostatný, podnětný, avšak nestálý a přelétavý. ",
        "Člověk konzervativní, vzdorující změnám a novotám. ",
        "Člověk snažící se být užitečný, avšak nesoustředěný, přelétavý a neklidný. Má mnoho plánů, ale jen málo "
        "z nich dokáže dotáhnout až k úspěšnému konci. Jeho niterný život je však velmi bohatý. "};
    static constexpr std::array<const char*, 3> kQualityLacking{
        "Člověk málo iniciativní, málo aktivní. ", "Člověk nesnášející strnulost a lpění na tradicích. Má rád změnu. ",
        ""};
    if (const int i = leader(q, 4, false); i >= 0) t += kQualityDominant[at(i)];
    if (const int i = leader(q, 4, true); i >= 0) t += kQualityLacking[at(i)];

    std::array<int, 4> e{};
    for (size_t i = 0; i < 4; ++i) e[i] = ev.zivel_znameni[i] + ev.zivel_domy[i];
    static constexpr std::array<const char*, 4> kElementDominant{
        "Temperament cholerický. Člověk energický, nadšený, optimistický a rychle se rozhodující. Může být ale i "
        "sobecký, líný, arogantní, dokonce až násilnicky výbušný. ",
        "Temperament melancholický. Člověk praktický, opatrný, bez fantazie. Myšlení pomalé, ale intenzivní. "
        "Středem zájmu jsou práce a materiální potřeby. ",
        "Temperament sangvinický. Člověk velmi komunikativní, nadělá mnoho řečí, méně již dokáže naslouchat "
        "druhým. Je velice neklidný. Myšlení velmi rychlé, ale rovněž velmi povrchní. ",
        "Temperament flegmatický. Člověk v nitru emotivní, s bohatou fantazií, přízpůsobivý, snadno ovladatelný. "
        "Má zájem o hluboké otázky, o filozofii. "};
    static constexpr std::array<const char*, 4> kElementLacking{
        "Člověk apatický, lhostejný a s nedostatkem sebedůvěry. ", "Člověk nepraktický a nespolehlivý. ",
        "Člověk ne příliš komunikativní, nenadělá mnoho řečí, raději naslouchá druhým. ",
        "Člověk citově chladný, neschopný vcítit se do svého okolí. "};
    if (const int i = leader(e, 2, false); i >= 0) t += kElementDominant[at(i)];
    if (const int i = leader(e, 2, true); i >= 0) t += kElementLacking[at(i)];

    return t.empty() ? "Žádné dominantní znaky nebyly nalezeny." : t;
}

}  // namespace

Evaluation evaluate_natal(const ChartTable& chart, const AspectTable& aspects, const StarTable& stars) {
    Evaluation ev;
    auto lon = [&](int b) { return normalize(chart[at(b)].longitude); };
    auto sign = [&](int b) { return sign_of(lon(b)); };
    auto house = [&](int b) { return static_cast<int>(chart[at(b)].dum); };

    const int asc_sign = sign(kAsc);
    ev.chart_ruler_name = ruler_name(asc_sign);
    ev.chart_ruler_body = traditional_ruler(asc_sign);

    // Slunce and Měsíc weigh twice in every count.
    auto count_sign = [&](int s) {
        ++ev.kvalita_znameni[at((s - 1) % 3)];
        ++ev.zivel_znameni[at((s - 1) % 4)];
        ++ev.polarita_znameni[at((s - 1) % 2)];
    };
    // A body without a house (no cusps) is not counted.
    auto count_house = [&](int h) {
        if (h < 1 || h > 12) return;
        ++ev.kvalita_domy[at((h - 1) % 3)];
        ++ev.zivel_domy[at((h - 1) % 4)];
    };
    for (int b = kSlunce; b <= kVUzel; ++b) {
        count_sign(sign(b));
        count_house(house(b));
    }
    for (int b : {kSlunce, kMesic}) {
        count_sign(sign(b));
        count_house(house(b));
    }
    count_sign(sign(kAsc));
    count_sign(sign(kMc));

    const double asc = lon(kAsc), dsc = lon(kDsc), mc = lon(kMc), ic = lon(kIc);
    for (int b = kSlunce; b <= kVUzel; ++b) {
        const double l = lon(b);
        const std::uint8_t w = b <= kMesic ? 2 : 1;
        const bool night = asc < dsc ? (asc <= l && l < dsc) : (l >= asc || l < dsc);
        const bool west = mc > ic ? (ic <= l && l < mc) : (l >= ic || l < mc);
        ev.polarita_domy[night ? 1 : 0] = static_cast<std::uint8_t>(ev.polarita_domy[night ? 1 : 0] + w);
        ev.vychod_zapad[west ? 1 : 0] = static_cast<std::uint8_t>(ev.vychod_zapad[west ? 1 : 0] + w);
    }

    ev.dominant_traits = traits(ev);

    for (int p = kSlunce; p <= kPluto; ++p) {
        const PlanetRules& r = rules()[at(p)];
        TDignity& d = ev.dignities[at(p)];
        const int s = sign(p);
        const double l = lon(p);
        d.dom = has(r.dom, s);
        if (!d.dom) {
            const int q = traditional_ruler(s);
            if (has(r.dom, sign(q))) {
                d.recepce = 1;
                d.recepce_s = static_cast<std::uint8_t>(q);
            }
            if (const int m = modern_ruler(s); m != 0 && has(r.dom, sign(m))) {
                d.recepce = 1;
                d.recepce_s = static_cast<std::uint8_t>(m);
            }
        }
        d.povyseni = has(r.povyseni, s);
        if (!d.recepce) {
            d.pad = has(r.pad, s);
            d.exil = has(r.exil, s);
        }
        d.zivel = has(r.zivel, s);
        d.dekan = within(r.dekan, l);
        if (r.face >= 0)
            for (int k = 0; k <= 5 && !d.tvar; ++k) d.tvar = 70 * k + r.face <= l && l < 70 * k + r.face + 10;
        d.hranice = within(r.hranice, l);
        d.peregrin = !(d.dom || d.povyseni || d.exil || d.pad || d.recepce || d.dekan || d.tvar);
    }

    const double sun = lon(kSlunce);
    for (int p = kSlunce; p <= kPluto; ++p) {
        const TDignity& d = ev.dignities[at(p)];
        const TChartRow& row = chart[at(p)];
        int pts = 0;
        pts += d.dom ? 5 : 0;
        pts += d.povyseni ? 4 : 0;
        pts -= d.exil ? 5 : 0;
        pts -= d.pad ? 4 : 0;
        pts += d.recepce ? 5 : 0;
        pts += d.zivel ? 3 : 0;
        pts += d.dekan ? 3 : 0;
        pts += d.tvar ? 1 : 0;
        pts += d.hranice ? 2 : 0;
        pts -= d.peregrin ? 5 : 0;
        pts += row.speed > 1 ? 2 : -2;
        pts += row.retrograde ? -5 : 4;
        switch (house(p)) {
            case 4: case 7: case 11: pts += 4; break;
            case 2: case 5: pts += 3; break;
            case 9: pts += 2; break;
            case 3: pts += 1; break;
            case 12: pts -= 5; break;
            case 6: case 8: pts -= 4; break;
            default: break;  // 1, 10, and 0 for a body without a house
        }
        if (p == kMesic) pts += normalize(lon(kMesic) - sun) < 180 ? 2 : -2;
        if (p != kSlunce) {
            const double dist = arc_distance(lon(p), sun);
            pts += dist <= 4.0 / 15 ? 5 : dist < 7 ? -5 : dist < 12 ? -4 : 5;
        }
        auto code = [&](int b) { return aspects[at(p)][at(b)].kod; };
        pts += code(kVUzel) == 1 ? 3 : code(kVUzel) == 5 ? -3 : 0;
        for (int b : {kVenuse, kJupiter})
            if (b != p) pts += code(b) == 1 ? 5 : code(b) == 2 ? 3 : code(b) == 4 ? 4 : 0;
        for (int b : {kMars, kSaturn})
            if (b != p) pts += code(b) == 1 ? -5 : code(b) == 3 ? -3 : code(b) == 5 ? -4 : 0;
        // Spica, Regulus, Algol.
        if (stars[at(p)][38] >= 0) pts += 5;
        if (stars[at(p)][33] >= 0) pts += 6;
        if (stars[at(p)][10] >= 0) pts -= 4;
        ev.planet_points[at(p)] = static_cast<std::int8_t>(pts);
        ev.total_points += pts;
    }
    return ev;
}

std::string dignity_marks(const TDignity& d) {
    std::string t;
    if (d.dom) t += "Dom ";
    if (d.recepce) t += "Rec" + std::to_string(d.recepce_s) + " ";
    if (d.povyseni) t += "Po ";
    if (d.pad) t += "Pád ";
    if (d.exil) t += "Ex ";
    if (d.zivel) t += "Živ ";
    if (d.dekan) t += "Dek ";
    if (d.tvar) t += "Tv ";
    if (d.hranice) t += "Hr ";
    if (d.peregrin) t += "Per ";
    return t;
}

}  // namespace sidora::horoscope
