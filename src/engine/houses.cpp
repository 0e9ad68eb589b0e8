// Ascendant, midheaven and the cusps of sixteen house systems; the house of every body.
#include <array>
#include <cmath>

#include "engine/angles.h"
#include "engine/engine_state.h"
#include "engine/frames.h"

namespace sidora::engine {
namespace {

constexpr double kDeg = kPi / 180.0;

double reduce(double x) { return normalize_deg(x); }

// Whether x lies on the shorter arc between b and c.
bool in_shorter_arc(double x, double b, double c) {
    b = reduce(b);
    c = reduce(c);
    x = reduce(x);
    const double lo = std::min(b, c), hi = std::max(b, c);
    return hi - lo >= 180 ? (x >= hi || x <= lo) : (lo <= x && x <= hi);
}

// Strictly between two points going forward from the first.
bool strictly_between(double x, double from, double to) {
    if (to < from) to += 360;
    return (from < x && x < to) || (from < x + 360 && x + 360 < to);
}

// Ecliptic longitude (degrees) of the point with a right ascension (radians).
double ecliptic_of_ra(double ra, double eps) { return reduce(std::atan2(std::sin(ra), std::cos(ra) * std::cos(eps)) / kDeg); }

}  // namespace

const std::string& house_system_name(int index) {
    static const std::array<std::string, 16> kNames = {
        "Placidus",      "Regiomontanus",   "Campanus",       "Koch",
        "Ekv. \"přirozený\"", "Ekv. \"antický\"", "Ekv. \"indický\"", "Ekv. klasický",
        "M-domy",        "Solární domy",    "Zodiakální domy", "user houses",
        "Zemské domy",   "Měsíční domy",    "Sluneční domy",  "Nodální domy"};
    static const std::string kNone;
    return index >= 0 && index < 16 ? kNames[static_cast<std::size_t>(index)] : kNone;
}

HouseTable house_systems(double ramc, double phi, double eps_rad, bool quadrants, double sun, double moon,
                         double node) {
    HouseTable house_table{};
    const double eps = eps_rad / kDeg;
    const double phi_rad = phi * kDeg;
    ramc = reduce(ramc);
    const double ramc_rad = ramc * kDeg;

    // Midheaven.
    double mc = std::atan2(std::sin(ramc_rad), std::cos(ramc_rad) * std::cos(eps_rad)) / kDeg;
    mc = reduce(mc);
    const double ic = reduce(mc + 180);

    // Ascendant: the ecliptic point rising in the east.
    const double asc = reduce(std::atan2(std::cos(ramc_rad),
                                         -(std::sin(ramc_rad) * std::cos(eps_rad) + std::tan(phi_rad) * std::sin(eps_rad))) / kDeg);
    const double dsc = reduce(asc + 180);

    for (auto& sys : house_table) {
        sys[12] = asc;
        sys[13] = mc;
        sys[14] = dsc;
        sys[15] = ic;
    }

    quadrants = quadrants && std::fabs(phi) + eps < 90;

    auto set_opposites = [](std::array<double, 16>& c) {
        c[4] = reduce(c[10] + 180);  // cusp 5 = cusp 11 + 180
        c[5] = reduce(c[11] + 180);
        c[7] = reduce(c[1] + 180);
        c[8] = reduce(c[2] + 180);
    };
    auto set_angles = [&](std::array<double, 16>& c) {
        c[0] = asc;
        c[3] = ic;
        c[6] = dsc;
        c[9] = mc;
    };
    // Order repair of the pole systems.
    auto repair = [](std::array<double, 16>& c) {
        if (c[2] < c[1] && c[1] - c[2] < 180) {
            c[2] = reduce(c[2] + 90);
            c[8] = reduce(c[2] + 180);
        }
        if (c[5] < c[4] && c[4] - c[5] < 180) {
            c[5] = reduce(c[5] + 90);
            c[11] = reduce(c[5] + 180);
        }
    };
    // A cusp through a house circle of pole P at RAMC + offset.
    auto cusp_by_pole = [&](double offset, double P, double from, double to) {
        double theta = ramc + offset;
        if (theta >= 360) theta -= 360;
        const double t = theta * kDeg;
        double Z = t;
        while (Z > kPi / 2) Z -= kPi;
        const double A = std::cos(Z) == 0 ? kPi / 2 : std::atan(std::tan(P) / std::cos(Z));
        const bool first_or_last = (t >= 0 && t <= kPi / 2) || (t >= 3 * kPi / 2 && t <= kTwoPi);
        const double D = first_or_last ? eps_rad + A : A - eps_rad;
        double L = std::fmod(std::atan(std::tan(Z) * std::cos(A) / std::cos(D)) / kDeg, 180.0);
        if (L < 0) L += 180;
        while (!strictly_between(L, from, to) && L <= 1000) L += 180;
        return reduce(L);
    };

    for (int s = 0; s <= 3; ++s) {
        auto& c = house_table[static_cast<std::size_t>(s)];
        if (!quadrants) {
            for (int i = 0; i < 12; ++i) c[static_cast<std::size_t>(i)] = kNoCusp;
            continue;
        }
        if (s == 0) {
            // Placidus: each cusp divides its own point's semi-arc (iterated to convergence).
            auto placidus = [&](double fraction, bool above) {
                double ra = ramc_rad + (above ? fraction * kPi / 2 : kPi - fraction * kPi / 2);
                for (int i = 0; i < 100; ++i) {
                    const double lam = std::atan2(std::sin(ra), std::cos(ra) * std::cos(eps_rad));
                    const double dec = safe_asin(std::sin(eps_rad) * std::sin(lam));
                    const double dsa = safe_acos(-std::tan(phi_rad) * std::tan(dec));
                    const double next = above ? ramc_rad + fraction * dsa : ramc_rad + kPi - fraction * (kPi - dsa);
                    const bool done = std::fabs(next - ra) < 1e-12;
                    ra = next;
                    if (done) break;
                }
                return ecliptic_of_ra(ra, eps_rad);
            };
            c[10] = placidus(1.0 / 3, true);
            c[11] = placidus(2.0 / 3, true);
            c[1] = placidus(2.0 / 3, false);
            c[2] = placidus(1.0 / 3, false);
        } else if (s == 1 || s == 2) {
            double a1 = 30, a2 = 60, P1, P2;
            if (s == 1) {
                P1 = std::atan(std::tan(phi_rad) * std::sin(30 * kDeg));
                P2 = std::atan(std::tan(phi_rad) * std::sin(60 * kDeg));
            } else {
                a1 = std::atan(std::tan(30 * kDeg) * std::cos(phi_rad)) / kDeg;
                a2 = std::atan(std::tan(60 * kDeg) * std::cos(phi_rad)) / kDeg;
                P1 = std::atan(std::tan(phi_rad) * std::sin(a1 * kDeg));
                P2 = std::atan(std::tan(phi_rad) * std::sin(a2 * kDeg));
            }
            c[10] = cusp_by_pole(a1, P1, mc, asc);
            c[11] = cusp_by_pole(a2, P2, mc, asc);
            c[1] = cusp_by_pole(180 - a2, P2, asc, dsc);
            c[2] = cusp_by_pole(180 - a1, P1, asc, dsc);
        }
        if (s <= 2) {
            set_angles(c);
            set_opposites(c);
            repair(c);
            continue;
        }
        // Koch, in radians.
        const double dm = safe_asin(std::sin(mc * kDeg) * std::sin(eps_rad));
        const double am = safe_asin(std::tan(dm) * std::tan(phi_rad));
        const double om = ramc_rad - am;
        double k = (ramc_rad + kPi / 2 - om) / 3;
        if (k < 0) k += kTwoPi;
        auto f = [&](double x) {
            return std::atan(-std::cos(x) / (std::tan(phi_rad) * std::sin(eps_rad) + std::sin(x) * std::cos(eps_rad)));
        };
        const double x11 = om + k - kPi / 2, x12 = x11 + k, x1 = x12 + k, x2 = x1 + k, x3 = x2 + k;
        auto place = [&](double v, double b, double cc) {
            return in_shorter_arc(v / kDeg, b, cc) ? v : v + kPi;
        };
        const double c11 = place(f(x11), asc, mc);
        const double c12 = place(f(x12), asc, c11 / kDeg);
        const double c2 = place(f(x2), ic, c12 / kDeg);
        const double c3 = place(f(x3), ic, c2 / kDeg);
        const double c1 = place(f(x1), c12 / kDeg, c2 / kDeg);
        const double rad[12] = {c1, c2, c3, mc * kDeg + kPi, c11 + kPi, c12 + kPi,
                                c1 + kPi, c2 + kPi, c3 + kPi, mc * kDeg, c11, c12};
        for (std::size_t i = 0; i < 12; ++i) c[i] = reduce(rad[i] / kDeg);
    }

    auto equal_from = [](std::array<double, 16>& c, double first) {
        for (std::size_t n = 0; n < 12; ++n) c[n] = reduce(first + 30.0 * static_cast<double>(n));
    };
    equal_from(house_table[4], asc);
    equal_from(house_table[5], asc - 15);
    {
        auto& c = house_table[6];
        double arc = asc - mc;
        if (arc < 0) arc += 360;
        const double q1 = (180 - arc) / 3;
        c[0] = asc;
        c[1] = reduce(asc + q1);
        c[2] = reduce(asc + 2 * q1);
        c[3] = reduce(mc + 180);
        const double q2 = (180 - 3 * q1) / 3;
        c[4] = reduce(c[3] + q2);
        c[5] = reduce(c[3] + 2 * q2);
        c[6] = reduce(asc + 180);
        c[7] = reduce(c[1] + 180);
        c[8] = reduce(c[2] + 180);
        c[10] = reduce(c[4] + 180);
        c[11] = reduce(c[5] + 180);
        c[9] = mc;
    }
    equal_from(house_table[7], 30 * std::floor(asc / 30));
    equal_from(house_table[8], mc + 90);  // cusp 10 = MC
    equal_from(house_table[9], sun);
    equal_from(house_table[10], 0);
    equal_from(house_table[11], asc + 60);  // cusp 11 = ASC
    equal_from(house_table[12], 180);
    equal_from(house_table[13], moon);
    equal_from(house_table[14], sun + 270);  // the Sun on cusp 4
    equal_from(house_table[15], node);
    return house_table;
}

void Engine::compute_houses(unsigned day, unsigned month, unsigned year, int lat_deg, int lat_min, bool north,
                            int lon_deg, int lon_min, bool east, int zone_offset, int zone_minutes) {
    const double eps_rad = mean_obliquity(day, month, year, 12, 0, 0, zone_offset, zone_minutes);
    const double phi = (lat_deg + lat_min / 60.0) * (north ? 1 : -1);
    // The quadrant systems also need a Sun that rises and sets on the date. The Sun's day
    // overwrites the Sun's row: keep the moment's positions for the equal systems.
    const double sun = body_table[kSun].longitude, moon = body_table[kMoon].longitude,
                 node = body_table[kNorthNode].longitude;
    const TBodyRow sun_row = body_table[kSun];
    const std::uint8_t mode = rise_mode;
    rise_mode = 0;
    sun_day(day, month, year, lat_deg, lat_min, lon_deg, lon_min, north, east, false, zone_offset, zone_minutes);
    rise_mode = mode;
    body_table[kSun] = sun_row;
    const bool sun_rises_and_sets = day_length_text != "0 hodin" && day_length_text != "24 hodin";
    house_table = house_systems(sidereal_degrees, phi, eps_rad, sun_rises_and_sets, sun, moon, node);
    body_table[kAscendant].longitude = house_table[0][12];
    body_table[kMidheaven].longitude = house_table[0][13];
    sidereal_degrees = house_table[0][13];
}

void Engine::house_of_bodies(int house_system) {
    const auto& c = house_table[static_cast<std::size_t>(house_system - 1)];
    // Without cusps (a quadrant system where the Sun or the ecliptic does not rise) a body
    // has no house at all.
    const bool no_cusps = c[0] == kNoCusp;
    for (int b = kMoon; b <= kSpareRow; ++b) {
        const double lon = body_table[b].longitude;
        if (no_cusps) {
            body_table[b].dum = 0;
            continue;
        }
        int house = 12;
        for (std::size_t n = 0; n < 11; ++n) {
            const double from = c[n], to = c[n + 1];
            const bool inside = from <= to ? (from <= lon && lon < to) : (lon >= from || lon < to);
            if (inside) {
                house = static_cast<int>(n) + 1;
                break;
            }
        }
        body_table[b].dum = static_cast<std::uint8_t>(house);
    }
}

}  // namespace sidora::engine
