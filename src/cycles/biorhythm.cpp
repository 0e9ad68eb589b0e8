#include "cycles/biorhythm.h"

#include <cmath>
#include <cstdlib>

#include "engine/angles.h"
#include "engine/time.h"

namespace sidora::cycles {

int age_days(const CivilDate& birth, const CivilDate& date) {
    const auto at_noon = [](const CivilDate& d) {
        return engine::julian_day(static_cast<unsigned>(d.day), static_cast<unsigned>(d.month),
                                  static_cast<unsigned>(d.year), 12, 0, 0, 0, 0);
    };
    return static_cast<int>(std::lround(at_noon(date) - at_noon(birth)));
}

char phase_mark(int x, int period) {
    const int half = period / 2;
    if (x == 0 || x == half) return '!';
    return x < half ? '+' : '-';
}

Child child_of(bool male, int f, int e) {
    if (male) return Child::Man;
    Child c = Child::Unsure;
    if (1 < f && f < 10 && 15 < e && e < 27) c = Child::Boy;
    if (4 < f && f < 7 && 19 < e && e < 23) c = Child::BoyLikely;
    if (12 < f && f < 22 && 1 < e && e < 13) c = Child::Girl;
    if (15 < f && f < 19 && 5 < e && e < 9) c = Child::GirlLikely;
    return c;
}

const char* child_text(Child child) {
    switch (child) {
        case Child::Man: return "---------";
        case Child::Unsure: return "?";
        case Child::Boy: return "Kluk";
        case Child::BoyLikely: return "Kluk!";
        case Child::Girl: return "Holka";
        case Child::GirlLikely: return "Holka!";
    }
    return "?";
}

std::string year_range_message() {
    return "Datum narození mimo povolené rozmezí let " + std::to_string(engine::year_min) + " až " +
           std::to_string(engine::year_max) + "!";
}

bool year_in_range(int year) { return year >= engine::year_min && year <= engine::year_max; }

std::string dotted_date(const CivilDate& d) {
    return std::to_string(d.day) + "." + std::to_string(d.month) + "." + std::to_string(d.year);
}

std::optional<std::vector<BioRow>> bio_rows(const CivilDate& birth, bool male, const CivilDate& start) {
    const int age = age_days(birth, start);
    if (age < 0) return std::nullopt;
    const std::int64_t first = engine::date_serial(start.year, start.month, start.day);
    std::vector<BioRow> rows;
    rows.reserve(kTableRows);
    for (int k = 0; k < kTableRows; ++k) {
        BioRow r;
        const engine::Date d = engine::serial_date(first + k);
        r.date = {d.year, d.month, d.day};
        r.date_text = dotted_date(r.date);
        r.age = age + k;
        for (std::size_t c = 0; c < 3; ++c) {
            r.positions[c] = r.age % kPeriods[c];
            r.marks[c] = phase_mark(r.positions[c], kPeriods[c]);
        }
        r.child = child_of(male, r.positions[0], r.positions[1]);
        rows.push_back(std::move(r));
    }
    return rows;
}

std::vector<Point> curve_points(int width, int cycle, int x0) {
    const int a = width / 30;
    const double period = kPeriods[static_cast<std::size_t>(cycle)];
    std::vector<Point> points;
    points.reserve(31);
    for (int k = 0; k <= 30; ++k) {
        const double s = std::sin(2 * engine::kPi * (x0 + k) / period);
        points.push_back({a * k, kAxisY - static_cast<int>(std::lround(100 * s))});
    }
    return points;
}

std::vector<int> tick_positions(int width) {
    const int a = width / 30;
    std::vector<int> ticks;
    for (int k = 1; k <= 29; ++k) ticks.push_back(a * k);
    return ticks;
}

std::pair<int, int> row_segment(int width, int row) {
    const int a = width / 30;
    return {a * (row - 1), a * row};
}

const char* harmony_verdict(int h) {
    if (h <= 0) return "Totální disharmonie!";
    if (h <= 25) return "Velmi nízká harmonie.";
    if (h <= 50) return "Středně harmonický vztah.";
    if (h <= 75) return "Velmi harmonický vztah.";
    return "Mimořádně harmonický vztah!";
}

Comparison compare(const CivilDate& first, const CivilDate& second) {
    Comparison c;
    c.days = std::abs(age_days(first, second));
    const auto harmony = [&](int period) {
        const double half = period / 2.0;
        return std::fabs((c.days % period) - half) * 100 / half;
    };
    const double f = harmony(23), e = harmony(28), i = harmony(33);
    // The mean of the unrounded values, rounded once.
    const std::array<double, 4> values = {f, e, i, (f + e + i) / 3};
    const std::array<const char*, 4> names = {"Fyzický", "Emocionální", "Intelektuální", "Průměr"};
    for (std::size_t k = 0; k < 4; ++k) {
        Harmony& h = c.rows[k];
        h.cycle = names[k];
        h.percent = static_cast<int>(std::lround(values[k]));
        // Padded so that the verdicts start in one column.
        std::string pad = "  ";
        if (h.percent < 100) pad += ' ';
        if (h.percent < 10) pad += ' ';
        h.text = std::to_string(h.percent) + "%" + pad + harmony_verdict(h.percent);
    }
    return c;
}

const char* print_mark(char mark) {
    if (mark == '+') return "+++++";
    if (mark == '-') return "---------";
    return "!!!!!!!!!!!!";
}

PrintPage print_layout(const std::string& name, const std::string& birth_text, bool male,
                       const std::vector<BioRow>& rows) {
    PrintPage page;
    constexpr double left = 20, top = 25, line = 7.5;
    page.items.push_back({left, top, "Biorytmy: " + name, 16, true});
    page.items.push_back({left, top + 9, "Datum narození: " + birth_text, 11, false});
    const double head = top + 20;
    constexpr std::array<double, 6> columns = {0, 30, 50, 80, 110, 140};
    const std::array<const char*, 6> titles = {"Datum", "Stáří", "F", "E", "I", "Dítě"};
    for (std::size_t c = 0; c < 6; ++c) page.items.push_back({left + columns[c], head, titles[c], 10, true});
    double y = head + line;
    for (const BioRow& r : rows) {
        page.items.push_back({left + columns[0], y, r.date_text, 10, false});
        page.items.push_back({left + columns[1], y, std::to_string(r.age), 10, false});
        for (std::size_t c = 0; c < 3; ++c) page.items.push_back({left + columns[2 + c], y, print_mark(r.marks[c]), 10, false});
        page.items.push_back({left + columns[5], y, male ? "----------" : child_text(r.child), 10, false});
        y += line;
    }
    return page;
}

}  // namespace sidora::cycles
