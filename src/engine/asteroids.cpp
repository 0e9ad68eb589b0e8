// Ceres, Pallas, Juno, Vesta and Chiron from the osculating elements nearest in time.
#include <cmath>
#include <stdexcept>

#include "engine/angles.h"
#include "engine/engine_state.h"
#include "engine/frames.h"
#include "engine/orbit_math.h"

namespace sidora::engine {
namespace {

constexpr double kDeg = kPi / 180.0;

double quadrant_atan(double y, double x) {
    if (x == 0) return y > 0 ? kPi / 2 : y < 0 ? -kPi / 2 : 0;
    return std::atan2(y, x);
}

}  // namespace

double Engine::asteroid_longitude(int n, const Moment& m, int zone_offset, int zone_minutes, bool store) {
    const auto idx = static_cast<std::size_t>(n);
    const double jd = julian_day(m.day, m.month, m.year, m.hour, m.minute, m.second, zone_offset, zone_minutes);

    // The Sun of a simple solar model.
    const double d = jd - 2451543.5;
    const double w = normalize_rad((282.9404 + 4.70935e-5 * d) * kDeg);
    const double es = 0.016709 - 1.151e-9 * d;
    const double Ms = (356.047 + 0.9856002585 * d) * kDeg;
    double Es = Ms;
    for (int i = 0; i < 100; ++i) {
        const double next = Ms + es * std::sin(Es);
        const bool done = std::fabs(next - Es) < 1e-7;
        Es = next;
        if (done) break;
    }
    const double xvs = std::cos(Es) - es, yvs = std::sqrt(1 - es * es) * std::sin(Es);
    const double rs = std::sqrt(xvs * xvs + yvs * yvs);
    const double ls = quadrant_atan(yvs, xvs) + w;
    const double xs = rs * std::cos(ls), ys = rs * std::sin(ls);

    // The element set whose epoch is nearest (the first of equals).
    const auto& sets = asteroid_elements[idx];
    const AsteroidElements* best = &sets.front();
    for (const auto& e : sets) {
        if (std::fabs(e.epoch - jd) < std::fabs(best->epoch - jd)) best = &e;
    }
    const AsteroidElements& el = *best;

    const double node = (el.node + 0.013967 * (el.year - static_cast<int>(m.year))) * kDeg;
    const double period = 360.0 / el.daily_motion;
    const double a = std::pow(period * period / (365.2568984 * 365.2568984), 0.333333);
    const double M = normalize_rad((el.daily_motion * (jd - el.epoch) + el.mean_anomaly) * kDeg);
    const double e = el.eccentricity;
    double E = M;
    for (int i = 0; i < 100; ++i) {
        const double step = (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
        E -= step;
        if (std::fabs(step) < 1e-7) break;
    }
    const double xv = a * (std::cos(E) - e), yv = a * std::sqrt(1 - e * e) * std::sin(E);
    const double v = quadrant_atan(yv, xv);
    const double r = std::sqrt(xv * xv + yv * yv);

    const double u = v + el.perihelion_arg * kDeg;
    const double inc = el.inclination * kDeg;
    double x = r * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(inc));
    double y = r * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * std::cos(inc));
    double z = r * std::sin(u) * std::sin(inc);
    const double lh = quadrant_atan(y, x) + precession_since_2000(m.day, m.month, m.year, zone_offset, zone_minutes);
    const double bh = quadrant_atan(z, std::sqrt(x * x + y * y));
    x = r * std::cos(bh) * std::cos(lh);
    y = r * std::cos(bh) * std::sin(lh);
    z = r * std::sin(bh);

    const double xg = x + xs, yg = y + ys, zg = z;
    const double dist = std::sqrt(xg * xg + yg * yg + zg * zg);
    const double eps = mean_obliquity(m.day, m.month, m.year, m.hour, m.minute, m.second, zone_offset, zone_minutes);
    const double ye = yg * std::cos(eps) - zg * std::sin(eps);
    const double ze = yg * std::sin(eps) + zg * std::cos(eps);
    const double ra = quadrant_atan(ye, xg);
    const double dec = quadrant_atan(ze, std::sqrt(xg * xg + ye * ye));
    const Spherical ecl = equatorial_to_ecliptic(ra, dec, eps);
    const double lon = normalize_deg(ecl.lon / kDeg);

    if (store) {
        const double days = std::round(std::fabs(jd - el.epoch));
        asteroid_quality[idx - 1] = days < 51 ? 'A' : days < 501 ? 'B' : 'C';
        asteroid_sun_xy = {xs, ys};
        TBodyRow& row = body_table[kFirstAsteroid + n - 1];
        row.longitude = lon;
        row.latitude = ecl.lat / kDeg;
        row.declination = dec / kDeg;
        asteroid_decl_rad[idx] = dec;
        asteroid_helio_text[idx] = fixed_point_text(r, 4);
        asteroid_geo_text[idx] = fixed_point_text(dist, 4);
    }
    return lon;
}

void Engine::asteroid_positions(int n, unsigned year, unsigned month, unsigned day, unsigned hour,
                                unsigned minute, unsigned second, int zone_offset, int zone_minutes) {
    if (n < 1 || n > 5) throw std::out_of_range("asteroid number");
    const auto idx = static_cast<std::size_t>(n);
    if (asteroid_elements[idx].empty()) {
        throw std::runtime_error(asteroid_load_error[idx].empty() ? "Elementy planetky nejsou načteny."
                                                                  : asteroid_load_error[idx]);
    }
    auto u16 = [](unsigned v) { return static_cast<std::uint16_t>(v); };
    const Moment m{u16(day), u16(month), u16(year), u16(hour), u16(minute), u16(second)};
    const double first = asteroid_longitude(n, m, zone_offset, zone_minutes, true);
    // Step the minute until the longitude changes, then compare the short way round.
    double later = first;
    for (unsigned k = 1; later == first && k <= kMaxPlanetPasses; ++k) {
        Moment next = m;
        next.minute = u16(minute + k);  // julian_day carries the overflow
        later = asteroid_longitude(n, next, zone_offset, zone_minutes, false);
    }
    const double diff = longitude_change(later, first);
    body_table[kFirstAsteroid + n - 1].retrograde = diff <= 0 ? 1 : 0;
}

}  // namespace sidora::engine
