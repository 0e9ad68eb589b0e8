#include "tables/choice.h"

#include <cmath>
#include <cstdio>

#include "engine/time.h"

namespace sidora::tables {

std::string span_problem(const Span& s) {
    if (s.end_year * 12 + s.end_month < s.start_year * 12 + s.start_month) return kSpanRefused;
    return {};
}

Instant first_day(const Span& s) { return {1, s.start_month, s.start_year, 0, 0}; }

Instant last_day(const Span& s) {
    return {engine::days_in_month(s.end_month, s.end_year), s.end_month, s.end_year, 0, 0};
}

int day_count(const Span& s) {
    const Instant a = first_day(s), b = last_day(s);
    const double ja = engine::julian_day(1, static_cast<unsigned>(a.month), static_cast<unsigned>(a.year), 0, 0, 0, 0, 0);
    const double jb = engine::julian_day(static_cast<unsigned>(b.day), static_cast<unsigned>(b.month),
                                         static_cast<unsigned>(b.year), 0, 0, 0, 0, 0);
    return static_cast<int>(std::lround(jb - ja)) + 1;
}

Span SharedSpan::shown(int current_year) const {
    if (set_) return span_;
    return {1, current_year, 12, current_year};
}

std::string span_text(const Span& s) {
    return std::to_string(s.start_month) + "/" + std::to_string(s.start_year) + "-" + std::to_string(s.end_month) +
           "/" + std::to_string(s.end_year);
}

std::string zone_text(int zone_offset) {
    return (zone_offset >= 1 ? "+" : "") + std::to_string(zone_offset);
}

std::string date_text(const Instant& a) {
    return std::to_string(a.day) + "." + std::to_string(a.month) + "." + std::to_string(a.year);
}

std::string date_time_text(const Instant& a) {
    char minute[8];
    std::snprintf(minute, sizeof minute, "%02d", a.minute);
    return date_text(a) + " " + std::to_string(a.hour) + ":" + minute;
}

std::string iso_minute(const Instant& a) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d", a.year, a.month, a.day, a.hour, a.minute);
    return buf;
}

int item_body(int item) {
    if (item == 0) return engine::kSun;
    if (item == 1) return engine::kMoon;
    return item - 1;
}

namespace {
const std::string kNone;

const std::string& pick(const auto& names, int i) {
    return i >= 0 && i < static_cast<int>(std::size(names)) ? names[static_cast<std::size_t>(i)] : kNone;
}
}  // namespace

const std::string& body_name(int item) {
    static const std::string names[] = {"Slunce", "Měsíc", "Merkur", "Venuše", "Mars",
                                        "Jupiter", "Saturn", "Uran", "Neptun", "Pluto"};
    return pick(names, item);
}

const std::string& body_name_genitive(int item) {
    static const std::string names[] = {"Slunce", "Měsíce", "Merkura", "Venuše", "Marsu",
                                        "Jupitera", "Saturna", "Urana", "Neptuna", "Pluta"};
    return pick(names, item);
}

const std::string& list_body_name(int item) {
    static const std::string names[] = {"Slunce", "Měsíc", "Merkur", "Venuše", "Mars", "Jupiter",
                                        "Saturn", "Uran", "Neptun", "Pluto", "Vzestupný uzel",
                                        "Sestupný uzel", "Černá Luna", "Ceres", "Pallas", "Juno",
                                        "Vesta", "Chiron "};
    return pick(names, item);
}

const std::string& list_body_header(int item) {
    static const std::string names[] = {"Slunce", "Měsíc", "Merkur", "Venuše", "Mars", "Jupiter",
                                        "Saturn", "Uran", "Neptun", "Pluto", "Vzest. uzel",
                                        "Sest. uzel", "Černá Luna", "Ceres", "Pallas", "Juno",
                                        "Vesta", "Chiron"};
    return pick(names, item);
}

std::string table_choice_problem(const TableChoice& c) {
    if (auto why = span_problem(c.span); !why.empty()) return why;
    if (c.kind == TableKind::Simple) {
        bool any = false;
        for (bool b : c.bodies) any = any || b;
        if (!any) return "Není vybrána žádná planeta!";
    }
    return {};
}

BoxProblem range_problem(const std::string& from, const std::string& to) {
    auto number = [](const std::string& t, int& v) {
        if (t.empty() || t.size() > 3) return false;
        v = 0;
        for (char ch : t) {
            if (ch < '0' || ch > '9') return false;
            v = v * 10 + (ch - '0');
        }
        return true;
    };
    int a = 0, b = 0;
    if (!number(from, a)) return {"Musí být zadáno číslo!", 1};
    if (!number(to, b)) return {"Musí být zadáno číslo!", 2};
    if (a > 360 || b > 360) return {"Maximálně je možné zadat délku 360°!", a > 360 ? 1 : 2};
    const int arc = b >= a ? b - a : b - a + 360;
    if (arc >= 180) return {"Úhel musí být menší než 180°!", 1};
    return {};
}

}  // namespace sidora::tables
