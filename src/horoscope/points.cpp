#include "horoscope/points.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/frames.h"

namespace sidora::horoscope {
namespace {

constexpr double kDeg = engine::kPi / 180.0;

}  // namespace

double compute_vertex(engine::Engine& engine, int lat_deg, int lat_min, bool north, int day, int month, int year,
                      int zone_offset) {
    const auto u = [](int v) { return static_cast<unsigned>(v); };
    const double eps = engine::mean_obliquity(u(day), u(month), u(year), 12, 0, 0, zone_offset, 0);
    const double ramc = engine.sidereal_degrees * kDeg;
    const double phi = (lat_deg + lat_min / 60.0) * (north ? 1 : -1) * kDeg;
    // The ascendant of the co-latitude at the opposite sidereal time, with cot φ multiplied
    // through by sin φ: no tangent of a right angle at sidereal time 0° or 180°, no division
    // at the equator. The sign this flips is settled by the choice of half below.
    double v = std::atan2(-std::cos(ramc) * std::sin(phi),
                          std::sin(ramc) * std::cos(eps) * std::sin(phi) - std::cos(phi) * std::sin(eps)) /
               kDeg;
    // The Vertex lies in the western half, from the IC forward to the MC.
    const double mc = std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps)) / kDeg;
    const double from_ic = normalize(v - (mc + 180));
    if (!(from_ic > 0 && from_ic < 180)) v += 180;
    v = normalize(v);
    engine.body_table[engine::kVertex].longitude = v;
    engine.body_table[engine::kAntivertex].longitude = normalize(v + 180);
    return eps / kDeg;
}

const std::array<const char*, kSensitivePoints + 1> sensitive_point_names = {
    "",
    "sourozenců",
    "smrti",
    "sporů a procesů",
    "víry a důvěry",
    "otce",
    "dcery",
    "štěstí",
    "štěstí v manželství",
    "přátel",
    "zboží",
    "úctyhodnosti",
    "vězení a zármutku",
    "dědictví",
    "cest po vodě",
    "lásky sourozenců",
    "zaměstnání",
    "syna",
    "manželství",
    "obchodu",
    "matky",
    "ušlechtilosti a cti",
    "nebezpečného roku",
    "her",
    "soukromých přátel",
    "vzdělání",
    "nemoci",
    "poroby a omezení",
    "ducha",
    "cest po souši",
    "inteligence",
    "lásky",
    "okultismu",
    "dětí",
    "umění",
    "slávy",
    "jmění",
    "povolání",
};

const std::array<int, kSensitivePoints> sensitive_point_order = {
    7, 5, 20, 1, 15, 31, 18, 8, 33, 17, 6, 9, 24, 16, 37, 27, 26, 2, 36,
    13, 10, 3, 19, 25, 28, 30, 32, 34, 35, 21, 23, 4, 12, 11, 14, 22, 29};

SensitivePoints compute_sensitive_points(const ChartTable& chart, const HouseRulers& rulers,
                                         const HouseRow& houses) {
    const auto lon = [&](int body) { return chart[static_cast<std::size_t>(body)].longitude; };
    const auto cusp = [&](int n) { return houses[static_cast<std::size_t>(n - 1)]; };
    // The first ruler's longitude; kNone when the house has no ruler (no cusps).
    const auto ruler = [&](int house) {
        const int body = rulers[static_cast<std::size_t>(house)].vladce;
        return body >= 1 && body <= kChartBodies ? lon(body) : kNone;
    };
    const double asc = lon(kAsc), mc = lon(kMc);
    const double sun = lon(kSlunce), moon = lon(kMesic), mercury = lon(kMerkur), venus = lon(kVenuse),
                 mars = lon(kMars), jupiter = lon(kJupiter), saturn = lon(kSaturn), uranus = lon(kUran),
                 neptune = lon(kNeptun);
    // A point built from a missing cusp or ruler has no position itself.
    const auto from = [](double sum, std::initializer_list<double> used) {
        for (double v : used) {
            if (v == kNone) return kNone;
        }
        return sum;
    };

    std::array<double, kSensitivePoints + 1> p{};
    p[1] = asc + jupiter - saturn;
    p[2] = from(asc + cusp(8) - moon, {cusp(8)});
    p[3] = asc + jupiter - mars;
    p[4] = asc + mercury - moon;
    p[5] = asc + sun - saturn;
    p[6] = asc + venus - moon;
    p[7] = asc + moon - sun;
    p[8] = asc + saturn - moon;
    p[9] = asc + moon - uranus;
    p[10] = from(asc + cusp(2) - ruler(2), {cusp(2), ruler(2)});
    p[11] = asc + sun - p[7];
    p[12] = asc + p[7] - neptune;
    p[13] = asc + moon - saturn;
    p[14] = asc + 105 - saturn;
    p[15] = asc + saturn - sun;
    p[16] = asc + moon - saturn;
    p[17] = asc + jupiter - moon;
    p[18] = from(asc + cusp(7) - venus, {cusp(7)});
    p[28] = asc + sun - moon;
    p[19] = asc + p[7] - p[28];
    p[20] = asc + moon - venus;
    p[21] = asc + 19 - sun;
    p[22] = from(asc + ruler(8) - saturn, {ruler(8)});
    p[23] = asc + venus - mars;
    p[24] = from(asc + cusp(12) - ruler(12), {cusp(12), ruler(12)});
    p[25] = asc + moon - mercury;
    p[26] = asc + mars - saturn;
    p[27] = asc + moon - lon(traditional_ruler(sign_of(moon)));
    p[29] = from(asc + cusp(9) - ruler(9), {cusp(9), ruler(9)});
    p[30] = asc + mars - mercury;
    p[31] = asc + venus - sun;
    p[32] = asc + neptune - uranus;
    p[33] = asc + saturn - jupiter;
    p[34] = asc + mercury - venus;
    p[35] = asc + jupiter - sun;
    p[36] = from(asc + ruler(2), {ruler(2)});
    p[37] = mc + moon - sun;

    SensitivePoints out{};
    for (std::size_t n = 1; n <= kSensitivePoints; ++n) {
        if (p[n] == kNone) continue;  // out keeps kNone and house 0
        out[n].lon = normalize(p[n]);
        out[n].dum = static_cast<std::uint8_t>(house_of_longitude(out[n].lon, houses));
    }
    return out;
}

int house_of_longitude(double lon, const HouseRow& houses) {
    if (lon == kNone) return 0;
    for (std::size_t n = 0; n < 12; ++n) {
        if (houses[n] == kNone) return 0;
    }
    for (std::size_t n = 0; n < 11; ++n) {
        const double from = houses[n], to = houses[n + 1];
        const bool inside = from <= to ? (from <= lon && lon < to) : (lon >= from || lon < to);
        if (inside) return static_cast<int>(n) + 1;
    }
    return 12;
}

const FixedStars& star_catalogue() {
    static const FixedStars catalogue = [] {
        struct Entry {
            const char* name;
            int deg, min;
        };
        // Longitudes of 1980.0, increasing.
        static constexpr Entry kStars[kFixedStars] = {
            {"Deneb Kaitos", 2, 18},       {"Algenib", 8, 53},          {"Sirrah", 14, 11},
            {"Baten Kaitos", 21, 37},      {"Mirach", 30, 7},           {"Sheratan", 33, 41},
            {"Hamal", 37, 22},             {"Alamak", 43, 41},          {"Menkar", 44, 2},
            {"Algol", 55, 53},             {"Alcyone", 59, 42},         {"Hyades", 65, 40},
            {"Aldebaran", 69, 30},         {"Rigel", 76, 33},           {"Bellatrix", 80, 40},
            {"Capella", 81, 34},           {"Mintaka", 82, 5},          {"Nath", 82, 17},
            {"Alnilam", 83, 12},           {"Polaris", 88, 17},         {"Betelgeuse", 88, 28},
            {"Alhena", 98, 49},            {"Sirius", 103, 59},         {"Canopus", 104, 41},
            {"Propus", 108, 41},           {"Castor", 109, 58},         {"Pollux", 112, 57},
            {"Procyon", 115, 31},          {"Praesepe", 127, 4},        {"Asellus Borealis", 127, 16},
            {"Asellus Australis", 128, 26}, {"Alfard", 147, 0},         {"Regulus", 149, 33},
            {"Zosma", 161, 2},             {"Denebola", 171, 20},       {"Vindemiatrix", 189, 40},
            {"Algorab", 193, 10},          {"Spica", 203, 33},          {"Arcturus", 203, 55},
            {"Acrux", 221, 36},            {"Alphecca", 222, 0},        {"Kiffa Australis", 224, 48},
            {"Kiffa Borealis", 229, 5},    {"Unuk Elhaia", 231, 46},    {"Agena", 233, 33},
            {"Bungula", 239, 18},          {"Acrab", 242, 54},          {"Antares", 249, 29},
            {"Rastaban", 251, 40},         {"Ras Alhague", 262, 10},    {"Lesath", 263, 45},
            {"Sinistra", 269, 28},         {"Vega", 285, 2},            {"Deneb", 289, 31},
            {"Albireo", 300, 58},          {"Altair", 301, 29},         {"Giedi", 303, 32},
            {"Dabih", 303, 46},            {"Deneb Algiedi", 323, 16},  {"Sadalmelek", 333, 4},
            {"Fomalhaut", 333, 34},        {"Deneb Adige", 335, 4},     {"Achernar", 345, 0},
            {"Markeb", 353, 12},           {"Scheat", 359, 5},
        };
        FixedStars stars{};
        for (std::size_t i = 0; i < kFixedStars; ++i) {
            stars[i + 1].name = kStars[i].name;
            stars[i + 1].lon = kStars[i].deg + kStars[i].min / 60.0;
        }
        return stars;
    }();
    return catalogue;
}

FixedStars precess_stars(int day, int month, int year) {
    const auto u = [](int v) { return static_cast<unsigned>(v); };
    // Calendar days count here; the zone only nudges the century term by a hair.
    const double shift = (engine::precession_since_2000(u(day), u(month), u(year), 0, 0) -
                          engine::precession_since_2000(1, 1, 1980, 0, 0)) /
                         kDeg;
    FixedStars stars = star_catalogue();
    for (std::size_t i = 1; i <= kFixedStars; ++i) stars[i].lon = normalize(stars[i].lon + shift);
    return stars;
}

}  // namespace sidora::horoscope
