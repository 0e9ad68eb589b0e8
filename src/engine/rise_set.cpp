// The Moon's and the planets' rising, transit and setting, and the horizon coordinates.
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

#include "engine/angles.h"
#include "engine/day_common.h"
#include "engine/engine_state.h"
#include "engine/frames.h"

namespace sidora::engine {
namespace {

constexpr double kDeg = kPi / 180.0;

double hours_of_clock(const std::string& text) {
    const auto colon = text.find(':');
    return std::stoi(text.substr(0, colon)) + std::stoi(text.substr(colon + 1)) / 60.0;
}

// Right ascension from the two candidates, with the substitutes a caller names for ratios
// that fall outside −1..1.
double ra_from_candidates(double lon, double lat, double dec, double eps, double acos_above, double acos_below,
                          double asin_above, double asin_below) {
    const double cd = std::cos(dec);
    const double rc = cd == 0 ? 2 : std::cos(lat) * std::cos(lon) / cd;
    const double rs = cd == 0 ? 2 : (std::cos(eps) * std::sin(lon) * std::cos(lat) - std::sin(eps) * std::sin(lat)) / cd;
    const double A = rc > 1 ? acos_above : rc < -1 ? acos_below : std::acos(rc);
    const double S = rs > 1 ? asin_above : rs < -1 ? asin_below : std::asin(rs);
    if (A == 0 || S == 0) return 0;
    return S > 0 ? A : kTwoPi - A;
}

}  // namespace

void Engine::moon_rise_set(unsigned day, unsigned month, unsigned year, int lat_deg, int lat_min, int lon_deg,
                           int lon_min, bool north, bool east, int zone_offset, int zone_minutes) {
    const double phi = place_angle(lat_deg, lat_min, north);
    const double lon = place_angle(lon_deg, lon_min, east);
    const double zone = zone_offset * kPi / 12;

    // The Moon at t (zone hours after 0:00 of the date, possibly outside it).
    struct MoonSky {
        double alpha, dec, theta;
    };
    auto moon_at = [&](double t) {
        Moment m{static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year),
                 0, 0, 0};
        double at = t;
        while (at < 0) {
            moment_prev_day(m);
            at += 24;
        }
        // Hours past the day carry into the next one inside the Julian day.
        const auto secs = static_cast<unsigned>(std::lround(at * 3600));
        const unsigned h = secs / 3600, mi = secs / 60 % 60, sec = secs % 60;
        compute_moon(m.year, m.month, m.day, h, mi, sec, zone_offset, zone_minutes);
        const double eps = mean_obliquity(m.day, m.month, m.year, h, mi, sec, zone_offset, zone_minutes);
        const double lm = moon_lambda * kDeg, bm = moon_beta * kDeg;
        const double dec = safe_asin(std::sin(bm) * std::cos(eps) + std::cos(bm) * std::sin(eps) * std::sin(lm));
        const double alpha = ra_from_candidates(lm, bm, dec, eps, 0, 0, kPi / 2, kPi / 2);
        // The sidereal time of the instant's own T advances at the solar rate: adding the
        // hours since 0h UT gives the true one.
        const double theta = theta0_seconds(julian_day(m.day, m.month, m.year, h, mi, sec, zone_offset, zone_minutes)) *
                             kPi / 43200;
        return MoonSky{alpha, dec, theta};
    };
    // One step: the time of the event nearest to t from the Moon at t; nothing when the
    // Moon stays above or below.
    auto step = [&](double t, bool rising) -> std::optional<double> {
        const MoonSky m = moon_at(t);
        const double x = -std::sin(phi) * std::sin(m.dec) / (std::cos(phi) * std::cos(m.dec));
        if (std::fabs(x) > 1) return std::nullopt;
        const double H = std::acos(x);
        const double D = (rising ? m.alpha - H : m.alpha + H) - m.theta - lon + zone;
        const double hours = D * 12 / kPi;
        return hours - 24 * std::round((hours - t) / 24);
    };
    // Near the polar circles the Moon may stay up only an hour or two and the step runs
    // away; there the date's altitude is searched, every 20 minutes, each change narrowed
    // to a second. The Moon's place changes smoothly over a day, so a polynomial through
    // five places of the date serves the search to a fraction of an arcsecond.
    constexpr int kNodes = 5;
    std::array<double, kNodes> node_psi{}, node_dec{};  // sidereal time less right ascension; declination
    bool have_nodes = false;
    auto above = [&](double t) {
        if (!have_nodes) {
            for (int i = 0; i < kNodes; ++i) {
                const MoonSky m = moon_at(i * 24.0 / (kNodes - 1));
                double psi = m.theta - m.alpha;
                if (i > 0) psi -= kTwoPi * std::round((psi - node_psi[static_cast<std::size_t>(i - 1)]) / kTwoPi);
                node_psi[static_cast<std::size_t>(i)] = psi;
                node_dec[static_cast<std::size_t>(i)] = m.dec;
            }
            have_nodes = true;
        }
        double psi = 0, dec = 0;
        for (int i = 0; i < kNodes; ++i) {
            double w = 1;
            for (int j = 0; j < kNodes; ++j) {
                if (j != i) w *= (t - j * 24.0 / (kNodes - 1)) / ((i - j) * 24.0 / (kNodes - 1));
            }
            psi += w * node_psi[static_cast<std::size_t>(i)];
            dec += w * node_dec[static_cast<std::size_t>(i)];
        }
        const double hour_angle = psi + t * kPi / 12 - zone + lon;
        return std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(hour_angle) > 0;
    };
    constexpr int kSamples = 72;
    std::array<signed char, kSamples + 1> samples{};  // the rise's search and the set's share them
    auto sample = [&](int k) {
        signed char& known = samples[static_cast<std::size_t>(k)];
        if (known == 0) known = above(k * 24.0 / kSamples) ? 1 : -1;
        return known > 0;
    };
    auto search = [&](bool rising) -> std::optional<double> {
        double a = 0;
        bool up_a = sample(0);
        for (int k = 1; k <= kSamples; ++k) {
            const double b = k * 24.0 / kSamples;
            const bool up_b = sample(k);
            if (up_a != up_b && up_b == rising) {
                double lo = a, hi = b;
                while (hi - lo > 1.0 / 3600) {
                    const double mid = (lo + hi) / 2;
                    (above(mid) == up_a ? lo : hi) = mid;
                }
                return (lo + hi) / 2;
            }
            a = b;
            up_a = up_b;
        }
        return std::nullopt;
    };
    // Until the time stops moving (a few seconds); a step that runs away finds nothing.
    auto settle = [&](double t, bool rising) -> std::optional<double> {
        for (int i = 0; i < 12; ++i) {
            const auto next = step(t, rising);
            if (!next) return std::nullopt;
            const bool settled = std::fabs(*next - t) < 0.1 / 60;
            t = *next;
            if (settled) return t;
        }
        return std::nullopt;
    };
    auto on_date = [](const std::optional<double>& t) { return t && *t >= 0 && *t < 24; };
    // The Moon comes back about 50 minutes later each day, so an event that settled outside
    // the date may leave the date's own event one lunar day before or after it. Only the
    // search says that the date has none.
    auto event = [&](double start, bool rising) -> std::optional<double> {
        constexpr double kLunarDay = 24.84;
        auto t = settle(start, rising);
        if (t && !on_date(t)) t = settle(*t < 0 ? *t + kLunarDay : *t - kLunarDay, rising);
        return on_date(t) ? t : search(rising);
    };
    const auto rise = event(12, true);
    const auto set = event(12, false);
    moon_rise_text = rise ? clock_rounded(*rise) : "Není";
    moon_set_text = set ? clock_rounded(*set) : "Není";
    if (!rise || !set) {
        moon_transit_text = "------";
        return;
    }
    const double r = hours_of_clock(moon_rise_text), s = hours_of_clock(moon_set_text);
    double transit = (r + s) / 2;
    if (r > s) transit += 12;
    if (transit >= 24) transit -= 24;
    moon_transit_text = clock_rounded(transit);
}

void Engine::planet_rise_set_of(unsigned day, unsigned month, unsigned year, int lon_deg, int lon_min, int lat_deg,
                                int lat_min, bool east, bool north, int zone_offset, int zone_minutes) {
    for (auto& rec : planet_rise_set) rec.rise = "-";
    const double phi = place_angle(lat_deg, lat_min, north);
    const double eps0 = mean_obliquity(day, month, year, 0, 0, 0, zone_offset, zone_minutes);
    const double jd_noon = julian_day(day, month, year, 12, 0, 0, zone_offset, zone_minutes);
    const double T = julian_centuries(jd_noon);
    const double theta0 = theta0_seconds(jd_noon);
    const double lon_seconds = (lon_deg + lon_min / 60.0) * 240.0 * (east ? 1 : -1);
    for (int k = kMercury; k <= kPluto; ++k) {
        if (planet_selection != -1 && planet_selection != k) continue;
        compute_table_body(k, Moment{static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                                     static_cast<std::uint16_t>(year), 12, 0, 0},
                           zone_offset, zone_minutes);
        const TBodyRow& row = body_table[k];
        const double dec = row.declination * kDeg;
        PlanetRiseSet& rec = planet_rise_set[static_cast<std::size_t>(k)];
        rec.ra = ra_from_candidates(row.longitude * kDeg, row.latitude * kDeg, dec, eps0, 0, kPi / 2, kPi / 2, 3 * kPi / 2);
        double t = (rec.ra * 43200 / kPi - theta0 - lon_seconds) / sidereal_rate(T) / 3600;
        t = std::fmod(t, 24.0);
        if (t < 0) t += 24;
        int hour = static_cast<int>(t);
        const int minute = static_cast<int>((t - hour) * 60);
        hour = ((hour + zone_offset) % 24 + 24) % 24;
        rec.transit_hours = hour + minute / 60.0;
        rec.transit = clock_truncated(rec.transit_hours);

        const double tt = std::tan(phi) * std::tan(dec);
        if (std::fabs(tt) >= 1) {
            rec.rise = rec.set = "Není";
            rec.rise_previous_day = rec.set_next_day = 0;
            continue;
        }
        const double H = std::acos(-tt) * 12 / kPi;
        double rise = rec.transit_hours - H;
        rec.rise_previous_day = 0;
        if (rise > 23) rise -= 24;
        if (rise < 0) {
            rise += 24;
            rec.rise_previous_day = 1;
        }
        double set = rec.transit_hours + H;
        rec.set_next_day = 0;
        if (set >= 24) {
            set -= 24;
            rec.set_next_day = 1;
        }
        rec.rise = clock_truncated(rise);
        rec.set = clock_truncated(set);
    }
}

void Engine::horizon_positions(unsigned day, unsigned month, unsigned year, int lat_deg, int lat_min, bool north,
                               int zone_offset, int zone_minutes) {
    const double phi = place_angle(lat_deg, lat_min, north);
    const double eps0 = mean_obliquity(day, month, year, 0, 0, 0, zone_offset, zone_minutes);
    const double lst = sidereal_degrees * kDeg;
    for (int b = kMoon; b <= kPluto; ++b) {
        const TBodyRow& row = body_table[b];
        const double dec = row.declination * kDeg;
        const double alpha = right_ascension(row.longitude * kDeg, row.latitude * kDeg, dec, eps0);
        if (b == kSun) sun_ra_deg = alpha / kDeg;
        if (b == kMoon) moon_ra_deg = alpha / kDeg;
        const double H = lst - alpha;
        const double alt = safe_asin(std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(H));
        const double ca = std::cos(alt);
        const double rs = ca == 0 ? 2 : std::sin(H) * std::cos(dec) / ca;
        const double rc = ca == 0 ? 2 : (std::sin(phi) * std::cos(dec) * std::cos(H) - std::cos(phi) * std::sin(dec)) / ca;
        const double s = std::fabs(rs) <= 1 ? std::asin(rs) : 0;
        const double c = std::fabs(rc) <= 1 ? std::acos(rc) : 0;
        // Counted from the south, then turned to count from the north; the same on both
        // sides of the equator.
        const double A = (s == 0 || c == 0) ? 0 : s > 0 ? c : kTwoPi - c;
        horizon_table[static_cast<std::size_t>(b + 1)] = {alt / kDeg, normalize_deg(A / kDeg + 180)};
    }
}

}  // namespace sidora::engine
