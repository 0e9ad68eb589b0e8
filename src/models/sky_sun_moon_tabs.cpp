// The Sun and Moon tabs: day cells from the day refresh, moment cells on every tick, and
// the picture of the Moon's phase.
#include <cmath>

#include "engine/angles.h"
#include "models/sky_parts.h"

namespace sidora::models::sky {
namespace {

constexpr const char* kNoAzimuth = "---------------";

std::string azimuth_text(double az, bool seconds) {
    return az == 0 ? kNoAzimuth : engine::format_angle(false, false, seconds, az);
}

}  // namespace

std::string instant_text(const Instant& i, const std::string& suffix) {
    const std::string mm = (i.minute < 10 ? "0" : "") + std::to_string(i.minute);
    return std::to_string(i.day) + "." + std::to_string(i.month) + "." + std::to_string(i.year) + ", " +
           std::to_string(i.hour) + ":" + mm + suffix;
}

void mark_instant(Cell& c, const Instant& i, const engine::Moment& shown) {
    const bool today = i.day == shown.day && i.month == shown.month && i.year == shown.year;
    c.bold = today;
    c.background = today ? colors::kYellow : colors::kAqua;
}

void fill_day_cells(SkyView& v, const DayReport& d, const engine::Moment& m, const std::string& zone_text,
                    bool seconds) {
    const std::string utc = " hod. UTC" + zone_text;

    // Seasons: spring and summer in column 1, autumn and winter in column 4.
    for (int k = 0; k < 4; ++k) {
        Cell& c = v.Tab4.at(k < 2 ? 1 : 4, k % 2);
        c.text = instant_text(d.seasons[static_cast<std::size_t>(k)], utc);
        mark_instant(c, d.seasons[static_cast<std::size_t>(k)], m);
    }

    v.Tab5.text(1, 0, d.sun_rise);
    v.Tab5.text(1, 1, d.culmination);
    v.Tab5.text(1, 2, d.sun_set);
    v.Tab5.text(1, 3, d.day_length);
    // An azimuth of a full circle is the north point itself.
    v.Tab5.text(4, 0, azimuth_text(d.rise_azimuth == 360 ? 0 : d.rise_azimuth, seconds));
    v.Tab5.text(4, 1, engine::format_angle(true, false, seconds, d.culmination_altitude));
    v.Tab5.text(4, 2, azimuth_text(d.set_azimuth == 360 ? 0 : d.set_azimuth, seconds));
    for (auto [row, instant] : {std::pair{7, d.perihelion}, std::pair{8, d.aphelion}}) {
        Cell& c = v.Tab5.at(4, row);
        c.text = instant_text(instant, utc);
        mark_instant(c, instant, m);
    }

    for (int k = 0; k < 3; ++k) {
        v.Tab6.text(k + 1, 1, d.twilight[static_cast<std::size_t>(k)].first);
        v.Tab6.text(k + 1, 2, d.twilight[static_cast<std::size_t>(k)].second);
    }

    v.tab7.text(1, 0, d.moon_rise);
    v.tab7.text(1, 1, d.moon_set);
    for (auto [row, instant] : {std::pair{1, d.perigee}, std::pair{2, d.apogee}}) {
        Cell& c = v.Tab8.at(1, row);
        c.text = instant_text(instant, utc);
        mark_instant(c, instant, m);
    }

    static constexpr int kCols[4] = {0, 0, 3, 3};
    static constexpr int kRows[4] = {0, 1, 0, 1};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto& ph = d.phases[k];
        Cell& name = v.Tab9.at(kCols[k], kRows[k]);
        Cell& when = v.Tab9.at(kCols[k] + 1, kRows[k]);
        name.text = ph.valid ? phase_name(ph.type) : "";
        when.text = ph.valid ? instant_text(ph.at, " hod.") : "";
        mark_instant(when, ph.at, m);
    }
    v.phase_caption = "Nejbližší fáze Měsíce (UTC" + zone_text + "):";
}

std::array<MoonSpan, 51> moon_spans(double elongation, bool waxing) {
    std::array<MoonSpan, 51> spans{};
    const double f = 1.0 - elongation / 180.0;
    for (int i = 0; i <= 25; ++i) {
        const int w = static_cast<int>(std::lround(std::sqrt(625.0 - i * i)));
        MoonSpan s{25 - w, 25 + w};
        const double length = 2.0 * w;
        if (waxing) s.first += static_cast<int>(f * length);
        else s.last -= static_cast<int>(std::lround(f * length));
        if (25 - i >= 1) spans[static_cast<std::size_t>(25 - i)] = s;
        spans[static_cast<std::size_t>(25 + i)] = s;
    }
    return spans;
}

void fill_sun_moon_tabs(SkyView& v, const engine::Engine& e, bool seconds) {
    const auto& moon = e.horizon_table[0];
    const auto& sun = e.horizon_table[1];
    v.Tab5.text(1, 5, engine::format_angle(false, false, seconds, sun.azimuth));
    v.Tab5.text(4, 5, engine::format_angle(true, false, seconds, sun.altitude));
    const double r = e.body_table[engine::kSun].distance;
    v.Tab5.text(1, 7, e.sun_distance_text + " AU");
    v.Tab5.text(1, 8, "(" + std::to_string(std::llround(r * 149597870.0)) + " km )");

    v.tab7.text(1, 3, engine::format_angle(true, false, seconds, moon.altitude));
    v.tab7.text(4, 3, engine::format_angle(false, false, seconds, moon.azimuth));
    v.tab7.text(4, 0, e.moon_phase_text);
    v.tab7.text(4, 1, e.moon_age_text);
    v.Tab8.text(1, 0, std::to_string(std::llround(e.moon_distance)) + " km (" +
                          engine::fixed_point_text(e.moon_distance / 383000.0, 4) + ")");
    v.moon_spans = moon_spans(e.moon_elongation, e.moon_waxing != 0);
}

}  // namespace sidora::models::sky
