// The Sun from the Earth's perturbed elliptic orbit; the Moon from the principal terms of
// its series. Two passes each, the second a minute later, for the daily motion.
#include <cmath>
#include <cstdio>

#include "engine/angles.h"
#include "engine/engine_state.h"
#include "engine/frames.h"
#include "engine/orbit_math.h"

namespace sidora::engine {
namespace {

constexpr double kDeg = kPi / 180.0;

struct SunTerm {
    int ve, ea, ma, ju;
    double a_s, a_c, l_s, l_c, k_s, k_c, h_s, h_c;  // units of 1e-7
};

constexpr SunTerm kSunTerms[] = {
    {2, -3, 0, 0, 15, 0, -2, 109, 0, -199, 199, 0},
    {0, 1, 0, -2, 6, 3, -13, 0, 0, 186, -186, 0},
    {0, 2, 0, -2, 0, 112, -206, 0, 0, 0, 0, 0},
    {1, -1, 0, 0, 0, 76, 166, 0, -2, 0, 0, 0},
    {1, -2, 0, 0, -3, 1, 3, -1, 0, 82, -82, 0},
    {2, -2, 0, 0, 0, -41, 127, 0, 0, 0, 0, 0},
    {3, -4, 0, 0, 5, 0, 0, 14, 0, -48, 48, 0},
    {0, 1, -2, 0, -3, -3, -65, 59, 1, -44, 45, 0},
    {3, -3, 0, 0, 0, -25, 60, 0, 0, 0, 0, 0},
    {0, 1, 0, -1, 0, 11, -51, -1, -1, -7, 1, -2},
    {3, -5, 0, 0, -1, -4, -46, 12, -29, -1, 1, -29},
    {0, 4, -8, 3, 0, 0, -97, 322, 0, 0, 0, 0},
    {0, 0, 0, 1, 0, 0, -125, 20 + 17, -3, -150, -151, 1},
    {8, -13, 0, 0, 0, 0, 49, 76, -1, -2, 2, -1},
    {0, 1, 0, -3, 0, 0, -3, 4, -6, 35, -35, -6},
    {0, 0, 0, 2, 0, 0, -4, 1, 22, -16, -17, -22},
    {1, 0, 0, 0, 0, 0, 0, 0, 0, 48, 48, 0},
};

// Moon series row: multipliers of l, l', F, D; longitude (sin), latitude sin(arg+F) and
// sin(arg−F), distance (cos). Arcseconds and kilometres.
struct MoonTerm {
    int l, lp, f, d;
    double lon, lat_plus, lat_minus, dist;
};

constexpr MoonTerm kMoonTerms[] = {
    {1, 0, 0, 0, 22640, 1010, 1000, -20905},  {1, 0, 0, -2, -4586, -167, -199, -3699},
    {0, 0, 0, 2, 2370, 117, 624, -2956},      {2, 0, 0, 0, 769, 62, 32, -570},
    {0, 1, 0, 0, -666, -6, -5, 49},           {0, 0, 2, 0, -412, -6, 18461, -3},
    {2, 0, 0, -2, -212, -16, 2, 246},         {1, 1, 0, -2, -205, -7, -9, -152},
    {1, 0, 0, 2, 192, 15, 33, -171},          {0, 1, 0, -2, -165, -30, -8, -205},
    {1, -1, 0, 0, 147, 7, 6, -130},           {0, 0, 0, 1, -125, -5, -5, 109},
    {1, 1, 0, 0, -109, -5, -5, 105},          {0, 0, 2, -2, -55, -2, 0, 10},
    {1, 0, 2, 0, -45, -1, 0, 0},              {1, 0, -2, 0, 40, 0, 3, 80},
    {1, 0, 0, -4, -38, -7, -3, -35},          {3, 0, 0, 0, 36, 4, 2, -23},
    {2, 0, 0, -4, -31, -1, 2, -22},           {1, -1, 0, -2, 28, 0, 1, 24},
    {0, 1, 0, 2, -24, -1, -12, 31},           {1, 0, 0, -1, 19, 0, 0, -8},
    {0, 1, 0, 1, 18, 0, 0, -17},              {1, -1, 0, 2, 15, 0, 0, -13},
    {2, 0, 0, 2, 14, 0, 0, -10},              {0, 0, 0, 4, 14, 0, 0, -12},
    {3, 0, 0, -2, -13, 0, 0, 14},             {2, -1, 0, 0, 10, 0, 0, -7},
    {1, 0, -2, -2, 9, 0, 0, 0},               {2, 1, 0, -2, -9, 0, 0, 10},
    {1, 0, 0, 1, -8, 0, 0, 6},                {0, 2, 0, -2, -8, 0, 0, -10},
    {2, 1, 0, 0, -8, 0, 0, 6},                {0, 2, 0, 0, -7, 0, 0, 1},
    {1, 2, 0, -2, -7, 0, 0, -5},              {1, 0, -2, 2, -6, 0, 0, 4},
    {0, 0, 2, 2, -6, 0, 0, 0},
};

double arcsec(double v) { return dms_to_rad(0, 0, v); }

}  // namespace

std::string moon_phase_text_of(double elongation, bool waxing) {
    const long D = static_cast<long>(elongation);
    const long M = static_cast<long>((elongation - static_cast<double>(D)) * 60);
    std::string label = waxing ? " (dorůstá)" : " (ubývá)";
    if (elongation > 175) label = " (ÚPLNĚK)";
    if (elongation < 5) label = " (NOV)";
    if (elongation > 85 && elongation < 95) label = waxing ? " (1. čtvrť)" : " (3. čtvrť)";
    return std::string(waxing ? "+" : "-") + std::to_string(D) + "°" + std::to_string(M) + "´" + label;
}

std::string moon_age_text_of(double elongation, bool waxing) {
    const long D = static_cast<long>(elongation);
    const long M = static_cast<long>((elongation - static_cast<double>(D)) * 60);
    double x = static_cast<double>(D) + static_cast<double>(M) / 60.0;
    if (!waxing) x = 360 - x;
    char age[32];
    std::snprintf(age, sizeof age, "%.2f", x * 29.50305 / 360.0);
    std::string text = age;
    for (char& c : text) {
        if (c == '.') c = ',';  // the Czech decimal comma
    }
    return text + " dní";
}

Engine::SunState Engine::sun_state(unsigned year, unsigned month, unsigned day, unsigned hour,
                                   unsigned minute, unsigned second, int zone_offset, int zone_minutes) const {
    const double jd = julian_day(day, month, year, hour, minute, second, zone_offset, zone_minutes);
    const double T = julian_centuries(jd);
    const double Ve = 3.1761 + 1021.3286 * T, Ea = 1.7535 + 628.3076 * T, Ma = 6.2035 + 334.0612 * T,
                 Ju = 0.5995 + 52.9691 * T;
    double lam = 1.7534703 + 628.3075849 * T - 0.0000001 * T * T;
    double k = -0.0037408 - 0.0000823 * T + 0.0000003 * T * T;
    double h = 0.0162845 - 0.0000620 * T - 0.0000003 * T * T;
    const double q = -0.0001135 * T + 0.0000001 * T * T;
    const double p = 0.0000102 * T + 0.0000005 * T * T;
    double a = 1.000001;
    double da = 0, dl = 0, dk = 0, dh = 0;
    for (const SunTerm& t : kSunTerms) {
        const double arg = t.ve * Ve + t.ea * Ea + t.ma * Ma + t.ju * Ju;
        const double s = std::sin(arg), c = std::cos(arg);
        da += t.a_s * s + t.a_c * c;
        dl += t.l_s * s + t.l_c * c;
        dk += t.k_s * s + t.k_c * c;
        dh += t.h_s * s + t.h_c * c;
    }
    a += da * 1e-7;
    lam += dl * 1e-7;
    k += dk * 1e-7;
    h += dh * 1e-7;

    SunState st{};
    st.e = std::sqrt(h * h + k * k);
    st.varpi = std::atan(h / k);
    if (st.varpi < 0) st.varpi += kPi;
    st.i = 2 * safe_asin(std::sqrt(q * q + p * p));
    if (st.i > kPi) st.i -= kPi;
    if (st.i < 0) st.i += kPi;
    const double node = q > 0 ? std::atan(p / q) : 0;
    const double E = kepler_fixed_point(lam - st.varpi, st.e);
    const double nu = true_anomaly(E, st.e);
    st.r = a * (1 - st.e * std::cos(E));
    const double u = nu + st.varpi - node;
    st.precession = precession_since_2000(day, month, year, zone_offset, zone_minutes);
    double L = std::atan(std::cos(st.i) * std::tan(u)) + node + st.precession;
    // The arctangent knows L only up to a half turn; the month tells which half.
    if (month == 3 && L < 0) L += kTwoPi;
    if (month == 6 && L < 0) L += kPi;
    if (month >= 7 && month <= 11) L += kPi;
    if (month == 12 && L > 0) L += kPi;
    if (month == 12 && L < 0) L += kTwoPi;
    if (month == 1 || month == 2) L += kTwoPi;
    if (month == 3 && L > 0) L += kTwoPi;
    st.L = L;
    st.eps = mean_obliquity(day, month, year, hour, minute, second, zone_offset, zone_minutes);
    return st;
}

namespace {
double sun_degrees(double L) { return normalize_deg(L * 180.0 / kPi); }
}  // namespace

void Engine::compute_sun(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                         unsigned second, int zone_offset, int zone_minutes) {
    const std::array<long, 8> key{year, month, day, hour, minute, second, zone_offset, zone_minutes};
    const CachedSun* hit = nullptr;
    for (const CachedSun& c : sun_cache_) {
        if (c.used && c.key == key) hit = &c;
    }
    if (!hit) {
        CachedSun& c = sun_cache_[sun_cache_next_];
        sun_cache_next_ = (sun_cache_next_ + 1) % sun_cache_.size();
        c.key = key;
        c.used = true;
        c.st = sun_state(year, month, day, hour, minute, second, zone_offset, zone_minutes);
        c.later = sun_state(year, month, day, hour, minute + 1, second, zone_offset, zone_minutes);
        c.distance = fixed_point_text(c.st.r, 5);
        c.eccentricity = fixed_point_text(c.st.e, 4);
        c.perihelion = format_angle_rad(false, c.st.varpi);
        c.inclination = format_angle_rad(false, c.st.i);
        hit = &c;
    }
    const SunState& st = hit->st;
    TBodyRow& row = body_table[kSun];
    row.longitude = sun_degrees(st.L);
    row.distance = st.r;
    row.latitude = 0;
    row.declination = safe_asin(std::sin(st.eps) * std::sin(st.L)) * 180.0 / kPi;
    sun_lambda = row.longitude;
    sun_lambda_rad = st.L;
    sun_beta_rad = 0;
    sun_xyz = {st.r * std::cos(st.L - st.precession), st.r * std::sin(st.L - st.precession), 0};
    sun_distance_text = hit->distance;

    HelioRecord& earth = helio_table[0];
    earth.longitude = normalize_rad(st.L + kPi);
    earth.latitude = 0;
    earth.r = st.r;
    earth.helio_distance_text = sun_distance_text;
    earth.geo_distance_text.clear();
    earth.eccentricity_text = hit->eccentricity;
    earth.perihelion_text = hit->perihelion;
    earth.inclination_text = hit->inclination;

    // Second pass a minute later, for the motion only.
    last_jd = julian_day(day, month, year, hour, minute + 1, second, zone_offset, zone_minutes);
    row.speed = longitude_change(sun_degrees(hit->later.L), row.longitude) / (reference_motion(kSun) / 1440.0);
}

namespace {

struct MoonArgs {
    double Lm, Gamma, Omega, l, lp, F, D, Ve, Ea;
};

MoonArgs moon_args(double T) {
    const double T2 = T * T, T3 = T2 * T;
    MoonArgs m{};
    m.Lm = dms_to_rad(218, 18, 59.956) + arcsec(1732564372.833 * T - 4.776 * T2);
    m.Gamma = dms_to_rad(83, 21, 11.675) + arcsec(14648449.36 * T - 37.166 * T2);
    m.Omega = dms_to_rad(125, 2, 40.398) + arcsec(-6962890.266 * T + 7.474 * T2);
    m.l = arcsec(485866.773 + 1717915922.633 * T + 31.31 * T2 + 0.064 * T3);
    m.lp = arcsec(1287099.804 + 129596581.224 * T - 0.577 * T2 - 0.012 * T3);
    m.F = arcsec(335778.677 + 1739527263.137 * T - 13.257 * T2 + 0.011 * T3);
    m.D = arcsec(1072261.307 + 1602961601.328 * T - 6.891 * T2 + 0.019 * T3);
    m.Ve = 3.1761 + 1021.3286 * T;
    m.Ea = 1.7535 + 628.3076 * T;
    return m;
}

double moon_longitude_rad(const MoonArgs& m) {
    double sum = 0;
    for (const MoonTerm& t : kMoonTerms) sum += t.lon * std::sin(t.l * m.l + t.lp * m.lp + t.f * m.F + t.d * m.D);
    double L = m.Lm + arcsec(sum + 14 * std::sin(26.54 * kDeg + 18 * m.Ve - 16 * m.Ea - m.l) + 7 * std::sin(m.Omega));
    return normalize_rad(L);
}

double node_degrees(double omega) { return normalize_deg(omega * 180.0 / kPi); }

}  // namespace

void Engine::compute_moon(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                          unsigned second, int zone_offset, int zone_minutes) {
    const double jd = julian_day(day, month, year, hour, minute, second, zone_offset, zone_minutes);
    const double T = julian_centuries(jd);
    const MoonArgs m = moon_args(T);
    const double eps = mean_obliquity(day, month, year, hour, minute, second, zone_offset, zone_minutes);

    const double lon = moon_longitude_rad(m);
    double lat = 0, dist = 385000;
    for (const MoonTerm& t : kMoonTerms) {
        const double arg = t.l * m.l + t.lp * m.lp + t.f * m.F + t.d * m.D;
        lat += t.lat_plus * std::sin(arg + m.F) + t.lat_minus * std::sin(arg - m.F);
        dist += t.dist * std::cos(arg);
    }
    lat = arcsec(lat - 8 * std::sin(m.Lm));

    TBodyRow& row = body_table[kMoon];
    row.longitude = normalize_deg(lon * 180.0 / kPi);
    row.latitude = lat * 180.0 / kPi;
    row.declination = declination_of(lon, lat, eps) * 180.0 / kPi;
    moon_lambda = row.longitude;
    moon_beta = row.latitude;
    moon_distance = dist;
    moon_distance_ratio = dist / 383000.0;
    moon_distance_text = std::to_string(static_cast<long>(dist));

    body_table[kBlackMoon].longitude = normalize_deg((m.Gamma + kPi) * 180.0 / kPi);

    const double north = node_degrees(m.Omega);
    // The mean node moves backwards; step time by a second until the value changes.
    double later = north;
    for (double t = T; later == north && t < T + 1e-3;) {
        t += 1.0 / 86400.0;
        later = node_degrees(moon_args(t).Omega);
    }
    const std::uint8_t node_retro = later < north ? 1 : 0;
    for (int b : {kNorthNode, kSouthNode}) {
        TBodyRow& n = body_table[b];
        n.longitude = b == kNorthNode ? north : normalize_deg(north + 180.0);
        n.latitude = 0;
        n.declination = safe_asin(std::sin(eps) * std::sin(n.longitude * kDeg)) * 180.0 / kPi;
        n.retrograde = node_retro;
    }

    // Phase and age against the Sun of the same moment.
    const double S = sun_lambda, Mo = moon_lambda;
    const double A = Mo >= S ? Mo : Mo + 360;
    moon_waxing = A - S < 180 ? 1 : 0;
    moon_elongation = moon_waxing ? std::fabs(A - S) : 360 - std::fabs(S - A);
    moon_phase_text = moon_phase_text_of(moon_elongation, moon_waxing != 0);
    moon_age_text = moon_age_text_of(moon_elongation, moon_waxing != 0);

    // Second pass a minute later, for the motion.
    const double jd2 = julian_day(day, month, year, hour, minute + 1, second, zone_offset, zone_minutes);
    last_jd = jd2;
    const double lon2 = moon_longitude_rad(moon_args(julian_centuries(jd2))) * 180.0 / kPi;
    row.speed = longitude_change(lon2, row.longitude) / (reference_motion(kMoon) / 1440.0);
}

}  // namespace sidora::engine
