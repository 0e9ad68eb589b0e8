#include "cycles/numerology.h"

#include "engine/time.h"

namespace sidora::cycles {

namespace {

int digit_sum(int n) {
    int s = 0;
    for (; n > 0; n /= 10) s += n % 10;
    return s;
}

void count_digits(int n, std::array<int, 10>& counts) {
    for (char ch : std::to_string(n))
        if (ch != '0') ++counts[static_cast<std::size_t>(ch - '0')];
}

constexpr std::array<const char*, 7> kHourPlanets = {"Slunce", "Venuše", "Merkur", "Měsíc",
                                                     "Saturn", "Jupiter", "Mars"};
// Number of the first hour's planet on Sunday … Saturday.
constexpr std::array<int, 7> kFirstHour = {1, 4, 7, 3, 6, 2, 5};

}  // namespace

int reduce(int n) {
    while (n > 9) n = digit_sum(n);
    return n;
}

NumerologyGrid numerology_grid(int day, int month, int year) {
    NumerologyGrid g;
    const std::string written = std::to_string(day) + std::to_string(month) + std::to_string(year);
    for (char ch : written) {
        const int d = ch - '0';
        g.digits.push_back(d);
        g.subtotal += d;
        if (d != 0) ++g.counts[static_cast<std::size_t>(d)];
    }
    count_digits(g.subtotal, g.counts);
    // A one-digit S is counted again as V: the loop always takes one step.
    int v = g.subtotal;
    do {
        v = digit_sum(v);
        count_digits(v, g.counts);
    } while (v > 9);
    g.vibration = v;

    const auto& c = g.counts;
    const auto line = [&](const char* key, const char* hint, int a, int b, int d) {
        return Line{key, hint, reduce(a * c[static_cast<std::size_t>(a)] + b * c[static_cast<std::size_t>(b)] +
                                      d * c[static_cast<std::size_t>(d)])};
    };
    g.lines = {line("childhood", "Životní úroveň v dětství a mládí", 1, 2, 3),
               line("middle_age", "Životní úroveň ve středním věku", 4, 5, 6),
               line("old_age", "Životní úroveň ve stáří", 7, 8, 9),
               line("spiritual", "Duchovní úroveň", 3, 6, 9),
               line("psychic", "Psychická úroveň", 2, 5, 8),
               line("physical", "Fyzická úroveň", 1, 4, 7),
               line("descent", "Sestup člověka", 3, 5, 7),
               line("ascent", "Vzestup člověka", 1, 5, 9)};
    return g;
}

const char* day_ruler(int weekday) {
    constexpr std::array<const char*, 7> rulers = {"Slunce", "Měsíc", "Mars", "Merkur", "Jupiter", "Venuše", "Saturn"};
    if (weekday < 1 || weekday > 7) return "";
    return rulers[static_cast<std::size_t>(weekday - 1)];
}

const char* hour_ruler(int weekday, int k) {
    int n = kFirstHour[static_cast<std::size_t>(weekday - 1)] + k - 1;
    while (n >= 8) n -= 7;
    return kHourPlanets[static_cast<std::size_t>(n - 1)];
}

PlanetaryHour planetary_hour(engine::Engine& engine, const data::TOsoba& p) {
    PlanetaryHour result;
    if (p.place.empty()) return result;
    const int offset = engine.zone_offset_of(p.zone, false, p.summer != 0, p.year, p.month, p.day, p.hour).hours;
    const std::uint8_t kept = engine.rise_mode;
    engine.rise_mode = 4;
    engine.sun_day(p.day, p.month, static_cast<unsigned>(p.year), p.lat_deg, p.lat_min, p.lon_deg, p.lon_min,
                   p.north != 0, p.east != 0, false, offset, 0);
    engine.rise_mode = kept;
    if (!engine.sun_rise_text.empty() && engine.sun_rise_text[0] == 'P') return result;

    const double rise = engine.sun_rise_hours, length = engine.day_length_hours;
    std::array<double, 26> start{};
    for (int k = 1; k <= 12; ++k) start[static_cast<std::size_t>(k)] = rise + (k - 1) * length / 12;
    double set = rise + length;
    if (set >= 24) set -= 24;
    for (int k = 13; k <= 24; ++k) start[static_cast<std::size_t>(k)] = set + (k - 13) * (24 - length) / 12;
    for (int k = 1; k <= 24; ++k)
        if (start[static_cast<std::size_t>(k)] >= 24) start[static_cast<std::size_t>(k)] -= 24;
    start[25] = start[1];

    const double t = p.hour + p.minute / 60.0;
    int hour = 0;
    for (int k = 1; k <= 24; ++k) {
        const double a = start[static_cast<std::size_t>(k)], b = start[static_cast<std::size_t>(k + 1)];
        if ((a <= t && t < b) || (a > b && (t >= a || t < b))) hour = k;
    }
    if (hour == 0) return result;
    result.known = true;
    result.hour = hour;
    result.text = hour <= 12 ? std::to_string(hour) + ". denní" : std::to_string(hour - 12) + ". noční";
    // Before sunrise the night still belongs to the day before: its first hour sets the sequence.
    int weekday = engine::day_of_week(p.day, p.month, p.year);
    if (t < rise) weekday = weekday == 1 ? 7 : weekday - 1;
    result.ruler = hour_ruler(weekday, hour);
    return result;
}

std::string vibration_file(int digit) { return "V" + std::to_string(digit) + ".txt"; }

std::string digit_file(int digit, int count, int max_count) {
    const std::string n = count > max_count ? "n" : std::to_string(count);
    return "C" + std::to_string(digit) + "x" + n + ".txt";
}

std::string vibration_heading(int digit) { return "Vibrační číslo: " + std::to_string(digit); }

std::string digit_heading(int digit, int count) {
    return "Číslice " + std::to_string(digit) + ": " + std::to_string(count) + " krát";
}

}  // namespace sidora::cycles
