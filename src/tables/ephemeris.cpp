#include "tables/ephemeris.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <thread>
#include <cstdio>

#include "engine/angles.h"
#include "engine/steps.h"
#include "tables/walk.h"

namespace sidora::tables {
namespace {

const std::string kDashes = "-----------";

std::string progress_caption(const Instant& next) {
    return "Počítám: " + std::to_string(next.month) + "/" + std::to_string(next.year);
}

std::string clock_text(const Instant& at) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d", at.hour, at.minute);
    return buf;
}

double jd0(const Instant& d) {
    return engine::julian_day(static_cast<unsigned>(d.day), static_cast<unsigned>(d.month),
                              static_cast<unsigned>(d.year), 0, 0, 0, 0, 0);
}

int sign_of(double longitude) { return static_cast<int>(longitude) / 30 + 1; }

// Puts back what a table changes on a shared engine.
struct EngineKeeper {
    engine::Engine& e;
    std::uint8_t rise_mode = e.rise_mode;
    int planet_selection = e.planet_selection;
    ~EngineKeeper() {
        e.rise_mode = rise_mode;
        e.planet_selection = planet_selection;
    }
};

bool report(const Progress& p, int value, int maximum, const Instant& next) {
    return !p || p(value, maximum, progress_caption(next));
}

void rise_set_rows(engine::Engine& e, const TableChoice& c, const TableContext& x, EphemerisTable& t,
                   const Progress& p, bool& stopped) {
    const int n = day_count(c.span);
    const data::TMisto& pl = x.place;
    const int body = item_body(c.body);
    Instant d = first_day(c.span);
    for (int i = 1; i <= n; ++i) {
        const auto day = static_cast<unsigned>(d.day), month = static_cast<unsigned>(d.month);
        const auto year = static_cast<unsigned>(d.year);
        std::vector<std::string> row{date_text(d)};
        if (body == engine::kSun) {
            // The standard horizon, whatever horizon the main window's twilight uses.
            e.rise_mode = 0;
            e.sun_day(day, month, year, pl.lat_deg, pl.lat_min, pl.lon_deg, pl.lon_min, pl.north != 0,
                      pl.east != 0, false, x.zone_offset, 0);
            const bool polar = e.sun_rise_text.starts_with("P");
            row.insert(row.end(), {e.sun_rise_text, polar ? kDashes : e.sun_culmination_text, e.sun_set_text});
        } else if (body == engine::kMoon) {
            e.moon_rise_set(day, month, year, pl.lat_deg, pl.lat_min, pl.lon_deg, pl.lon_min, pl.north != 0,
                            pl.east != 0, x.zone_offset, 0);
            const bool none = e.moon_rise_text.starts_with("N") || e.moon_set_text.starts_with("N");
            row.insert(row.end(), {e.moon_rise_text, none ? kDashes : e.moon_transit_text, e.moon_set_text});
        } else {
            e.planet_selection = body;
            e.planet_rise_set_of(day, month, year, pl.lon_deg, pl.lon_min, pl.lat_deg, pl.lat_min, pl.east != 0,
                                 pl.north != 0, x.zone_offset, 0);
            const auto& r = e.planet_rise_set[static_cast<std::size_t>(body)];
            const bool none = r.rise.starts_with("N") || r.set.starts_with("N");
            row.insert(row.end(), {r.rise, none ? kDashes : r.transit, r.set});
        }
        t.rows.push_back(std::move(row));
        engine::step_day(d);
        if (!report(p, i, n, d)) {
            stopped = true;
            return;
        }
    }
}

void detailed_rows(engine::Engine& e, const TableChoice& c, const TableContext& x, EphemerisTable& t,
                   const Progress& p, bool& stopped) {
    const int n = day_count(c.span);
    Instant d = first_day(c.span);
    engine::TBodyRow now = item_position(e, c.body, d, x.zone_offset);
    int sign = sign_of(now.longitude);
    std::uint8_t flag = now.retrograde;
    // Day n is the day after the span: no row, but an event on the last day gets its note.
    for (int i = 0; i < n; ++i) {
        t.days.push_back({d, {now}, {}});
        Instant next = d;
        engine::step_day(next);
        const engine::TBodyRow after = item_position(e, c.body, next, x.zone_offset);
        const int s = sign_of(after.longitude);
        if (s != sign) {
            // The boundary between the two signs that the day's motion crossed, whichever
            // way the body moved at midnight.
            const double low = (s - 1) * 30.0, high = (s % 12) * 30.0;
            const double b = engine::angle_in_arc(low, now.longitude, after.longitude)    ? low
                             : engine::angle_in_arc(high, now.longitude, after.longitude) ? high
                             : after.retrograde ? high : low;
            t.days.back().note = clock_text(ingress_time(e, c.body, d, b, x.zone_offset)) + " " + engine::sign_name(s) + " ";
            sign = s;
        }
        if (after.retrograde != flag) {
            t.days.back().note = clock_text(station_time(e, c.body, d, x.zone_offset)) + " Zastávka";
            flag = after.retrograde;
        }
        now = after;
        d = next;
        if (!report(p, i + 1, n, d)) {
            stopped = true;
            return;
        }
    }
    for (const auto& day : t.days) {
        const engine::TBodyRow& r = day.bodies[0];
        t.rows.push_back({date_text(day.date), engine::format_angle(false, x.zodiacal, x.seconds, r.longitude),
                          r.retrograde ? "R" : "D", engine::format_angle(true, false, x.seconds, r.latitude),
                          engine::format_angle(true, false, x.seconds, r.declination),
                          engine::format_number(2, r.speed), day.note});
    }
}

// Only the element sets that can be the nearest for some moment of [j0, j1], in their
// order, so that the nearest set (the first of equals) stays the one of the whole list.
std::vector<engine::AsteroidElements> elements_for(const std::vector<engine::AsteroidElements>& all, double j0,
                                                   double j1) {
    double lo = -1e300, hi = 1e300;
    for (const auto& el : all) {
        if (el.epoch <= j0) lo = std::max(lo, el.epoch);
        if (el.epoch >= j1) hi = std::min(hi, el.epoch);
    }
    std::vector<engine::AsteroidElements> out;
    for (const auto& el : all) {
        if (el.epoch >= lo && el.epoch <= hi) out.push_back(el);
    }
    return out;
}

// `count` days from `d` on one engine; `row_done` after each row says whether to go on.
void simple_days(engine::Engine& e, const std::vector<int>& items, const TableContext& x, Instant d, int count,
                 std::vector<EphemerisTable::Day>& days, std::vector<std::vector<std::string>>& rows,
                 const std::function<bool()>& row_done) {
    struct Restore {
        engine::Engine& e;
        const std::array<std::vector<engine::AsteroidElements>, 6> all = e.asteroid_elements;
        ~Restore() { e.asteroid_elements = all; }
    } restore{e};
    const auto& all = restore.all;
    constexpr int kChunk = 32;
    for (int i = 0; i < count; ++i) {
        if (i % kChunk == 0) {
            Instant last = d;
            for (int k = 1; k < kChunk && i + k < count; ++k) engine::step_day(last);
            // A minute pass may look up to a day past midnight.
            const double j0 = engine::julian_day(static_cast<unsigned>(d.day), static_cast<unsigned>(d.month),
                                                 static_cast<unsigned>(d.year), 0, 0, 0, x.zone_offset, 0) - 1;
            const double j1 = engine::julian_day(static_cast<unsigned>(last.day), static_cast<unsigned>(last.month),
                                                 static_cast<unsigned>(last.year), 0, 0, 0, x.zone_offset, 0) + 2;
            for (std::size_t n = 1; n <= 5; ++n) {
                if (!all[n].empty()) e.asteroid_elements[n] = elements_for(all[n], j0, j1);
            }
        }
        EphemerisTable::Day day{d, {}, {}};
        std::vector<std::string> row{date_text(d)};
        for (int item : items) {
            const engine::TBodyRow r = item_position(e, item, d, x.zone_offset);
            day.bodies.push_back(r);
            row.push_back(engine::format_angle(false, x.zodiacal, x.seconds, r.longitude) + (r.retrograde ? "R" : ""));
        }
        days.push_back(std::move(day));
        rows.push_back(std::move(row));
        engine::step_day(d);
        if (!row_done()) break;
    }
}

void simple_rows(engine::Engine& e, const TableChoice& c, const TableContext& x, EphemerisTable& t,
                 const Progress& p, bool& stopped) {
    const int n = day_count(c.span);
    const Instant first = first_day(c.span);
    // The second half of the span runs on a copy of the engine beside this thread.
    const int split = x.threads > 1 && n >= 64 ? n / 2 : n;
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
    std::vector<EphemerisTable::Day> later_days;
    std::vector<std::vector<std::string>> later_rows;
    std::exception_ptr failure;
    std::thread helper;
    std::optional<engine::Engine> own;
    if (split < n) {
        own.emplace(e);
        Instant second = first;
        for (int i = 0; i < split; ++i) engine::step_day(second);
        helper = std::thread([&, second] {
            try {
                simple_days(*own, t.items, x, second, n - split, later_days, later_rows, [&] {
                    ++done;
                    return !stop;
                });
            } catch (...) {
                failure = std::current_exception();
                stop = true;
            }
        });
    }
    Instant d = first;
    try {
        simple_days(e, t.items, x, first, split, t.days, t.rows, [&] {
            engine::step_day(d);
            const int value = ++done;
            if (!stop && p && !p(std::min(value, n), n, progress_caption(d))) stop = true;
            return !stop;
        });
    } catch (...) {
        stop = true;
        if (helper.joinable()) helper.join();
        throw;
    }
    if (helper.joinable()) helper.join();
    if (failure) std::rethrow_exception(failure);
    if (stop) {
        stopped = true;
        return;
    }
    for (auto& day : later_days) t.days.push_back(std::move(day));
    for (auto& row : later_rows) t.rows.push_back(std::move(row));
    if (p && !p(n, n, progress_caption(d))) stopped = true;
}

void phase_rows(engine::Engine& e, const TableChoice& c, const TableContext& x, EphemerisTable& t,
                const Progress& p, bool& stopped) {
    const Instant first = first_day(c.span), last = last_day(c.span);
    const int total = static_cast<int>(std::lround(jd0(last) - jd0(first)));
    auto run = [&](const Instant& at) {
        e.next_lunar_phases(static_cast<unsigned>(at.day), static_cast<unsigned>(at.month),
                            static_cast<unsigned>(at.year), x.zone_offset, 0);
    };
    // Back from the first day until the first phase ahead is a new moon.
    Instant cursor = first;
    for (int guard = 0; guard < 40; ++guard) {
        run(cursor);
        if (e.lunar_phases[0].type == 1) break;
        engine::step_day_back(cursor);
    }
    static constexpr int kColumnOfType[5] = {0, 0, 1, 3, 2};  // new, first, last, full
    for (int guard = 0; guard < 5000; ++guard) {
        run(cursor);
        EphemerisTable::Lunation lunation;
        Instant latest = e.lunar_phases[0].at;
        for (const auto& ph : e.lunar_phases) {
            if (!ph.valid || ph.type < 1 || ph.type > 4) continue;
            lunation.phases[static_cast<std::size_t>(kColumnOfType[ph.type])] = ph.at;
            if (jd0(ph.at) > jd0(latest)) latest = ph.at;
        }
        const auto& nov = lunation.phases[0];
        lunation.number = nov ? lunation_number(*nov) : 0;
        std::vector<std::string> row{std::to_string(lunation.number)};
        for (const auto& ph : lunation.phases) {
            row.push_back(ph ? date_text(*ph) + ", " + clock_text(*ph) : "");
        }
        t.lunations.push_back(lunation);
        t.rows.push_back(std::move(row));
        cursor = {latest.day, latest.month, latest.year, 0, 0};
        const bool done = jd0(cursor) >= jd0(last);
        engine::step_day(cursor);
        const int value = std::min(total, static_cast<int>(std::lround(jd0(cursor) - jd0(first))));
        if (!p ? false : !p(value, total, "Počítám ... ")) {
            stopped = true;
            return;
        }
        if (done) break;
    }
}

}  // namespace

int lunation_number(const Instant& new_moon_date) {
    const Instant base{17, 1, 1923, 0, 0};
    const Instant date{new_moon_date.day, new_moon_date.month, new_moon_date.year, 0, 0};
    return static_cast<int>(std::lround((jd0(date) - jd0(base)) / kSynodicMonth));
}

std::optional<EphemerisTable> compute_table(engine::Engine& e, const TableChoice& c, const TableContext& x,
                                            const Progress& p) {
    EngineKeeper keep{e};
    EphemerisTable t;
    const std::string zone = zone_text(x.zone_offset);
    const std::string span = span_text(c.span);
    bool stopped = false;
    switch (c.kind) {
        case TableKind::RiseSet:
            t.caption = "Východy a západy " + body_name_genitive(c.body);
            t.label1 = "Místo: " + x.place.name;
            t.label2 = "Čas: UTC" + zone + ", Období: " + span;
            t.columns = {{"Datum", 70}, {"Východ", 80}, {"Kulminace", 80}, {"Západ", 80}};
            break;
        case TableKind::Detailed:
            t.caption = "Efemeridy " + body_name_genitive(c.body);
            t.label1 = "Efemeridy pro 0 hodin UTC" + zone;
            t.label2 = "Období výpočtu: " + span;
            t.columns = {{"Datum", 70},     {"Délka", 65},    {"Směr", 40},     {"Šířka", 50},
                         {"Deklinace", 70}, {"Rychlost", 60}, {"Poznámka", 130}};
            t.items = {c.body};
            break;
        case TableKind::Simple:
            t.caption = "Efemeridy ";
            t.label1 = "Efemeridy pro 0 hodin UTC" + zone;
            t.label2 = "Období výpočtu: " + span;
            t.columns = {{"Datum", 70}};
            for (int i = 0; i < kListBodies; ++i) {
                if (!c.bodies[static_cast<std::size_t>(i)]) continue;
                t.items.push_back(i);
                t.columns.push_back({list_body_header(i), 80});
            }
            break;
        case TableKind::Phases:
            t.caption = "Fáze Měsíce ";
            t.label1 = "Časové pásmo: UTC" + zone;
            t.label2 = "Období výpočtu: " + span;
            t.columns = {{"Lunace", 70}, {"Nov", 130}, {"1. čtvrť", 130}, {"Úplněk", 130}, {"3. čtvrť", 130}};
            break;
    }
    std::vector<std::string> header;
    for (const auto& col : t.columns) header.push_back(col.header);
    t.rows.push_back(std::move(header));
    switch (c.kind) {
        case TableKind::RiseSet: rise_set_rows(e, c, x, t, p, stopped); break;
        case TableKind::Detailed: detailed_rows(e, c, x, t, p, stopped); break;
        case TableKind::Simple: simple_rows(e, c, x, t, p, stopped); break;
        case TableKind::Phases: phase_rows(e, c, x, t, p, stopped); break;
    }
    if (stopped) return std::nullopt;
    t.last_row_index = static_cast<int>(t.rows.size()) - 1;
    return t;
}

}  // namespace sidora::tables
