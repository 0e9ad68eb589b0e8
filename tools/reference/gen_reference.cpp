// Reference positions for the theory tests: 300 moments 1800..2100, each
// evaluated with the Swiss Ephemeris. See README.md beside this file.
//
// Usage: gen_reference EPHE_DIR OUT.csv

#include <swephexp.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 300;
constexpr uint64_t kSeed = 18002100;
constexpr double kAuKm = 149597870.7;

struct Body {
    const char* name;
    int ipl;
};

const Body kBodies[] = {
    {"sun", SE_SUN},         {"moon", SE_MOON},       {"mercury", SE_MERCURY},
    {"venus", SE_VENUS},     {"mars", SE_MARS},       {"jupiter", SE_JUPITER},
    {"saturn", SE_SATURN},   {"uranus", SE_URANUS},   {"neptune", SE_NEPTUNE},
    {"pluto", SE_PLUTO},     {"ceres", SE_CERES},     {"pallas", SE_PALLAS},
    {"juno", SE_JUNO},       {"vesta", SE_VESTA},     {"chiron", SE_CHIRON},
    {"mean_node", SE_MEAN_NODE},
};
constexpr int kNBodies = sizeof kBodies / sizeof kBodies[0];

// Knuth's MMIX LCG; the top 53 bits give a uniform double in [0, 1).
struct Lcg {
    uint64_t x;
    double next() {
        x = x * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(x >> 11) * 0x1p-53;
    }
};

double wrap180(double d) {
    d = std::fmod(d, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d < -180.0) d += 360.0;
    return d;
}

struct MinMax {
    double lo = INFINITY, hi = -INFINITY;
    void add(double v) {
        if (v < lo) lo = v;
        if (v > hi) hi = v;
    }
};

int failures = 0;

void check(bool ok, const char* what, double figure) {
    std::printf("  %-58s %14.6f  %s\n", what, figure, ok ? "ok" : "FAIL");
    if (!ok) ++failures;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s EPHE_DIR OUT.csv\n", argv[0]);
        return 2;
    }
    swe_set_ephe_path(argv[1]);
    char ver[256];
    std::printf("Swiss Ephemeris %s, files from %s\n", swe_version(ver), argv[1]);

    // Whole seconds from 1800-01-01 0:00 UT to 2101-01-01 0:00 UT, cut in
    // 300 equal slices with one random second in each.
    const double jd_start = swe_julday(1800, 1, 1, 0.0, SE_GREG_CAL);
    const double jd_end = swe_julday(2101, 1, 1, 0.0, SE_GREG_CAL);
    const int64_t days = std::llround(jd_end - jd_start);
    const int64_t total_s = days * 86400;

    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) {
        std::perror(argv[2]);
        return 1;
    }
    std::fputs("year,month,day,hour,minute,second,jd", out);
    for (const Body& b : kBodies) {
        std::fprintf(out, ",%s_lon,%s_lat", b.name, b.name);
        if (b.ipl == SE_MOON) std::fputs(",moon_dist_km", out);
    }
    std::fputs(",eps_mean,mercury_geo_lon,venus_geo_lon\n", out);

    Lcg rng{kSeed};
    const int32_t want = SEFLG_SWIEPH | SEFLG_NONUT;
    char err[AS_MAXCH];

    double max_jd_diff = 0, prev_jd = -INFINITY, max_nut_resid = 0, max_node_lat = 0;
    double max_merc_elong = 0, max_venus_elong = 0;
    int not_increasing = 0, not_file = 0;
    MinMax moon_km, sun_lat, eps;
    int first[6] = {}, last[6] = {};

    for (int i = 0; i < kRows; ++i) {
        const int64_t lo = total_s * i / kRows, hi = total_s * (i + 1) / kRows;
        const int64_t s = lo + static_cast<int64_t>(rng.next() * static_cast<double>(hi - lo));
        const int64_t day = s / 86400, sod = s % 86400;
        int y, m, d;
        double h0;
        swe_revjul(jd_start + static_cast<double>(day), SE_GREG_CAL, &y, &m, &d, &h0);
        const int hh = static_cast<int>(sod / 3600), mi = static_cast<int>(sod / 60 % 60),
                  ss = static_cast<int>(sod % 60);
        const double jd = swe_julday(y, m, d, hh + mi / 60.0 + ss / 3600.0, SE_GREG_CAL);

        // The date must round-trip to the second count it came from.
        max_jd_diff = std::fmax(max_jd_diff, std::fabs(jd - (jd_start + s / 86400.0)) * 86400.0);
        if (!(jd > prev_jd)) ++not_increasing;
        prev_jd = jd;
        int* keep = i == 0 ? first : last;
        keep[0] = y, keep[1] = m, keep[2] = d, keep[3] = hh, keep[4] = mi, keep[5] = ss;

        std::fprintf(out, "%d,%d,%d,%d,%d,%d,%.8f", y, m, d, hh, mi, ss, jd);

        double sun_lon = 0;
        for (const Body& b : kBodies) {
            double xx[6];
            const int32_t got = swe_calc(jd, b.ipl, want, xx, err);
            if (got < 0) {
                std::fprintf(stderr, "%s at jd %.8f: %s\n", b.name, jd, err);
                return 1;
            }
            // A missing file makes the library fall back to a lesser theory.
            if (b.ipl != SE_MEAN_NODE && !(got & SEFLG_SWIEPH)) ++not_file;
            std::fprintf(out, ",%.7f,%.7f", xx[0], xx[1]);
            if (b.ipl == SE_MOON) {
                std::fprintf(out, ",%.3f", xx[2] * kAuKm);
                moon_km.add(xx[2] * kAuKm);
            }
            if (b.ipl == SE_SUN) {
                sun_lon = xx[0];
                sun_lat.add(xx[1] * 3600);
                // With nutation the longitude moves by exactly dpsi along the
                // same ecliptic, which shows NONUT means the mean equinox.
                double xt[6], nut[6];
                swe_calc(jd, SE_SUN, SEFLG_SWIEPH, xt, err);
                swe_calc(jd, SE_ECL_NUT, 0, nut, err);
                const double resid = std::fabs(wrap180(xt[0] - xx[0] - nut[2])) * 3600;
                max_nut_resid = std::fmax(max_nut_resid, resid);
            }
            if (b.ipl == SE_MERCURY)
                max_merc_elong = std::fmax(max_merc_elong, std::fabs(wrap180(xx[0] - sun_lon)));
            if (b.ipl == SE_VENUS)
                max_venus_elong = std::fmax(max_venus_elong, std::fabs(wrap180(xx[0] - sun_lon)));
            if (b.ipl == SE_MEAN_NODE) max_node_lat = std::fmax(max_node_lat, std::fabs(xx[1]));
        }
        double nut[6];
        if (swe_calc(jd, SE_ECL_NUT, 0, nut, err) < 0) {
            std::fprintf(stderr, "obliquity at jd %.8f: %s\n", jd, err);
            return 1;
        }
        std::fprintf(out, ",%.7f", nut[1]);
        eps.add(nut[1]);
        // Geometric Mercury and Venus (no light time, aberration or deflection): they
        // separate what the theories give from what the apparent-place step adds.
        for (int ipl : {SE_MERCURY, SE_VENUS}) {
            double xx[6];
            if (swe_calc(jd, ipl, want | SEFLG_TRUEPOS | SEFLG_NOABERR | SEFLG_NOGDEFL, xx, err) < 0) {
                std::fprintf(stderr, "geometric body %d at jd %.8f: %s\n", ipl, jd, err);
                return 1;
            }
            std::fprintf(out, ",%.7f", xx[0]);
        }
        std::fputc('\n', out);
    }
    if (std::fclose(out) != 0) {
        std::perror(argv[2]);
        return 1;
    }
    swe_close();

    std::printf("%d rows written to %s\n", kRows, argv[2]);
    std::printf("first moment %04d-%02d-%02d %02d:%02d:%02d UT, last %04d-%02d-%02d %02d:%02d:%02d UT\n",
                first[0], first[1], first[2], first[3], first[4], first[5], last[0], last[1], last[2],
                last[3], last[4], last[5]);
    std::printf("checks:\n");
    check(max_jd_diff < 1e-3, "date -> jd vs second count, max diff [s]", max_jd_diff);
    check(not_increasing == 0, "moments not strictly increasing", not_increasing);
    check(first[0] == 1800 && last[0] == 2100, "first/last year inside 1800..2100 (last year)", last[0]);
    check(not_file == 0, "positions not taken from the ephemeris files", not_file);
    check(max_nut_resid < 1e-3, "sun: (with nutation - without) - dpsi, max [\"]", max_nut_resid);
    check(sun_lat.hi < 2.0 && sun_lat.lo > -2.0, "sun latitude, max |.| [\"]",
          std::fmax(-sun_lat.lo, sun_lat.hi));
    check(moon_km.lo > 356000, "moon distance, min [km]", moon_km.lo);
    check(moon_km.hi < 407000, "moon distance, max [km]", moon_km.hi);
    check(max_merc_elong < 28.5, "mercury elongation, max [deg]", max_merc_elong);
    check(max_venus_elong < 48.0, "venus elongation, max [deg]", max_venus_elong);
    check(max_node_lat == 0.0, "mean node latitude, max |.| [deg]", max_node_lat);
    check(eps.lo > 23.42 && eps.hi < 23.47, "mean obliquity, min [deg]", eps.lo);
    check(eps.lo > 23.42 && eps.hi < 23.47, "mean obliquity, max [deg]", eps.hi);
    if (failures) {
        std::printf("%d check(s) failed\n", failures);
        return 1;
    }
    std::printf("all checks passed\n");
    return 0;
}
