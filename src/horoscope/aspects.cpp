#include "horoscope/aspects.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace sidora::horoscope {
namespace {

using std::size_t;

constexpr int kMajorFirst = 1, kMajorLast = 5, kMinorFirst = 6, kMinorLast = 14;
constexpr int kParallelRow = 10, kPointRow = 11, kStarRow = 12;
constexpr std::uint8_t kLatParallel = 15, kLatContra = 16, kDeclParallel = 17, kDeclContra = 18;

size_t at(int i) { return static_cast<size_t>(i); }

const data::TMinorOrb& row(const data::OrbTables& orbs, int r) { return orbs.minor_orbs[at(r)]; }
bool row_on(const data::OrbTables& orbs, int r) { return row(orbs, r).nepouzivat == 0; }

// The first code of first..last whose deviation lies within its orb; a closer aspect
// later in the order does not replace it. orb_of(k) < 0 skips code k.
template <class OrbOf>
TAspectCell first_match(double d, int first, int last, const data::AspectDefs& defs, OrbOf orb_of) {
    for (int k = first; k <= last; ++k) {
        const double orb = orb_of(k);
        if (orb < 0) continue;
        const double dev = std::fabs(d - defs[at(k)].uhel);
        if (dev <= orb) return {static_cast<std::uint8_t>(k), dev};
    }
    return {};
}

// The orb of a minor code, or −1 when its row is switched off.
double minor_orb(const data::OrbTables& orbs, int code) {
    const int r = code - kMinorFirst + 1;
    return row_on(orbs, r) ? row(orbs, r).orbis : -1;
}

// Černá Luna, Vertex/Antivertex and the asteroids each have one orb of their own.
double point_orb(const data::OrbTables& orbs, int body) {
    if (body == kCernaLuna) return orbs.point_orbs[1];
    if (body == kVertex || body == kAntivertex) return orbs.point_orbs[2];
    return orbs.point_orbs[3];
}

void clear_codes(AspectTable& t) {
    for (auto& r : t)
        for (auto& c : r) c = {};
}

}  // namespace

Present present_bodies(const data::OrbTables& orbs, const std::array<bool, 6>& asteroid_present) {
    Present p{};
    for (int b = 1; b <= kChartBodies; ++b) p[at(b)] = true;
    const auto& ex = orbs.point_exclusions;
    // point_exclusions: 1 Černá Luna, 2 Vertex, 3 Chiron, 4 Ceres, 5 Pallas, 6 Juno, 7 Vesta.
    if (ex[1] != 0) p[kCernaLuna] = false;
    if (ex[2] != 0) p[kVertex] = p[kAntivertex] = false;
    constexpr std::array<std::pair<int, int>, 5> kAsteroidFlag{
        {{kCeres, 4}, {kPallas, 5}, {kJuno, 6}, {kVesta, 7}, {kChiron, 3}}};
    for (size_t i = 0; i < kAsteroidFlag.size(); ++i) {
        const auto [body, flag] = kAsteroidFlag[i];
        // asteroid_present 1..5 is Ceres … Chiron, the order of the element files.
        if (ex[at(flag)] != 0 || !asteroid_present[i + 1]) p[at(body)] = false;
    }
    return p;
}

AspectTable find_aspects(const ChartTable& chart, const data::OrbTables& orbs, const data::AspectDefs& defs,
                         const Present& present) {
    return find_aspects_between(chart, present, chart, present, orbs, defs);
}

AspectTable find_aspects_between(const ChartTable& first, const Present& first_present, const ChartTable& second,
                                 const Present& second_present, const data::OrbTables& orbs,
                                 const data::AspectDefs& defs) {
    AspectTable t{};
    auto lon_a = [&](int b) { return first[at(b)].longitude; };
    auto lon_b = [&](int b) { return second[at(b)].longitude; };
    // An uncomputable angle is no place in the zodiac.
    auto in_a = [&](int b) { return first_present[at(b)] && lon_a(b) != kNone; };
    auto in_b = [&](int b) { return second_present[at(b)] && lon_b(b) != kNone; };

    // Planets with planets, nodes and angles, each pair with its own major orb.
    for (int a = kSlunce; a <= kPluto; ++a) {
        if (!in_a(a)) continue;
        for (int b = kSlunce; b <= kIc; ++b) {
            if (!in_b(b)) continue;
            const double d = arc_distance(lon_a(a), lon_b(b));
            const double major = orbs.orb_matrix[at(a)][at(b)];
            TAspectCell c = first_match(d, kMajorFirst, kMajorLast, defs, [&](int) { return major; });
            if (c.kod == 0) c = first_match(d, kMinorFirst, kMinorLast, defs, [&](int k) { return minor_orb(orbs, k); });
            t[at(a)][at(b)] = c;
        }
    }

    // Pairs with a point 17..24: one orb for all codes, the larger one of two points.
    auto point_pair = [&](int a, int b) {
        if (!in_a(a) || !in_b(b)) return;
        double orb = a >= kCernaLuna ? point_orb(orbs, a) : 0;
        if (b >= kCernaLuna) orb = std::max(orb, point_orb(orbs, b));
        const double d = arc_distance(lon_a(a), lon_b(b));
        t[at(a)][at(b)] = first_match(d, kMajorFirst, kMinorLast, defs, [&](int k) {
            return k <= kMajorLast || row_on(orbs, k - kMinorFirst + 1) ? orb : -1;
        });
    };
    for (int a = kSlunce; a <= kPluto; ++a)
        for (int b = kCernaLuna; b <= kChiron; ++b) point_pair(a, b);
    for (int a = kCernaLuna; a <= kChiron; ++a)
        for (int b = kSlunce; b <= kChiron; ++b) point_pair(a, b);
    return t;
}

void find_parallels(const ChartTable& chart, const data::OrbTables& orbs, const Present& present,
                    AspectTable& lat, AspectTable& decl) {
    clear_codes(lat);
    clear_codes(decl);
    if (!row_on(orbs, kParallelRow)) return;
    const double o = row(orbs, kParallelRow).orbis;

    // Same sign within the orb: parallel; opposite signs with equal size: contraparallel.
    // A value of exactly 0 has no sign and forms neither.
    auto parallel = [](double x, double y, double orb, std::uint8_t same, std::uint8_t contra) -> TAspectCell {
        if ((x > 0 && y > 0) || (x < 0 && y < 0)) {
            const double dev = std::fabs(x - y);
            if (dev <= orb) return {same, dev};
        } else if ((x > 0 && y < 0) || (x < 0 && y > 0)) {
            const double dev = std::fabs(std::fabs(x) - std::fabs(y));
            if (dev <= orb) return {contra, dev};
        }
        return {};
    };

    // Latitudes: the planets and the asteroids, with half the orb.
    auto in_lat = [&](int b) { return present[at(b)] && (b <= kPluto || b >= kCeres); };
    for (int a = kSlunce; a <= kChiron; ++a) {
        if (!in_lat(a)) continue;
        for (int b = kSlunce; b <= kChiron; ++b) {
            if (b == a || !in_lat(b)) continue;
            lat[at(a)][at(b)] = parallel(chart[at(a)].latitude, chart[at(b)].latitude, o / 2, kLatParallel, kLatContra);
        }
    }
    // Declinations: the planets only, with the full orb.
    for (int a = kSlunce; a <= kPluto; ++a)
        for (int b = kSlunce; b <= kPluto; ++b)
            if (b != a)
                decl[at(a)][at(b)] =
                    parallel(chart[at(a)].declination, chart[at(b)].declination, o, kDeclParallel, kDeclContra);
}

PointAspectTable find_point_aspects(const ChartTable& chart, const SensitivePoints& points,
                                    const data::OrbTables& orbs, const data::AspectDefs& defs,
                                    const Present& present) {
    PointAspectTable t{};
    if (!row_on(orbs, kPointRow)) return t;
    const double o = row(orbs, kPointRow).orbis;
    for (int a = kSlunce; a <= kChiron; ++a) {
        if (!present[at(a)]) continue;
        for (int p = 1; p <= kSensitivePoints; ++p) {
            // A point without a position is no place in the zodiac.
            if (points[at(p)].lon >= kNone) continue;
            const double d = arc_distance(chart[at(a)].longitude, points[at(p)].lon);
            t[at(a)][at(p)] = first_match(d, kMajorFirst, kMajorLast, defs, [&](int) { return o; });
        }
    }
    return t;
}

StarTable find_star_conjunctions(const ChartTable& chart, const FixedStars& stars, const data::OrbTables& orbs,
                                 const Present& present) {
    StarTable t{};
    for (auto& r : t) r.fill(-1);
    if (!row_on(orbs, kStarRow)) return t;
    const double o = row(orbs, kStarRow).orbis;
    for (int a = kSlunce; a <= kChiron; ++a) {
        if (!present[at(a)]) continue;
        for (int s = 1; s <= kFixedStars; ++s) {
            const double d = arc_distance(chart[at(a)].longitude, stars[at(s)].lon);
            if (d <= o) t[at(a)][at(s)] = d;
        }
    }
    return t;
}

Colour aspect_colour(int code, Colour fallback) {
    switch (code) {
        case 1: return {0, 0, 255};
        case 2: return {255, 0, 255};
        case 3: return {0, 0, 128};
        case 4: return {128, 0, 128};
        case 5: return {255, 0, 0};
        default: return code >= 6 && code <= 100 ? Colour{} : fallback;
    }
}

}  // namespace sidora::horoscope
