#include "tables/search.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/steps.h"
#include "tables/walk.h"

namespace sidora::tables {
namespace {

constexpr std::uint32_t kTitleBlue = 0x0000FF;

TextLine title_line(const std::string& text, int size) {
    return {text, kTitleBlue, size, true, true, TextLine::Style::Title};
}
TextLine header_line(const std::string& text) { return {text, 0, 14, true, false, TextLine::Style::Header}; }
TextLine body_line(const std::string& text) { return {text, 0, 14, false, false}; }

double norm360(double x) {
    x = std::fmod(x, 360.0);
    if (x < 0) x += 360.0;
    return x;
}

struct Range {
    double from = -1, to = -1;
    bool exists() const { return from != -1 && to != -1; }
    bool holds(double lambda) const { return engine::angle_in_arc(lambda, to, from); }
};

// The end of a range the day's motion crossed: the one on the short arc from yesterday's
// λ to today's; the direction at midnight only when neither lies there.
double crossed_end(const Range& r, double previous, double now, bool fallback_from) {
    const bool from_on = engine::angle_in_arc(r.from, previous, now);
    const bool to_on = engine::angle_in_arc(r.to, previous, now);
    if (from_on != to_on) return from_on ? r.from : r.to;
    return fallback_from ? r.from : r.to;
}

bool moving_forward(double previous, double now) { return difference_360(now, previous) < 180; }

// The day-by-day cursor of a search: starts on the first day, steps N times.
class Scan {
public:
    Scan(const Span& span, const Progress& progress) : day_(first_day(span)), n_(day_count(span)), p_(progress) {}
    const Instant& day() const { return day_; }
    Instant yesterday() const {
        Instant d = day_;
        engine::step_day_back(d);
        return d;
    }
    // False at the end or when stopped.
    bool next() {
        if (i_ >= n_) return false;
        engine::step_day(day_);
        ++i_;
        if (p_ && !p_(i_, n_, "Počítám: " + std::to_string(day_.month) + "/" + std::to_string(day_.year))) {
            stopped = true;
            return false;
        }
        return true;
    }
    bool stopped = false;

private:
    Instant day_;
    int i_ = 0, n_;
    const Progress& p_;
};

std::vector<TextLine> common_header(const Span& s, int zone_offset) {
    return {header_line("Výpočet proveden pro období " + std::to_string(s.start_month) + "/" +
                        std::to_string(s.start_year) + " až " + std::to_string(s.end_month) + "/" +
                        std::to_string(s.end_year)),
            header_line("Časové pásmo: UTC" + zone_text(zone_offset)), header_line("")};
}

struct Writer {
    SearchResult& r;
    void add(const std::string& text) { r.lines.push_back(body_line(text)); }
    void event(const std::string& label, const std::string& kind, const Instant& at) {
        add(label + date_time_text(at));
        r.events.push_back({kind, at, {}, 0, {}});
    }
    void outside(const std::string& text, const std::string& kind, const std::string& bound) {
        add(text);
        r.events.push_back({kind, std::nullopt, bound, 0, {}});
    }
};

void range_search(engine::Engine& e, const SkyQuery& q, const TableContext& x, Scan& scan, Writer& w) {
    const Range range{double(q.from), double(q.to)};
    auto position = [&](const Instant& d) { return item_position(e, q.body, d, x.zone_offset); };
    double prev = position(scan.day()).longitude;
    bool inside = range.holds(prev);
    if (inside) w.outside("Vstup: před zadaným obdobím", "vstup", "before");
    while (scan.next()) {
        const engine::TBodyRow now = position(scan.day());
        const double l = now.longitude;
        const Instant back = scan.yesterday();
        if (inside && !range.holds(l)) {
            w.event("Výstup: ", "vystup", ingress_time(e, q.body, back, crossed_end(range, prev, l, now.retrograde), x.zone_offset));
            w.add("");
            inside = false;
        } else if (!inside && range.holds(l)) {
            w.event("Vstup: ", "vstup", ingress_time(e, q.body, back, crossed_end(range, prev, l, !now.retrograde), x.zone_offset));
            inside = true;
        }
        if (engine::angle_in_arc(range.from, l, prev) && engine::angle_in_arc(range.to, l, prev)) {
            const bool forward = moving_forward(prev, l);
            w.event("Vstup: ", "vstup", ingress_time(e, q.body, back, forward ? range.from : range.to, x.zone_offset));
            w.event("Výstup: ", "vystup", ingress_time(e, q.body, back, forward ? range.to : range.from, x.zone_offset));
            w.add("");
        }
        prev = l;
    }
    if (scan.stopped) return;
    if (inside) {
        w.outside("Výstup: po zadaném období", "vystup", "after");
        w.add("");
    }
}

void aspect_search(engine::Engine& e, const SkyQuery& q, const TableContext& x, Scan& scan, Writer& w) {
    auto longitudes = [&](const Instant& d) {
        const double l1 = item_position(e, q.body, d, x.zone_offset).longitude;
        const double l2 = item_position(e, q.with, d, x.zone_offset).longitude;
        return std::pair{l1, l2};
    };
    auto [a1, a2] = longitudes(scan.day());
    const double A = q.angle;
    bool state = A == 0 ? false : A == 180 ? difference_360(a1, a2) > 180 : separation_180(a1, a2) > A;
    double dprev = difference_360(a1, a2);
    while (scan.next()) {
        const auto [l1, l2] = longitudes(scan.day());
        const double d = difference_360(l1, l2);
        const Instant back = scan.yesterday();
        if (A == 0) {
            if (std::fabs(d - dprev) > 300) w.event("", "aspekt", conjunction_time(e, q.body, q.with, back, x.zone_offset));
        } else if (A == 180) {
            const bool s = d > 180;
            // A change of side near 0° is a conjunction, not this opposition.
            if (s != state && separation_180(l1, l2) > 150) {
                w.event("", "aspekt", opposition_time(e, q.body, q.with, back, x.zone_offset));
            }
            state = s;
        } else {
            const bool s = separation_180(l1, l2) > A;
            if (s != state) w.event("", "aspekt", aspect_time(e, q.body, q.with, back, A, x.zone_offset));
            state = s;
        }
        dprev = d;
    }
}

void transit_ranges(engine::Engine& e, const TransitQuery& q, const std::array<Range, 2>& ranges,
                    const TableContext& x, Scan& scan, Writer& w) {
    auto position = [&](const Instant& d) { return item_position(e, q.body, d, x.zone_offset); };
    double prev = position(scan.day()).longitude;
    int state = ranges[0].holds(prev) ? 1 : ranges[1].exists() && ranges[1].holds(prev) ? 2 : 0;
    if (state != 0) w.outside("Začátek: před zadaným obdobím", "zacatek", "before");
    while (scan.next()) {
        const engine::TBodyRow now = position(scan.day());
        const double l = now.longitude;
        const Instant back = scan.yesterday();
        if (state != 0 && !ranges[static_cast<std::size_t>(state - 1)].holds(l)) {
            const Range& r = ranges[static_cast<std::size_t>(state - 1)];
            w.event("Konec: ", "konec", ingress_time(e, q.body, back, crossed_end(r, prev, l, now.retrograde), x.zone_offset));
            w.add("");
            state = 0;
        }
        // After a move out of one range the other may be entered the same day.
        for (int k = 1; k <= 2 && state == 0; ++k) {
            const Range& r = ranges[static_cast<std::size_t>(k - 1)];
            if (!r.exists() || !r.holds(l)) continue;
            w.event("Začátek: ", "zacatek", ingress_time(e, q.body, back, crossed_end(r, prev, l, !now.retrograde), x.zone_offset));
            state = k;
        }
        for (const Range& r : ranges) {
            if (!r.exists() || !engine::angle_in_arc(r.from, l, prev) || !engine::angle_in_arc(r.to, l, prev)) continue;
            const bool forward = moving_forward(prev, l);
            w.event("Začátek: ", "zacatek", ingress_time(e, q.body, back, forward ? r.from : r.to, x.zone_offset));
            w.event("Konec: ", "konec", ingress_time(e, q.body, back, forward ? r.to : r.from, x.zone_offset));
            w.add("");
        }
        prev = l;
    }
    if (scan.stopped) return;
    if (state != 0) {
        w.outside("Konec: po zadaném období", "konec", "after");
        w.add("");
    }
    w.r.lines.push_back(header_line("Konec hledání"));
    w.add("");
}

void phase_search(engine::Engine& e, const TransitQuery& q, const TableContext& x, double phase, Scan& scan,
                  Writer& w) {
    const bool fertility = q.fertility && fertility_enabled(q.mode, q.person_male);
    auto elongation = [&](const Instant& d) {
        const double sun = item_position(e, 0, d, x.zone_offset).longitude;
        return difference_360(item_position(e, 1, d, x.zone_offset).longitude, sun);
    };
    double prev = elongation(scan.day());
    while (scan.next()) {
        const double now = elongation(scan.day());
        if (engine::angle_in_arc(phase, prev, now)) {
            const Instant at = phase_time(e, scan.yesterday(), phase, x.zone_offset);
            const double moon = item_position(e, 1, at, x.zone_offset).longitude;
            SearchEvent ev{"faze", at, {}, moon, {}};
            std::string text = date_time_text(at) + " (" + engine::format_angle(false, x.zodiacal, x.seconds, moon);
            if (fertility) {
                ev.child = (static_cast<int>(moon) / 30) % 2 == 1 ? "HOLKA" : "KLUK";
                text += " - " + ev.child;
            }
            w.add(text + ")");
            w.r.events.push_back(std::move(ev));
        }
        prev = now;
    }
    if (scan.stopped) return;
    w.r.lines.push_back(header_line(""));
    w.r.lines.push_back(header_line("Vysvětlivky:"));
    w.add("V závorce za datem a časem určujícím okamžik, ve kterém Měsíc bude (byl) ve stejné fázi jako v "
          "okamžiku zrození, je uvedena poloha trazitujícího Měsíce v daném okamžiku.");
    if (fertility) {
        w.add("U žen je navíc uvedeno pohlaví, jakým by mělo být dle teorie MUDr. Lomaxe obdařeno dítě v daném "
              "okamžiku zplozené (POZOR: Toto neplatí pro první dítě!).");
        w.add("Podle stejné teorie je žena v tomto okamžiku takřka jistě plodná a to bez ohledu na stav "
              "menstruačního cyklu!");
        w.add("Spočtené okamžiky určují čas, kdy by mělo dojít k oplodnění vajíčka. K samotnému pohlavnímu aktu "
              "je proto třeba přistoupit asi o 12 hodin dříve.");
    }
    w.add("");
}

}  // namespace

const std::string& chart_body_name(int number) {
    static const std::string names[] = {"",       "Slunce",      "Měsíc",      "Merkur",     "Venuše", "Mars",
                                        "Jupiter", "Saturn",     "Uran",       "Neptun",     "Pluto",  "Vzest. uzel",
                                        "Sest. uzel", "ASC",     "DSC",        "MC",         "IC",     "Černá Luna",
                                        "Vertex", "Antivertex", "Ceres",      "Pallas",     "Juno",   "Vesta",
                                        "Chiron"};
    static const std::string none;
    return number >= 1 && number <= 24 ? names[number] : none;
}

std::string sky_query_problem(const SkyQuery& q) {
    if (auto why = span_problem(q.span); !why.empty()) return why;
    if (q.mode == SkyQuery::Mode::Aspect && q.body == q.with) return "Pro výpočet aspektu musí být vybrány různé planety!";
    return {};
}

void use_chart(TransitQuery& q, const horoscope::NatalChart& chart) {
    q.person_name = chart.person.name;
    q.person_male = chart.person.male != 0;
    for (std::size_t b = 1; b <= 24; ++b) q.natal_longitude[b] = chart.chart_table[b].longitude;
    const horoscope::HouseRow& houses = chart.houses();
    for (std::size_t h = 1; h <= 12; ++h) q.cusps[h] = houses[h - 1];
}

bool fertility_enabled(TransitQuery::Mode mode, bool person_male) {
    return mode == TransitQuery::Mode::Phase && !person_male;
}

std::string transit_query_problem(const TransitQuery& q) {
    if (auto why = span_problem(q.span); !why.empty()) return why;
    if (q.mode == TransitQuery::Mode::House) {
        // A system that fails at the birth place gives no cusps to cross.
        for (int h = 1; h <= 12; ++h) {
            if (q.cusps[static_cast<std::size_t>(h)] == engine::kNoCusp) return kHousesRefused;
        }
    }
    return {};
}

std::optional<SearchResult> search_sky(engine::Engine& e, const SkyQuery& q, const TableContext& x, const Progress& p) {
    SearchResult r;
    if (q.mode == SkyQuery::Mode::Range) {
        r.title = body_name(q.body);
        if (q.from % 30 == 0 && q.to == q.from + 30) {
            r.title += " " + engine::sign_name_locative(q.from / 30 + 1);
        } else {
            r.title += " na " + std::to_string(q.from) + "° až " + std::to_string(q.to) + "° eklip. délky";
        }
    } else {
        r.title = body_name(q.body) + " " + q.aspect_name + " " + body_name(q.with);
    }
    r.lines.push_back(title_line(r.title, 18));
    for (auto& l : common_header(q.span, x.zone_offset)) r.lines.push_back(std::move(l));
    Scan scan(q.span, p);
    Writer w{r};
    if (q.mode == SkyQuery::Mode::Range) {
        range_search(e, q, x, scan, w);
    } else {
        aspect_search(e, q, x, scan, w);
    }
    if (scan.stopped) return std::nullopt;
    w.add("KONEC.");
    return r;
}

std::optional<SearchResult> search_transit(engine::Engine& e, const TransitQuery& q, const TableContext& x,
                                           const Progress& p) {
    SearchResult r;
    std::array<Range, 2> ranges{};
    switch (q.mode) {
        case TransitQuery::Mode::Sign:
            r.title = "Tranzitující " + body_name(q.body) + " " + engine::sign_name_locative(q.sign);
            ranges[0] = {30.0 * (q.sign - 1), 30.0 * q.sign};
            break;
        case TransitQuery::Mode::House:
            r.title = "Tranzitující " + body_name(q.body) + " v " + std::to_string(q.house) + ". domě";
            ranges[0] = {q.cusps[static_cast<std::size_t>(q.house)],
                         q.cusps[static_cast<std::size_t>(q.house % 12 + 1)]};
            break;
        case TransitQuery::Mode::Aspect: {
            r.title = "Tranzitující " + body_name(q.body) + " " + q.aspect_name + " " + chart_body_name(q.natal) +
                      " (orbis " + std::to_string(q.orb) + "°)";
            const double L = q.natal_longitude[static_cast<std::size_t>(q.natal)];
            const double A = q.angle, O = q.orb;
            ranges[0] = {norm360(L + A - O), norm360(L + A + O)};
            if (q.aspect_code != 1 && q.aspect_code != 5) ranges[1] = {norm360(L - A - O), norm360(L - A + O)};
            break;
        }
        case TransitQuery::Mode::Phase: r.title = "Fáze Měsíce stejná jako v okamžiku zrození"; break;
    }
    r.lines.push_back(title_line(r.title, 16));
    r.lines.push_back(header_line("Pro osobu: " + q.person_name));
    for (auto& l : common_header(q.span, x.zone_offset)) r.lines.push_back(std::move(l));
    Scan scan(q.span, p);
    Writer w{r};
    if (q.mode == TransitQuery::Mode::Phase) {
        const double phase = difference_360(q.natal_longitude[2], q.natal_longitude[1]);
        w.add("Měsíční fáze v okamžiku zrození: " + engine::format_angle(false, false, false, phase));
        w.add("");
        phase_search(e, q, x, phase, scan, w);
    } else {
        transit_ranges(e, q, ranges, x, scan, w);
    }
    if (scan.stopped) return std::nullopt;
    return r;
}

}  // namespace sidora::tables
