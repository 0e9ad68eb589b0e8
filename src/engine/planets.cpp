// Mercury to Pluto: elliptic elements with periodic terms (Mercury, Mars..Neptune), slowly
// varying elements of date (Venus) and a Fourier series (Pluto).
#include <cmath>
#include <functional>

#include "engine/angles.h"
#include "engine/engine_state.h"
#include "engine/frames.h"
#include "engine/orbit_math.h"
#include "engine/planet_terms.h"

namespace sidora::engine {
namespace {

constexpr double kDeg = kPi / 180.0;

// Mean longitudes Me, Ve, Ea, Ma, Ju, Sa, Ur, Ne (radians).
std::array<double, 8> mean_longitudes(double T) {
    return {4.4026 + 2608.7903 * T, 3.1761 + 1021.3286 * T, 1.7535 + 628.3076 * T,
            6.2035 + 334.0612 * T,  0.5995 + 52.9691 * T,   0.874 + 21.3299 * T,
            5.4813 + 7.4782 * T,    5.3119 + 3.8133 * T};
}

double series_sum(const ElementSeries& s, const std::array<double, 8>& ml, double T) {
    double sum = 0;
    for (int i = 0; i < s.count; ++i) {
        const PeriodicTerm& t = s.terms[i];
        double arg = 0;
        for (std::size_t j = 0; j < 8; ++j) arg += t.m[j] * ml[j];
        sum += (t.s + t.st * T) * std::sin(arg) + (t.c + t.ct * T) * std::cos(arg);
    }
    return sum * s.scale;
}

struct Elements {
    double a, lambda, k, h, q, p;
};

// Secular part: constant, T and T² coefficients of a, λ, k, h, q, p.
struct Secular {
    double c[6][3];
};

constexpr Secular kSecMercury = {{{0.3870983, 0, 0},
                               {4.4026088, 2608.7903142, -0.0000001},
                               {0.0446606, -0.0005521, -0.0000002},
                               {0.2007233, 0.0001438, -0.0000008},
                               {0.0406156, 0.0000654, -0.0000001},
                               {0.0456355, -0.0001276, -0.0000001}}};
constexpr Secular kSecMars = {{{1.5236793, 0, 0},
                            {6.2034809, 334.0612431, 0},
                            {0.0853656, 0.0003763, -0.0000025},
                            {-0.0378997, 0.0006247, 0.0000016},
                            {0.0104704, 0.0000171, -0.0000004},
                            {0.0122845, -0.0001080, -0.0000002}}};
constexpr Secular kSecJupiter = {{{5.2026032, 0, 0},
                               {0.5995465, 52.9690965, -0.0000015},
                               {0.0469857, 0.0001130, -0.0000011},
                               {0.0120039, 0.0002171, 0.0000010},
                               {-0.0020656, -0.0000313, -0.0000002},
                               {0.0111838, -0.0000234, 0.0000002}}};
constexpr Secular kSecSaturn = {{{9.55491, 0, 0},
                              {0.874017, 21.32991, 0.000004},
                              {-0.00296, -0.00053, 0.000003},
                              {0.05543, -0.000376, -0.000003},
                              {-0.008718, 0.00008, 0},
                              {0.019892, 0.000059, 0}}};
constexpr Secular kSecUranus = {{{19.218446, 0, 0},
                              {5.481294, 7.47816, 0},
                              {-0.045951, 0.000018, 0},
                              {0.005638, -0.000075, 0},
                              {0.001859, -0.000012, 0},
                              {0.006486, -0.000012, 0}}};
constexpr Secular kSecNeptune = {{{30.110387, 0, 0},
                               {5.311886, 3.813304, 0},
                               {0.006, 0.000001, 0},
                               {0.006692, 0.000008, 0},
                               {-0.010291, 0, 0},
                               {0.011517, 0.000003, 0}}};

Elements secular(const Secular& s, double T) {
    double v[6];
    for (int i = 0; i < 6; ++i) v[i] = s.c[i][0] + s.c[i][1] * T + s.c[i][2] * T * T;
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

Elements elements_of(const Secular& s, const PlanetTerms& terms, double T) {
    const auto ml = mean_longitudes(T);
    Elements e = secular(s, T);
    e.a += series_sum(terms.a, ml, T);
    e.lambda += series_sum(terms.lambda, ml, T);
    e.k += series_sum(terms.k, ml, T);
    e.h += series_sum(terms.h, ml, T);
    e.q += series_sum(terms.q, ml, T);
    e.p += series_sum(terms.p, ml, T);
    return e;
}

// Mercury's four terms (units 1e-7): a sin, a cos, λ sin, λ cos, k sin, k cos, h sin, h cos.
struct MercuryTerm {
    int me, ve, ju;
    double v[8];
};
constexpr MercuryTerm kMercuryTerms[] = {
    {2, -5, 0, {-2, 3, -264, -238, -17, -29, 30, -19}},
    {1, -2, 0, {7, -2, 39, 169, 0, 45, -46, 0}},
    {0, 0, 2, {0, 0, 0, 0, 71, 15, 15, -71}},
    {1, -3, 0, {1, 2, 23, -15, -24, 6, -7, -24}},
};

Elements mercury_elements(double T) {
    const auto ml = mean_longitudes(T);
    Elements e = secular(kSecMercury, T);
    double d[4] = {0, 0, 0, 0};
    for (const MercuryTerm& t : kMercuryTerms) {
        const double arg = t.me * ml[0] + t.ve * ml[1] + t.ju * ml[4];
        for (int i = 0; i < 4; ++i) d[i] += t.v[2 * i] * std::sin(arg) + t.v[2 * i + 1] * std::cos(arg);
    }
    e.a += d[0] * 1e-7;
    e.lambda += d[1] * 1e-7;
    e.k += d[2] * 1e-7;
    e.h += d[3] * 1e-7;
    return e;
}

double degrees_0_360(double rad) { return normalize_deg(rad * 180.0 / kPi); }

}  // namespace

void Engine::orbit_from_elements(int planet, double a, double lambda, double k, double h, double q,
                                 double p, double precession, double obliquity) {
    HelioRecord& rec = helio_table[static_cast<std::size_t>(planet)];
    const double e = std::sqrt(h * h + k * k);
    rec.eccentricity_text = fixed_point_text(e, 4);
    double varpi = std::atan(h / k);
    while (varpi < 0) varpi += kPi;
    if (planet == kMars) varpi += kPi;
    rec.perihelion_text = format_angle_rad(false, varpi);
    double inc = 2 * safe_asin(std::sqrt(p * p + q * q));
    if (inc < 0) inc += kTwoPi;
    rec.inclination_text = format_angle_rad(false, inc);
    double node = std::atan(p / q);
    while (node < 0) node += kPi;
    rec.node = node;

    double E = normalize_rad(kepler_fixed_point(lambda - varpi, e));
    const double nu = true_anomaly(E, e);
    const double u = normalize_rad(nu + varpi - node);

    // The arctangent gives L up to a half turn; the side of the node decides which half.
    double L = normalize_rad(std::atan(std::cos(inc) * std::tan(u)) + node) - kTwoPi;
    const bool descending_half = (std::sin(inc) > 0 && std::sin(u) < 0) || (std::sin(inc) < 0 && std::sin(u) > 0);
    for (int guard = 0; guard < 8; ++guard) {
        const bool done = descending_half ? (L >= 0 && !(L > node && L < node + kPi))
                                          : (node <= L && L <= node + kPi);
        if (done) break;
        L += kPi;
    }
    if (L > kTwoPi) L -= kTwoPi;
    const double B = inc * std::sin(L - node);
    const double r = a * (1 - e * std::cos(E));
    rec.r = r;
    // The theory's frame is that of 2000; the record, like every position, is of date.
    rec.longitude = normalize_rad(L + precession);
    rec.latitude = B;
    rec.helio_distance_text = fixed_point_text(r, 4);

    const double x = r * std::cos(B) * std::cos(L) + sun_xyz[0];
    const double y = r * std::cos(B) * std::sin(L) + sun_xyz[1];
    const double z = r * std::sin(B) + sun_xyz[2];
    const Spherical geo = spherical_from_rect(x, y, z);
    body_table[planet].distance = geo.dist;
    rec.geo_distance_text = fixed_point_text(geo.dist, 4);
    const double lon = geo.lon + precession;
    planet_decl = declination_of(lon, geo.lat, obliquity) * 180.0 / kPi;
    planet_lambda = degrees_0_360(lon);
    planet_beta = geo.lat * 180.0 / kPi;
}

// Runs a planet's passes: the first stores the position; further ones, a minute apart, run
// until the longitude changes and give the motion and direction.
template <typename Pass>
void Engine::run_planet_passes(int body, Pass pass, unsigned year, unsigned month, unsigned day,
                               unsigned hour, unsigned minute, unsigned second, int zone_offset,
                               int zone_minutes) {
    pass(year, month, day, hour, minute, second, zone_offset, zone_minutes);
    TBodyRow& row = body_table[body];
    row.longitude = planet_lambda;
    row.latitude = planet_beta;
    row.declination = planet_decl;
    last_jd = julian_day(day, month, year, hour, minute, second, zone_offset, zone_minutes);
    const double first = planet_lambda;
    // The heliocentric record and the distance describe the first pass.
    const HelioRecord record = helio_table[static_cast<std::size_t>(body)];
    const double distance = row.distance;
    int n = 0;
    double last = first;
    while (last == first && n < kMaxPlanetPasses) {
        ++n;
        pass(year, month, day, hour, minute + static_cast<unsigned>(n), second, zone_offset, zone_minutes);
        last = planet_lambda;
        last_jd = julian_day(day, month, year, hour, minute + static_cast<unsigned>(n), second, zone_offset, zone_minutes);
    }
    helio_table[static_cast<std::size_t>(body)] = record;
    row.distance = distance;
    const double diff = longitude_change(last, first);
    row.retrograde = diff <= 0 ? 1 : 0;
    row.speed = n > 0 ? diff / (n * reference_motion(body) / 1440.0) : 0;
}

#define SIDORA_ELEMENT_PLANET(NAME, BODY, ELEMENTS)                                                  \
    void Engine::NAME(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,   \
                      unsigned second, int zone_offset, int zone_minutes) {                          \
        auto pass = [this](unsigned y, unsigned mo, unsigned d, unsigned h, unsigned mi, unsigned s, \
                           int zo, int zm) {                                                         \
            compute_sun(y, mo, d, h, mi, s, zo, zm);                                                 \
            const double T = julian_centuries(julian_day(d, mo, y, h, mi, s, zo, zm));               \
            const Elements e = ELEMENTS;                                                             \
            orbit_from_elements(BODY, e.a, e.lambda, e.k, e.h, e.q, e.p,                             \
                                precession_since_2000(d, mo, y, zo, zm),                             \
                                mean_obliquity(d, mo, y, h, mi, s, zo, zm));                         \
        };                                                                                           \
        run_planet_passes(BODY, pass, year, month, day, hour, minute, second, zone_offset, zone_minutes); \
    }

SIDORA_ELEMENT_PLANET(compute_mercury, kMercury, mercury_elements(T))
SIDORA_ELEMENT_PLANET(compute_mars, kMars, elements_of(kSecMars, kMarsTerms, T))
SIDORA_ELEMENT_PLANET(compute_jupiter, kJupiter, elements_of(kSecJupiter, kJupiterTerms, T))
SIDORA_ELEMENT_PLANET(compute_saturn, kSaturn, elements_of(kSecSaturn, kSaturnTerms, T))
SIDORA_ELEMENT_PLANET(compute_uranus, kUranus, elements_of(kSecUranus, kUranusTerms, T))
SIDORA_ELEMENT_PLANET(compute_neptune, kNeptune, elements_of(kSecNeptune, kNeptuneTerms, T))
#undef SIDORA_ELEMENT_PLANET

void Engine::venus_pass(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                        unsigned second, int zone_offset, int zone_minutes) {
    const double jd = julian_day(day, month, year, hour, minute, second, zone_offset, zone_minutes);
    const double d = jd - 2451543.5;
    // Its own Sun.
    const double ws = (282.9404 + 0.0000470935 * d) * kDeg;
    const double es = 0.016709 - 0.000000001151 * d;
    const double Ms = (356.047 + 0.9856002585 * d) * kDeg;
    const double Es = Ms + es * std::sin(Ms) * (1 + es * std::cos(Ms));
    const double xs = std::cos(Es) - es, ys = std::sqrt(1 - es * es) * std::sin(Es);
    const double vs = std::atan2(ys, xs), rs = std::sqrt(xs * xs + ys * ys);
    sun_xyz[0] = rs * std::cos(vs + ws);
    sun_xyz[1] = rs * std::sin(vs + ws);

    const double N = (76.6799 + 0.000024658 * d) * kDeg;
    const double i = (3.3946 + 0.0000000275 * d) * kDeg;
    const double w = (54.891 + 0.0000138374 * d) * kDeg;
    const double a = 0.72333;
    const double e = 0.006773 - 0.000000001302 * d;
    const double M = (48.0052 + 1.6021302244 * d) * kDeg;
    const double E = M + e * std::sin(M) * (1 + e * std::cos(M));
    const double xv = a * (std::cos(E) - e), yv = a * std::sqrt(1 - e * e) * std::sin(E);
    const double v = std::atan2(yv, xv), r = std::sqrt(xv * xv + yv * yv);
    const double xh = r * (std::cos(N) * std::cos(v + w) - std::sin(N) * std::sin(v + w) * std::cos(i));
    const double yh = r * (std::sin(N) * std::cos(v + w) + std::cos(N) * std::sin(v + w) * std::cos(i));
    const double zh = r * std::sin(v + w) * std::sin(i);
    HelioRecord& rec = helio_table[kVenus];
    rec.longitude = normalize_rad(std::atan2(yh, xh));
    rec.latitude = std::atan2(zh, std::sqrt(xh * xh + yh * yh));
    rec.r = r;
    rec.node = N;
    rec.helio_distance_text = fixed_point_text(r, 4);

    const double x = xh + sun_xyz[0], y = yh + sun_xyz[1], z = zh;
    const double dist = std::sqrt(x * x + y * y + z * z);
    body_table[kVenus].distance = dist;
    rec.geo_distance_text = fixed_point_text(dist, 4);
    const double eps = mean_obliquity(day, month, year, hour, minute, second, zone_offset, zone_minutes);
    const Equatorial eq = ecliptic_rect_to_equatorial(x, y, z, eps);
    const Spherical ecl = equatorial_to_ecliptic(eq.ra, eq.dec, eps);
    planet_decl = declination_of(ecl.lon, ecl.lat, eps) * 180.0 / kPi;
    planet_lambda = degrees_0_360(ecl.lon);
    planet_beta = ecl.lat * 180.0 / kPi;
}

void Engine::compute_venus(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                           unsigned second, int zone_offset, int zone_minutes) {
    run_planet_passes(kVenus, std::bind_front(&Engine::venus_pass, this), year, month, day, hour, minute, second,
                      zone_offset, zone_minutes);
}

void Engine::pluto_pass(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                        unsigned second, int zone_offset, int zone_minutes) {
    compute_sun(year, month, day, hour, minute, second, zone_offset, zone_minutes);
    const double jd = julian_day(day, month, year, hour, minute, second, zone_offset, zone_minutes);
    const double t = (jd - 2451545.0) / 365.25;
    constexpr double n = kPlutoFrequency;
    const PlutoSeries& ps = kPlutoSeries;
    double L = ps.l0 + ps.l1 * t, B = ps.b0 + ps.b1 * t, R = ps.r0 + ps.r1 * t;
    for (int i = 0; i < ps.nl; ++i) L += ps.A[i] * std::sin((i + 1) * n * t + ps.phi[i]);
    for (int i = 0; i < ps.nb; ++i) B += ps.B[i] * std::sin((i + 1) * n * t + ps.psi[i]);
    for (int i = 0; i < ps.nr; ++i) R += ps.C[i] * std::sin((i + 1) * n * t + ps.chi[i]);
    L = dms_to_rad(0, 0, L);
    B = dms_to_rad(0, 0, B);
    const double precession = precession_since_2000(day, month, year, zone_offset, zone_minutes);
    HelioRecord& rec = helio_table[kPluto];
    rec.longitude = normalize_rad(L + precession);
    rec.latitude = B;
    rec.r = R;
    rec.helio_distance_text = fixed_point_text(R, 4);
    const double x = R * std::cos(B) * std::cos(L) + sun_xyz[0];
    const double y = R * std::cos(B) * std::sin(L) + sun_xyz[1];
    const double z = R * std::sin(B) + sun_xyz[2];
    const Spherical geo = spherical_from_rect(x, y, z);
    rec.geo_distance_text = fixed_point_text(geo.dist, 4);
    // The series is of the fixed frame of 2000, like the Sun's vector: one precession.
    const double lon = geo.lon + precession;
    const double eps = mean_obliquity(day, month, year, hour, minute, second, zone_offset, zone_minutes);
    planet_decl = declination_of(lon, geo.lat, eps) * 180.0 / kPi;
    planet_lambda = degrees_0_360(lon);
    planet_beta = geo.lat * 180.0 / kPi;
}

void Engine::compute_pluto(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                           unsigned second, int zone_offset, int zone_minutes) {
    run_planet_passes(kPluto, std::bind_front(&Engine::pluto_pass, this), year, month, day, hour, minute, second,
                      zone_offset, zone_minutes);
}

}  // namespace sidora::engine
