// Reference table of the Vertex over latitudes to ±66° and sidereal times all round, from the
// Swiss Ephemeris's house routine. See README.md beside this file.
//
// Usage: gen_reference_vertex VERTEX.csv

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kDeg = M_PI / 180.0;

struct Latitude {
    int deg, min, north;
    double value() const { return (deg + min / 60.0) * (north ? 1 : -1); }
};

struct Date {
    int day, month, year;
};

// Three dates far apart, so ε differs by about 150″ between the ends.
constexpr Date kDates[] = {{1, 1, 1800}, {21, 1, 1972}, {31, 12, 2100}};

// The obliquity the program uses for the Vertex: IAU 1976, mean, no nutation, at 12:00 UT
// of the date.
double mean_obliquity_deg(const Date& d) {
    const double jd = swe_julday(d.year, d.month, d.day, 12.0, SE_GREG_CAL);
    const double T = (jd - 2451545.0) / 36525.0;
    return 23.439291111 - (46.815 * T + 0.00059 * T * T - 0.001813 * T * T * T) / 3600.0;
}

int failures = 0;

void check(bool ok, const char* what, double figure) {
    std::printf("  %-62s %14.3e  %s\n", what, figure, ok ? "ok" : "FAIL");
    if (!ok) ++failures;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s VERTEX.csv\n", argv[0]);
        return 2;
    }
    std::vector<Latitude> lats;
    for (int l = -66; l <= 66; l += 11) lats.push_back({l < 0 ? -l : l, 0, l >= 0 ? 1 : 0});
    lats.push_back({33, 52, 0});  // Sydney, where the sidereal times 0° and 180° went furthest wrong
    std::vector<double> armcs;
    for (int k = 0; k < 48; ++k) armcs.push_back(7.5 * k);  // 0°, 90°, 180° and 270° among them
    // One second of sidereal time beside the two singular values.
    for (double a : {0.0, 180.0}) {
        armcs.push_back(a + 15.0 / 3600);
        armcs.push_back(a + 360 - 15.0 / 3600 - (a == 0 ? 0 : 360));
    }

    FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "day,month,year,lat_deg,lat_min,north,armc,eps,vertex\n");
    double worst_plane = 0, worst_west = 1, worst_swap = 0;
    int rows = 0, k = 0;
    for (const Latitude& lat : lats) {
        for (double armc : armcs) {
            const Date& d = kDates[k++ % 3];
            const double eps = mean_obliquity_deg(d);
            double cusps[13], ascmc[10];
            swe_houses_armc(armc, lat.value(), eps, 'E', cusps, ascmc);
            const double vx = ascmc[3];
            std::fprintf(out, "%d,%d,%d,%d,%d,%d,%.10f,%.12f,%.10f\n", d.day, d.month, d.year, lat.deg, lat.min,
                         lat.north, armc, eps, vx);
            ++rows;
            if (lat.value() == 0) continue;  // the prime vertical holds the poles: no one Vertex
            // On the prime vertical in the west: azimuth 270°, i.e. tan δ cos φ = sin φ cos H
            // with the hour angle H in 0..180°.
            double xx[6] = {vx, 0, 1, 0, 0, 0};
            swe_cotrans(xx, xx, -eps);
            const double ra = xx[0] * kDeg, dec = xx[1] * kDeg, phi = lat.value() * kDeg;
            const double H = armc * kDeg - ra;
            const double plane = std::sin(dec) * std::cos(phi) - std::sin(phi) * std::cos(H) * std::cos(dec);
            worst_plane = std::fmax(worst_plane, std::fabs(plane));
            worst_west = std::fmin(worst_west, std::sin(H));
            // The southern and northern forms agree: latitude −φ at sidereal time +180° mirrors.
            double c2[13], a2[10];
            swe_houses_armc(std::fmod(armc + 180, 360), -lat.value(), eps, 'E', c2, a2);
            const double mirrored = std::remainder(a2[3] - std::fmod(vx + 180, 360), 360.0);
            worst_swap = std::fmax(worst_swap, std::fabs(mirrored));
        }
    }
    std::fclose(out);
    std::printf("%d rows, %zu latitudes x %zu sidereal times\n", rows, lats.size(), armcs.size());
    check(worst_plane < 1e-9, "worst distance from the prime vertical (sine)", worst_plane);
    check(worst_west > 0, "least sine of the hour angle (> 0: west of the meridian)", worst_west);
    check(worst_swap < 1e-8, "mirror (-phi, armc+180) against vertex+180, degrees", worst_swap);
    if (failures) {
        std::fprintf(stderr, "%d check(s) failed\n", failures);
        return 1;
    }
    return 0;
}
