/* Dump heliocentric ecliptic positions (J2000 ecliptic and equinox, geometric)
 * from the Swiss Ephemeris for the planet-term fitter.
 *
 *   dump_reference EPHE_DIR BODY JD_FIRST JD_LAST STEP_DAYS > samples.csv
 *
 * BODY: mars jupiter saturn uranus neptune pluto.  Output columns:
 * jd_tt, longitude (deg), latitude (deg), radius (AU).
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <swephexp.h>

int main(int argc, char **argv)
{
    static const struct { const char *name; int ipl; } bodies[] = {
        {"mars", SE_MARS}, {"jupiter", SE_JUPITER}, {"saturn", SE_SATURN},
        {"uranus", SE_URANUS}, {"neptune", SE_NEPTUNE}, {"pluto", SE_PLUTO},
    };
    if (argc != 6) {
        fprintf(stderr, "usage: %s EPHE_DIR BODY JD_FIRST JD_LAST STEP_DAYS\n", argv[0]);
        return 2;
    }
    int ipl = -1;
    for (size_t i = 0; i < sizeof bodies / sizeof bodies[0]; ++i)
        if (strcmp(argv[2], bodies[i].name) == 0) ipl = bodies[i].ipl;
    if (ipl < 0) {
        fprintf(stderr, "unknown body %s\n", argv[2]);
        return 2;
    }
    swe_set_ephe_path(argv[1]);
    double first = atof(argv[3]), last = atof(argv[4]), step = atof(argv[5]);
    const int32 flags = SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_J2000 | SEFLG_TRUEPOS | SEFLG_NONUT;
    char err[AS_MAXCH];
    for (long n = 0;; ++n) {
        double jd = first + n * step;  /* no accumulated rounding */
        if (jd > last + 1e-9) break;
        double x[6];
        int32 rc = swe_calc(jd, ipl, flags, x, err);
        /* anything but the ephemeris files themselves (e.g. a Moshier fallback) is unusable */
        if (rc < 0 || (rc & SEFLG_SWIEPH) == 0) {
            fprintf(stderr, "swe_calc failed at JD %.1f: %s\n", jd, err);
            return 1;
        }
        printf("%.6f,%.12f,%.12f,%.14f\n", jd, x[0], x[1], x[2]);
    }
    swe_close();
    return 0;
}
