// The time tab, the world clocks and the header's date line.
#include <cmath>

#include "engine/angles.h"
#include "engine/body_table.h"
#include "engine/frames.h"
#include "models/sky_parts.h"

namespace sidora::models {

const std::array<std::string, 10>& world_clock_cities() {
    static const std::array<std::string, 10> kCities = {"Londýn", "Moskva",     "Dillí",       "Peking",
                                                        "Tókjó",  "Sydney",     "Wellington",  "Los Angeles",
                                                        "New York", "Rio de Janeiro"};
    return kCities;
}

namespace sky {

std::string true_solar_time(const engine::Moment& m, int zo, int zm, const data::TMisto& p) {
    int ut_hour = static_cast<int>(m.hour) - zo;
    if (ut_hour < 0) ut_hour += 24;
    const double T = engine::julian_centuries(
        engine::julian_day(m.day, m.month, m.year, m.hour, m.minute, m.second, zo, zm));
    double L = (280.5 + 36000.8 * T) * engine::kPi / 180.0;
    L = std::fmod(L, engine::kTwoPi);
    if (L < 0) L += engine::kTwoPi;
    const double E = (592 - T) * std::sin(2 * L) - (13 * T + 103) * std::sin(L) - (448 - 4 * T) * std::cos(L);
    const double D = (p.lon_deg + p.lon_min / 60.0) * 240.0;
    const double ut = ut_hour * 3600.0 + m.minute * 60.0 + m.second;
    double t = p.east ? ut + E + D : ut - D + E;
    // Brought into the day both ways, whichever side of Greenwich.
    while (t > 86400) t -= 86400;
    while (t < 0) t += 86400;
    const auto h = static_cast<long>(t / 3600);
    const double rest = t - static_cast<double>(h) * 3600;
    const auto mi = static_cast<long>(rest / 60);
    const auto s = static_cast<long>(rest - static_cast<double>(mi) * 60);
    return std::to_string(h) + ":" + std::to_string(mi) + ":" + std::to_string(s);
}

std::string season_name(double lon, bool north) {
    static const char* const kNorth[4] = {"Jaro", "Léto", "Podzim", "Zima"};
    static const char* const kSouth[4] = {"Podzim", "Zima", "Jaro", "Léto"};
    int q = static_cast<int>(lon) / 90;
    if (q < 0 || q > 3) q = 0;
    return north ? kNorth[q] : kSouth[q];
}

std::array<std::string, 10> world_clocks(unsigned hour, unsigned minute, unsigned second, int zo) {
    static constexpr int kOffsets[10] = {0, 3, 5, 8, 9, 10, 12, -8, -5, -3};
    std::array<std::string, 10> out;
    const int ut = static_cast<int>(hour) - zo;
    for (std::size_t i = 0; i < out.size(); ++i) {
        int h = ut + kOffsets[i];
        int mi = static_cast<int>(minute);
        if (i == 2) {  // Delhi keeps half an hour more
            mi += 30;
            if (mi >= 60) {
                mi -= 60;
                ++h;
            }
        }
        if (h > 23) h -= 24;
        if (h < 0) h += 24;
        out[i] = std::to_string(h) + ":" + std::to_string(mi) + ":" + std::to_string(second);
    }
    return out;
}

YearLeft time_left_in_year(const engine::Moment& m) {
    const long long d = engine::date_serial(m.year, 12, 31) - engine::date_serial(m.year, m.month, m.day);
    YearLeft y{};
    y.days = d;
    y.hours = d * 24 + (23 - static_cast<long long>(m.hour));
    y.minutes = y.hours * 60 + (59 - static_cast<long long>(m.minute));
    y.seconds = y.minutes * 60 + (59 - static_cast<long long>(m.second));
    y.day_of_year = (engine::is_leap_year(m.year) ? 366 : 365) - static_cast<int>(d);
    return y;
}

std::string date_line(const engine::Moment& m, bool running) {
    const std::string& weekday = engine::weekday_name(engine::day_of_week(m.day, m.month, m.year));
    const std::string& month = engine::month_name(m.month);
    if (running) {
        return "Dnes je " + weekday + " " + std::to_string(m.day) + ". " + month + ", " +
               std::to_string(time_left_in_year(m).day_of_year) + ". den roku " + std::to_string(m.year) + ".";
    }
    return std::to_string(m.day) + ". " + month + " " + std::to_string(m.year) + ", " + weekday;
}

void fill_time_tab(SkyView& v, engine::Engine& e, const engine::Moment& m, int zo, int zm,
                   const data::TMisto& p) {
    const YearLeft left = time_left_in_year(m);
    v.Tab3.text(4, 0, std::to_string(left.days) + " dní");
    v.Tab3.text(4, 1, std::to_string(left.hours) + " hodin");
    v.Tab3.text(4, 2, std::to_string(left.minutes) + " minut");
    v.Tab3.text(4, 3, std::to_string(left.seconds) + " sekund");
    const double jd = engine::julian_day(m.day, m.month, m.year, m.hour, m.minute, m.second, zo, zm);
    v.Tab3.text(1, 0, engine::fixed_point_text(jd, 5));
    v.Tab3.text(1, 1, true_solar_time(m, zo, zm, p));
    e.local_sidereal_time(m.day, m.month, m.year, m.hour, m.minute, m.second, p.lon_deg, p.lon_min, p.east != 0,
                          zo, zm);
    v.Tab3.text(1, 2, e.sidereal_text);
}

}  // namespace sky
}  // namespace sidora::models
