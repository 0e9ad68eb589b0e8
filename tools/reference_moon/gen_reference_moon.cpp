// Reference table of the Moon's rising and setting on every day of a year at a
// northern, a southern and a far northern place, from the Swiss Ephemeris. See README.md beside
// this file.
//
// Usage: gen_reference_moon EPHE_DIR MOON_RISE_SET.csv

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr double kDeg = M_PI / 180.0;
constexpr int kYear = 2026;
constexpr int32_t kFlags = SEFLG_SWIEPH | SEFLG_NONUT | SEFLG_EQUATORIAL;

struct Place {
    const char* name;
    int lat_deg, lat_min, north, lon_deg, lon_min, east, zone;
    double lat() const { return (lat_deg + lat_min / 60.0) * (north ? 1 : -1); }
    double lon() const { return (lon_deg + lon_min / 60.0) * (east ? 1 : -1); }
};

constexpr Place kPlaces[] = {
    {"Praha", 50, 5, 1, 14, 25, 1, 1},
    {"Sydney", 33, 52, 0, 151, 13, 1, 10},
    // North of the polar circle the Moon stays up or down for days, and may rise twice on
    // one date.
    {"Tromso", 69, 39, 1, 18, 57, 1, 1},
};

int failures = 0;

void check(bool ok, const char* what, double figure) {
    std::printf("  %-62s %14.6f  %s\n", what, figure, ok ? "ok" : "FAIL");
    if (!ok) ++failures;
}

[[noreturn]] void die(const char* what, const char* err) {
    std::fprintf(stderr, "%s: %s\n", what, err);
    std::exit(1);
}

// Greenwich mean sidereal time (IAU 1982) in degrees of a UT Julian day.
double gmst_deg(double jd) {
    const double jd0 = std::floor(jd - 0.5) + 0.5;
    const double T = (jd0 - 2451545.0) / 36525.0;
    const double seconds = 24110.54841 + 8640184.812866 * T + 0.093104 * T * T - 6.2e-6 * T * T * T +
                           1.00273790935 * (jd - jd0) * 86400.0;
    return std::fmod(seconds / 240.0, 360.0);
}

struct RaDec {
    double ra, dec;  // degrees
};

RaDec moon_at(double jd) {
    double xx[6];
    char err[AS_MAXCH];
    const int32_t rc = swe_calc(jd, SE_MOON, kFlags, xx, err);
    if (rc < 0) die("swe_calc", err);
    // Only the ephemeris files, never the built-in fallback theory.
    if (!(rc & SEFLG_SWIEPH)) die("swe_calc", "the Moon's ephemeris file (semo_*.se1) was not used");
    return {xx[0], xx[1]};
}

// Geometric altitude of the Moon's centre seen from the Earth's centre, degrees.
double altitude(double jd, const Place& p) {
    const RaDec m = moon_at(jd);
    const double H = (gmst_deg(jd) + p.lon() - m.ra) * kDeg;
    const double phi = p.lat() * kDeg, dec = m.dec * kDeg;
    return std::asin(std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(H)) / kDeg;
}

double crossing(double a, double b, const Place& p) {
    double fa = altitude(a, p);
    while (b - a > 1e-9) {
        const double m = (a + b) / 2, fm = altitude(m, p);
        if ((fm < 0) == (fa < 0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s EPHE_DIR MOON_RISE_SET.csv\n", argv[0]);
        return 2;
    }
    swe_set_ephe_path(argv[1]);
    swe_set_delta_t_userdef(0);
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) {
        std::perror(argv[2]);
        return 1;
    }
    std::fprintf(out, "place,lat_deg,lat_min,north,lon_deg,lon_min,east,zone,year,month,day,rise_hour,set_hour,"
                 "rise2_hour,set2_hour\n");

    // Our sidereal time against the library's mean one (no nutation) over the year.
    double worst_st = 0;
    for (int d = 0; d < 365; d += 7) {
        const double jd = swe_julday(kYear, 1, 1, 0.0, SE_GREG_CAL) + d + 0.37;
        double x[6];
        char err[AS_MAXCH];
        if (swe_calc(jd, SE_ECL_NUT, 0, x, err) < 0) die("swe_calc nutation", err);
        const double lib = swe_sidtime0(jd, x[1], 0) * 15;
        worst_st = std::fmax(worst_st, std::fabs(std::remainder(lib - gmst_deg(jd), 360.0)) * 3600);
    }
    std::printf("checks:\n");
    check(worst_st < 0.5, "IAU 1982 mean sidereal time - library's, max [\"]", worst_st);

    constexpr double kStep = 10.0 / 1440;
    for (const Place& p : kPlaces) {
        int rises = 0, sets = 0, days = 0, no_rise = 0, no_set = 0, doubled = 0;
        double worst_alt = 0;
        const double first = swe_julday(kYear, 1, 1, 0.0, SE_GREG_CAL);
        const double last = swe_julday(kYear + 1, 1, 1, 0.0, SE_GREG_CAL);
        for (double jd_ut0 = first; jd_ut0 < last; jd_ut0 += 1) {
            int y, mo, d;
            double hour;
            swe_revjul(jd_ut0, SE_GREG_CAL, &y, &mo, &d, &hour);
            // 0:00 zone time of the date.
            const double jd0 = jd_ut0 - p.zone / 24.0;
            std::vector<double> rise, set;
            double a = jd0, fa = altitude(a, p);
            for (int k = 1; k <= 144; ++k) {
                const double b = jd0 + k * kStep, fb = altitude(b, p);
                if ((fa < 0) != (fb < 0)) {
                    const double t = crossing(a, b, p);
                    worst_alt = std::fmax(worst_alt, std::fabs(altitude(t, p)) * 3600);
                    if (t < jd0 + 1) (fa < 0 ? rise : set).push_back(t);
                }
                a = b;
                fa = fb;
            }
            ++days;
            if (rise.size() > 2 || set.size() > 2) die(p.name, "three rises or sets on one date");
            if (rise.size() > 1 || set.size() > 1) ++doubled;
            rises += static_cast<int>(rise.size());
            sets += static_cast<int>(set.size());
            no_rise += rise.empty();
            no_set += set.empty();
            std::fprintf(out, "%s,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,", p.name, p.lat_deg, p.lat_min, p.north,
                         p.lon_deg, p.lon_min, p.east, p.zone, y, mo, d);
            for (std::size_t i = 0; i < 2; ++i) {
                if (i > 0) std::fprintf(out, ",");
                if (rise.size() > i) std::fprintf(out, "%.6f", (rise[i] - jd0) * 24);
                std::fprintf(out, ",");
                if (set.size() > i) std::fprintf(out, "%.6f", (set[i] - jd0) * 24);
            }
            std::fprintf(out, "\n");
        }
        std::printf("%s: %d days, %d rises, %d sets; no rise on %d, no set on %d\n", p.name, days, rises, sets,
                    no_rise, no_set);
        check(days == 365, "days in the year", days);
        if (std::fabs(p.lat()) < 60) {
            check(doubled == 0, "dates with two rises or two sets", doubled);
            // A lunar day is about 24 h 50 min: some 12 dates a year go without each event.
            check(no_rise >= 10 && no_rise <= 14, "dates without a rise", no_rise);
            check(no_set >= 10 && no_set <= 14, "dates without a set", no_set);
        } else {
            // Days on end above or below the horizon around the lunar standstill of 2025.
            check(no_rise > 100, "dates without a rise", no_rise);
            check(no_set > 100, "dates without a set", no_set);
            std::printf("    dates with two rises or two sets: %d\n", doubled);
        }
        check(worst_alt < 0.01, "altitude at the events, recomputed, max [\"]", worst_alt);
    }
    if (std::fclose(out) != 0) {
        std::perror(argv[2]);
        return 1;
    }
    if (failures) {
        std::fprintf(stderr, "%d checks failed\n", failures);
        return 1;
    }
    return 0;
}
