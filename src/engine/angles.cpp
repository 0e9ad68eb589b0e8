#include "engine/angles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace sidora::engine {
namespace {

const std::string kEmpty;

const std::array<std::string, 12> kSignAbbrev = {" BE ", " BÝ ", " BL ", " RA ", " LE ", " PA ",
                                                   " VÁ ", " ŠT ", " ST ", " KO ", " VO ", " RY "};
const std::array<std::string, 12> kSignNames = {"Beran", "Býk",    "Blíženci", "Rak",
                                                 "Lev",   "Panna",  "Váhy",     "Štír",
                                                 "Střelec", "Kozoroh", "Vodnář", "Ryby"};
const std::array<std::string, 12> kSignLocative = {
    "v Beranu", "v Býku",    "v Blížencích", "v Raku",      "ve Lvu",     "v Panně",
    "ve Váhách", "ve Štíru", "ve Střelci",   "v Kozorohu", "ve Vodnáři", "v Rybách"};
const std::array<std::string, 12> kMonthNames = {"ledna", "února",  "března",   "dubna",
                                                  "května", "června", "července", "srpna",
                                                  "září",  "října",  "listopadu", "prosince"};
const std::array<std::string, 7> kWeekdayNames = {"neděle", "pondělí", "úterý", "středa",
                                                  "čtvrtek", "pátek",  "sobota"};

std::string padded(long v, const char* pad) {
    return v < 10 ? pad + std::to_string(v) : std::to_string(v);
}

template <std::size_t N>
const std::string& pick(const std::array<std::string, N>& table, int index) {
    return index >= 1 && index <= static_cast<int>(N) ? table[static_cast<std::size_t>(index - 1)]
                                                      : kEmpty;
}

}  // namespace

double dms_to_rad(double degrees, double minutes, double seconds) {
    return degrees * kPi / 180.0 + minutes * kPi / 10800.0 + seconds * kPi / 648000.0;
}

std::string format_angle(bool signed_, bool zodiacal, bool with_seconds, double x) {
    std::string prefix = signed_ ? (x >= 0 ? "+" : "-") : " ";
    if (x == 360.0) x = 0.0;
    if (prefix == "-") x = std::fabs(x);
    if (!std::isfinite(x) || std::fabs(x) > 1e9) return prefix + "?";
    long d = static_cast<long>(std::trunc(x));
    const double f = x - static_cast<double>(d);
    std::string sign;
    if (zodiacal) {
        if (d >= 0 && d <= 359) sign_abbrev(static_cast<int>(d), sign);
        if (d > 29) d %= 30;
    }
    const auto m = static_cast<long>(std::trunc(f * 60.0));
    const auto s = static_cast<long>(std::trunc((f * 60.0 - static_cast<double>(m)) * 60.0));
    const std::string dt = padded(d, " ");
    const std::string mt = padded(m, "0");
    const std::string st = padded(s, "0");
    if (zodiacal) {
        return with_seconds ? prefix + dt + sign + mt + "´" + st + "\" " : prefix + dt + sign + mt;
    }
    return with_seconds ? prefix + dt + "°" + mt + "´" + st + "\" " : prefix + dt + "°" + mt + "´";
}

std::string format_angle_rad(bool signed_, double x) {
    std::string prefix = signed_ ? (x >= 0 ? "+" : "-") : " ";
    if (prefix == "-") x = std::fabs(x);
    x = x * 180.0 / kPi;
    if (!std::isfinite(x) || std::fabs(x) > 1e9) return prefix + "?";
    const auto d = static_cast<long>(std::trunc(x));
    const double f = x - static_cast<double>(d);
    const auto m = static_cast<long>(std::trunc(f * 60.0));
    const auto s = static_cast<long>(std::trunc((f * 60.0 - static_cast<double>(m)) * 60.0));
    return prefix + std::to_string(d) + "°" + std::to_string(m) + "´" + std::to_string(s) + "\"";
}

std::string format_number(int decimals, double value) {
    if (decimals < 0) decimals = 0;
    if (!std::isfinite(value)) return "?";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(value));
    std::string digits(buf);
    const std::size_t dot = digits.find('.');
    std::string whole = digits.substr(0, dot);
    std::string frac = dot == std::string::npos ? "" : digits.substr(dot + 1);
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += "\u00A0";
        grouped += whole[i];
    }
    const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string::npos;
    std::string out = negative ? "-" + grouped : grouped;
    if (!frac.empty()) out += "," + frac;
    return out;
}

std::string hours_to_hhmm(double h) {
    if (!std::isfinite(h)) return "?";
    h = std::fmod(h, 24.0);
    if (h < 0) h += 24.0;
    auto hh = static_cast<long>(std::trunc(h));
    auto mm = static_cast<long>(std::nearbyint((h - static_cast<double>(hh)) * 60.0));
    if (mm == 60) {
        mm = 0;
        hh = (hh + 1) % 24;
    }
    std::string text = std::to_string(hh) + ":" + padded(mm, "0");
    return text.substr(0, 5);
}

void sign_abbrev(int degree, std::string& out) {
    if (degree < 0 || degree > 359) return;
    out = kSignAbbrev[static_cast<std::size_t>(degree / 30)];
}

const std::string& sign_name(int sign) { return pick(kSignNames, sign); }
const std::string& sign_name_locative(int sign) { return pick(kSignLocative, sign); }
const std::string& month_name(int month) { return pick(kMonthNames, month); }
const std::string& weekday_name(int day) { return pick(kWeekdayNames, day); }

bool angle_in_arc(double a, double b, double c) {
    if (a == -1 || b == -1 || c == -1) return false;
    auto norm = [](double x) {
        x = std::fmod(x, 360.0);
        if (x < 0) x += 360.0;
        if (x >= 360.0) x -= 360.0;
        return x;
    };
    a = norm(a);
    b = norm(b);
    c = norm(c);
    const double e = std::min(b, c);
    const double f = std::max(b, c);
    if (f - e >= 180) return a >= f || a <= e;
    return e <= a && a <= f;
}

}  // namespace sidora::engine
