#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/asteroid_file.h"
#include "data/table_file.h"
#include "engine/angles.h"
#include "engine/steps.h"
#include "io/files.h"
#include "engine/time.h"
#include "tables/ephemeris.h"
#include "tables/search.h"
#include "tables/walk.h"
#include "temp_dir.h"

using namespace sidora;
using namespace sidora::tables;

namespace {

TableContext praha(int zone_offset = 1) {
    TableContext x;
    x.zone_offset = zone_offset;
    x.place.name = "Praha";
    x.place.lat_deg = 50;
    x.place.lat_min = 5;
    x.place.lon_deg = 14;
    x.place.lon_min = 25;
    return x;
}

TableChoice choice(TableKind kind, Span span, int body = 0) {
    TableChoice c;
    c.kind = kind;
    c.span = span;
    c.body = body;
    return c;
}

std::vector<std::string> texts(const SearchResult& r) {
    std::vector<std::string> out;
    for (const auto& l : r.lines) out.push_back(l.text);
    return out;
}

// The result lines after the title and the header block.
std::vector<std::string> results(const SearchResult& r) {
    std::vector<std::string> out;
    bool past_header = false;
    for (const auto& l : r.lines) {
        if (past_header) out.push_back(l.text);
        if (l.text.starts_with("Časové pásmo")) past_header = true;
    }
    out.erase(out.begin());  // the empty line closing the header
    return out;
}

}  // namespace

TEST(TableChecks, SpanAndBodies) {
    EXPECT_EQ(span_problem({5, 2024, 5, 2024}), "");  // one month
    EXPECT_EQ(span_problem({1, 2025, 12, 2024}), "Počáteční datum musí být menší než koncové!");
    EXPECT_EQ(span_problem({12, 2024, 1, 2025}), "");
    TableChoice c = choice(TableKind::Simple, {1, 2024, 1, 2024});
    EXPECT_EQ(table_choice_problem(c), "Není vybrána žádná planeta!");
    c.bodies[17] = true;
    EXPECT_EQ(table_choice_problem(c), "");
    c.kind = TableKind::RiseSet;
    c.span = {3, 2024, 2, 2024};
    EXPECT_EQ(table_choice_problem(c), "Počáteční datum musí být menší než koncové!");

    SharedSpan shared;
    EXPECT_EQ(shared.shown(2031), (Span{1, 2031, 12, 2031}));
    shared.used({3, 1999, 4, 2001});
    EXPECT_EQ(shared.shown(2031), (Span{3, 1999, 4, 2001}));
}

TEST(TableChecks, RangeBoxes) {
    const struct {
        const char *from, *to, *message;
        int focus;
    } cases[] = {
        {"350", "10", "", 0},
        {"0", "30", "", 0},
        {"10", "350", "Úhel musí být menší než 180°!", 1},
        {"0", "180", "Úhel musí být menší než 180°!", 1},
        {"", "30", "Musí být zadáno číslo!", 1},
        {"10", "", "Musí být zadáno číslo!", 2},
        {"10", "361", "Maximálně je možné zadat délku 360°!", 2},
    };
    for (const auto& c : cases) {
        const BoxProblem p = range_problem(c.from, c.to);
        EXPECT_EQ(p.message, c.message) << c.from << ".." << c.to;
        if (*c.message) {
            EXPECT_EQ(p.focus, c.focus) << c.from << ".." << c.to;
        }
    }
}

TEST(TableTexts, ZoneSpanAndLabels) {
    engine::Engine e;
    for (const auto& [offset, label] : std::vector<std::pair<int, std::string>>{
             {1, "Efemeridy pro 0 hodin UTC+1"}, {0, "Efemeridy pro 0 hodin UTC0"}, {-5, "Efemeridy pro 0 hodin UTC-5"}}) {
        const auto t = compute_table(e, choice(TableKind::Detailed, {2, 2024, 2, 2024}, 0), praha(offset));
        ASSERT_TRUE(t);
        EXPECT_EQ(t->label1, label);
        EXPECT_EQ(t->label2, "Období výpočtu: 2/2024-2/2024");
        EXPECT_EQ(t->caption, "Efemeridy Slunce");
    }
    const auto rise = compute_table(e, choice(TableKind::RiseSet, {11, 2023, 1, 2024}, 4), praha(-5));
    EXPECT_EQ(rise->caption, "Východy a západy Marsu");
    EXPECT_EQ(rise->label1, "Místo: Praha");
    EXPECT_EQ(rise->label2, "Čas: UTC-5, Období: 11/2023-1/2024");
    EXPECT_EQ(rise->last_row_index, 30 + 31 + 31);
    EXPECT_EQ(rise->rows[1][0], "1.11.2023");
    EXPECT_EQ(rise->rows[92][0], "31.1.2024");
    EXPECT_EQ(e.planet_selection, -1);
}

TEST(EphemerisTable, LeapYearHasADataRowPerDay) {
    engine::Engine e;
    TableChoice c = choice(TableKind::Simple, {1, 2024, 12, 2024});
    c.bodies[0] = c.bodies[1] = true;
    const auto t = compute_table(e, c, praha());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->last_row_index, 366);
    ASSERT_EQ(t->rows.size(), 367u);
    EXPECT_EQ(t->rows[0], (std::vector<std::string>{"Datum", "Slunce", "Měsíc"}));
    EXPECT_EQ(t->rows[60][0], "29.2.2024");
    EXPECT_EQ(t->rows[366][0], "31.12.2024");
    EXPECT_EQ(t->caption, "Efemeridy ");
    // The Sun and the Moon never carry "R".
    for (const auto& row : t->rows) {
        EXPECT_FALSE(row[1].ends_with("R"));
        EXPECT_FALSE(row[2].ends_with("R"));
    }
}

TEST(EphemerisTable, PolarDaySunRowsUseTheStandardHorizon) {
    engine::Engine e;
    TableContext x = praha();
    x.place.lat_deg = 70;
    x.place.lat_min = 0;
    e.rise_mode = 4;  // the main window's geometric horizon for its twilight must not leak in
    const auto t = compute_table(e, choice(TableKind::RiseSet, {6, 2024, 6, 2024}, 0), x);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->rows[21], (std::vector<std::string>{"21.6.2024", "Polární den", "-----------", "Polární den"}));
    EXPECT_EQ(e.rise_mode, 4);

    // At Prague the horizon of −0,75° gives the times of the sky calendar's Sun tab.
    engine::Engine plain;
    const auto geometric = compute_table(e, choice(TableKind::RiseSet, {3, 2024, 3, 2024}, 0), praha());
    const auto standard = compute_table(plain, choice(TableKind::RiseSet, {3, 2024, 3, 2024}, 0), praha());
    EXPECT_EQ(geometric->rows, standard->rows);
}

TEST(EphemerisTable, NotesOfStationsAndIngresses) {
    engine::Engine e;
    // Mercury stations on 12.1.1997 in the evening: the note stands in the row before the
    // first direct one.
    const auto m = compute_table(e, choice(TableKind::Detailed, {1, 1997, 1, 1997}, 2), praha());
    ASSERT_TRUE(m);
    EXPECT_EQ(m->rows[12][2], "R");
    EXPECT_EQ(m->rows[12][6], "21:38 Zastávka");
    EXPECT_EQ(m->rows[13][2], "D");
    for (int i = 1; i <= 31; ++i) {
        if (i != 12) {
            EXPECT_EQ(m->rows[static_cast<std::size_t>(i)][6], "") << i;
        }
    }
    // The Sun enters Beran on 20.3.2024 in the morning (at 4:06 by the precise theories).
    const auto s = compute_table(e, choice(TableKind::Detailed, {3, 2024, 3, 2024}, 0), praha());
    EXPECT_EQ(s->rows[20][6], "4:15 Beran ");
    EXPECT_EQ(s->rows[19][6], "");
    EXPECT_EQ(s->rows[21][6], "");
}

TEST(EphemerisTable, EventOnTheLastDayGetsItsNote) {
    engine::Engine e;
    // The Moon changes sign every two or three days: the first month of 2024 that ends with
    // a change shows it as the table running on does.
    int checked = 0;
    for (int month = 1; month <= 11 && checked == 0; ++month) {
        const auto longer = compute_table(e, choice(TableKind::Detailed, {month, 2024, month + 1, 2024}, 1), praha());
        const int last = engine::days_in_month(month, 2024);
        const std::string note = longer->rows[static_cast<std::size_t>(last)][6];
        if (note.empty()) continue;
        const auto shorter = compute_table(e, choice(TableKind::Detailed, {month, 2024, month, 2024}, 1), praha());
        EXPECT_EQ(shorter->last_row_index, last);
        EXPECT_EQ(shorter->rows[static_cast<std::size_t>(last)][6], note) << month;
        ++checked;
    }
    EXPECT_EQ(checked, 1);
}

TEST(PhaseTable, LunationsNumberedByTheMeanMonth) {
    engine::Engine e;
    const auto t = compute_table(e, choice(TableKind::Phases, {1, 2024, 2, 2024}), praha());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->rows[0], (std::vector<std::string>{"Lunace", "Nov", "1. čtvrť", "Úplněk", "3. čtvrť"}));
    // Back from 1.1. to the new moon of 13.12.2023; the last row reaches past 29.2.
    ASSERT_EQ(t->rows.size(), 4u);
    EXPECT_EQ(t->last_row_index, 3);
    EXPECT_EQ(t->rows[1][1], "13.12.2023, 0:34");
    EXPECT_EQ(t->rows[2], (std::vector<std::string>{"1249", "11.1.2024, 13:00", "18.1.2024, 4:55", "25.1.2024, 18:57",
                                                    "3.2.2024, 0:21"}));
    EXPECT_EQ(t->rows[3][0], "1250");
    EXPECT_EQ(t->label1, "Časové pásmo: UTC+1");
    // The number belongs to the new moon, not to where the table starts.
    EXPECT_EQ(lunation_number({11, 1, 2024, 0, 0}), 1249);
    const auto from_1980 = compute_table(e, choice(TableKind::Phases, {1, 1980, 1, 2024}), praha());
    int found = 0;
    for (const auto& row : from_1980->rows) {
        if (row[1] == "11.1.2024, 13:00") found = std::stoi(row[0]);
    }
    EXPECT_EQ(found, 1249);
}

TEST(TableProgress, ReportsEveryRowAndStops) {
    engine::Engine e;
    std::vector<std::string> captions;
    int last = 0, maximum = 0;
    TableChoice c = choice(TableKind::Simple, {1, 2024, 2, 2024});
    c.bodies[0] = true;
    const auto t = compute_table(e, c, praha(), [&](int v, int m, const std::string& caption) {
        last = v, maximum = m;
        captions.push_back(caption);
        return true;
    });
    ASSERT_TRUE(t);
    EXPECT_EQ(maximum, 60);
    EXPECT_EQ(last, 60);
    EXPECT_EQ(captions.front(), "Počítám: 1/2024");
    EXPECT_EQ(captions[30], "Počítám: 2/2024");  // after 31.1 the next day is in February
    EXPECT_EQ(captions.back(), "Počítám: 3/2024");
    int calls = 0;
    const auto stopped = compute_table(e, c, praha(), [&](int, int, const std::string&) { return ++calls < 5; });
    EXPECT_FALSE(stopped);
    EXPECT_EQ(calls, 5);
}

TEST(SkySearch, SunInBeranOverAYear) {
    engine::Engine e;
    SkyQuery q;
    q.span = {1, 2024, 12, 2024};
    q.from = 0;
    q.to = 30;
    const auto r = search_sky(e, q, praha());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->title, "Slunce v Beranu");
    EXPECT_EQ(r->lines[0], (TextLine{"Slunce v Beranu", 0x0000FF, 18, true, true, TextLine::Style::Title}));
    EXPECT_EQ(texts(*r)[1], "Výpočet proveden pro období 1/2024 až 12/2024");
    EXPECT_EQ(texts(*r)[2], "Časové pásmo: UTC+1");
    EXPECT_EQ(results(*r), (std::vector<std::string>{"Vstup: 20.3.2024 4:15", "Výstup: 19.4.2024 15:08", "", "KONEC."}));
    ASSERT_EQ(r->events.size(), 2u);
    EXPECT_EQ(r->events[0].kind, "vstup");
    EXPECT_EQ(iso_minute(*r->events[0].at), "2024-03-20T04:15");
}

TEST(SkySearch, RangesAcrossZeroAndTheSpanEnds) {
    engine::Engine e;
    SkyQuery q;
    q.span = {3, 2024, 4, 2024};
    q.from = 350;
    q.to = 10;
    const auto r = search_sky(e, q, praha());
    EXPECT_EQ(r->title, "Slunce na 350° až 10° eklip. délky");
    const auto lines = results(*r);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].starts_with("Vstup: 10.3.2024 ")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("Výstup: 30.3.2024 ")) << lines[1];
    // Inside at the start and at the end of the span.
    q.span = {3, 2024, 3, 2024};
    q.from = 340;
    q.to = 20;
    const auto inside = search_sky(e, q, praha());
    EXPECT_EQ(results(*inside),
              (std::vector<std::string>{"Vstup: před zadaným obdobím", "Výstup: po zadaném období", "", "KONEC."}));
    EXPECT_EQ(inside->events[0].bound, "before");
    EXPECT_EQ(inside->events[1].bound, "after");
}

TEST(SkySearch, ExitOverTheEndCrossedBeforeAStation) {
    // Mercury leaves 273°..303° backwards early on 12.1.1997, stations in the evening and is
    // direct at midnight: the exit is the crossing of 273° that day, not of 303° in February.
    engine::Engine e;
    SkyQuery q;
    q.span = {1, 1997, 2, 1997};
    q.body = 2;
    q.from = 273;
    q.to = 303;
    const auto r = search_sky(e, q, praha());
    EXPECT_EQ(results(*r), (std::vector<std::string>{"Vstup: před zadaným obdobím", "Výstup: 12.1.1997 3:33", "",
                                                     "Vstup: 13.1.1997 16:00", "Výstup: 11.2.1997 8:18", "",
                                                     "KONEC."}));
}

TEST(SkySearch, ConjunctionNearZeroIsNoOpposition) {
    // The new moon of 20.3.2015 fell at the last degree of Ryby.
    engine::Engine e;
    SkyQuery q;
    q.span = {3, 2015, 3, 2015};
    q.mode = SkyQuery::Mode::Aspect;
    q.body = 0;
    q.with = 1;
    q.aspect_name = "konjunkce";
    q.angle = 0;
    const auto conj = search_sky(e, q, praha());
    EXPECT_EQ(conj->title, "Slunce konjunkce Měsíc");
    ASSERT_EQ(conj->events.size(), 1u);
    EXPECT_EQ(date_text(*conj->events[0].at), "20.3.2015");
    q.aspect_name = "opozice";
    q.angle = 180;
    const auto opp = search_sky(e, q, praha());
    ASSERT_EQ(opp->events.size(), 1u);
    EXPECT_EQ(date_text(*opp->events[0].at), "5.3.2015");

    // A trigon is found twice a month; the time given is the minute after the first one
    // past the exact aspect.
    q.aspect_name = "trigon";
    q.angle = 120;
    const auto tri = search_sky(e, q, praha());
    ASSERT_EQ(tri->events.size(), 2u);
    for (const auto& ev : tri->events) {
        Instant first_past = *ev.at, before = *ev.at;
        engine::step_minute_back(first_past);
        engine::step_minute_back(before);
        engine::step_minute_back(before);
        auto beyond = [&](const Instant& at) {
            return separation_180(item_position(e, 0, at, 1).longitude, item_position(e, 1, at, 1).longitude) > 120;
        };
        EXPECT_NE(beyond(before), beyond(first_past)) << date_time_text(*ev.at);
        EXPECT_EQ(beyond(first_past), beyond(*ev.at)) << date_time_text(*ev.at);
    }
    q.with = 0;
    EXPECT_EQ(sky_query_problem(q), "Pro výpočet aspektu musí být vybrány různé planety!");
}

namespace {
TransitQuery transit(TransitQuery::Mode mode, Span span, int body) {
    TransitQuery q;
    q.mode = mode;
    q.span = span;
    q.body = body;
    q.person_name = "Jana Nová";
    q.person_male = false;
    for (int b = 1; b <= 24; ++b) q.natal_longitude[static_cast<std::size_t>(b)] = 15.0 * b;
    for (int h = 1; h <= 12; ++h) q.cusps[static_cast<std::size_t>(h)] = 30.0 * (h - 1) + 10;
    return q;
}
}  // namespace

TEST(TransitSearch, OrbZeroGivesOneMinute) {
    engine::Engine e;
    TransitQuery q = transit(TransitQuery::Mode::Aspect, {1, 2024, 1, 2024}, 1);
    q.aspect_code = 1;
    q.aspect_name = "konjunkce";
    q.natal = 10;  // at 150°
    const auto r = search_transit(e, q, praha());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->title, "Tranzitující Měsíc konjunkce Pluto (orbis 0°)");
    EXPECT_EQ(r->lines[0].size, 16);
    EXPECT_EQ(texts(*r)[1], "Pro osobu: Jana Nová");
    ASSERT_EQ(r->events.size(), 2u);
    EXPECT_EQ(r->events[0].kind, "zacatek");
    EXPECT_EQ(r->events[1].kind, "konec");
    EXPECT_EQ(*r->events[0].at, *r->events[1].at);
    EXPECT_EQ(texts(*r).back(), "");
    EXPECT_EQ(r->lines[r->lines.size() - 2], (TextLine{"Konec hledání", 0, 14, true, false, TextLine::Style::Header}));
}

TEST(TransitSearch, MoveFromOneRangeToTheOtherOnTheSameDay) {
    // Kvartinovil with orb 20: the ranges 140°..180° and 180°..220° from the natal body touch,
    // and the Sun passes from one into the other.
    engine::Engine e;
    TransitQuery q = transit(TransitQuery::Mode::Aspect, {1, 2024, 12, 2024}, 0);
    q.aspect_code = 12;
    q.aspect_name = "kvartinovil";
    q.angle = 160;
    q.orb = 20;
    q.natal = 1;  // at 15°: the ranges meet at 195°
    const auto r = search_transit(e, q, praha());
    std::vector<std::string> kinds;
    for (const auto& ev : r->events) kinds.push_back(ev.kind);
    // From 15°: 155°..195° and 195°..235°, passed in October.
    ASSERT_GE(r->events.size(), 3u);
    bool same_day_move = false;
    for (std::size_t i = 0; i + 1 < r->events.size(); ++i) {
        const auto& a = r->events[i];
        const auto& b = r->events[i + 1];
        if (a.kind == "konec" && b.kind == "zacatek" && a.at && b.at && date_text(*a.at) == date_text(*b.at)) {
            same_day_move = true;
        }
    }
    EXPECT_TRUE(same_day_move);
}

TEST(TransitSearch, SignsHousesAndAFailedSystem) {
    engine::Engine e;
    TransitQuery q = transit(TransitQuery::Mode::House, {1, 2024, 12, 2024}, 0);
    q.house = 1;  // 10°..40°
    const auto house = search_transit(e, q, praha());
    EXPECT_EQ(house->title, "Tranzitující Slunce v 1. domě");
    ASSERT_EQ(house->events.size(), 2u);
    EXPECT_EQ(date_text(*house->events[0].at), "30.3.2024");
    q.house = 12;  // 340°..10°, ending at cusp 1
    const auto twelfth = search_transit(e, q, praha());
    ASSERT_EQ(twelfth->events.size(), 2u);
    EXPECT_EQ(date_text(*twelfth->events[1].at), "30.3.2024");
    EXPECT_EQ(*twelfth->events[1].at, *house->events[0].at);

    q.mode = TransitQuery::Mode::Sign;
    q.sign = 2;
    EXPECT_EQ(search_transit(e, q, praha())->title, "Tranzitující Slunce v Býku");

    // Placidus at 70° N: no cusps, no crossings of 279°.
    q.mode = TransitQuery::Mode::House;
    q.cusps[11] = engine::kNoCusp;
    EXPECT_EQ(transit_query_problem(q), "Domy nelze pro místo narození spočítat!");
    q.mode = TransitQuery::Mode::Sign;
    EXPECT_EQ(transit_query_problem(q), "");
}

TEST(TransitSearch, PhaseOfBirthWithTheFertilityReading) {
    engine::Engine e;
    TransitQuery q = transit(TransitQuery::Mode::Phase, {1, 2024, 2, 2024}, 1);
    q.natal_longitude[1] = 100;  // Sun
    q.natal_longitude[2] = 10;   // Moon: 270° east of the Sun, the last quarter
    q.fertility = true;
    const auto r = search_transit(e, q, praha());
    ASSERT_TRUE(r);
    const auto lines = texts(*r);
    EXPECT_EQ(r->title, "Fáze Měsíce stejná jako v okamžiku zrození");
    EXPECT_EQ(lines[5], "Měsíční fáze v okamžiku zrození:  270°00´");
    ASSERT_EQ(r->events.size(), 2u);  // the last quarters of 4.1. and 3.2.
    EXPECT_EQ(date_text(*r->events[0].at), "4.1.2024");
    EXPECT_EQ(date_text(*r->events[1].at), "3.2.2024");
    for (const auto& ev : r->events) {
        EXPECT_EQ(ev.child, (static_cast<int>(ev.moon_longitude) / 30) % 2 ? "HOLKA" : "KLUK");
    }
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Vysvětlivky:"), lines.end());
    EXPECT_EQ(lines.size(), 7u + 2 + 2 + 4 + 1);
    // A man's chart has no fertility reading, whatever the box held.
    q.person_male = true;
    const auto man = search_transit(e, q, praha());
    EXPECT_EQ(man->events[0].child, "");
    EXPECT_EQ(texts(*man).size(), 7u + 2 + 2 + 1 + 1);
    EXPECT_FALSE(fertility_enabled(TransitQuery::Mode::Phase, true));
    EXPECT_TRUE(fertility_enabled(TransitQuery::Mode::Phase, false));
    EXPECT_FALSE(fertility_enabled(TransitQuery::Mode::Sign, false));
}

TEST(TableFile, SavedBytesAndAFailedWrite) {
    engine::Engine e;
    TableChoice c = choice(TableKind::Simple, {2, 2024, 2, 2024});
    c.bodies[0] = c.bodies[1] = true;
    const auto t = compute_table(e, c, praha());
    const std::string bytes = data::table_file_bytes(t->rows, t->last_row_index);
    // "Měsíc" in Windows-1250: 0xEC for ě, 0xED for í.
    EXPECT_TRUE(bytes.starts_with("Datum;Slunce;M\xEC" "s\xED" "c\r\n"));
    EXPECT_TRUE(bytes.substr(bytes.find("\r\n") + 2).starts_with("1.2.2024;"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 30);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 30);
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(bytes.find(";\r\n"), std::string::npos);

    test::TempDir dir;
    const auto path = dir.path() / "efemeridy.csv";
    EXPECT_EQ(data::save_table_file(path, t->rows, t->last_row_index), "");
    EXPECT_EQ(io::read_file(path), bytes);
    EXPECT_EQ(data::table_saved_message(path), "Tabulka byla uložena do souboru " + path.string());
    const auto refused = data::save_table_file(dir.path() / "chybí" / "x.csv", t->rows, t->last_row_index);
    EXPECT_TRUE(refused.starts_with("Chyba vstupu/výstupu: tabulku nelze uložit do souboru ")) << refused;
}

TEST(EphemerisTable, FastSimpleTableMatchesPlainCallsCellByCell) {
    // Spans with stations of Mercury and the outer planets, the Sun's and the Moon's passes of 0° and
    // sign changes of every body; all eighteen bodies, on one thread and on two.
    engine::Engine e;
    data::load_asteroid_elements(e, SIDORA_SOURCE_DIR "/data", std::nullopt);
    for (const Span span : {Span{1, 1997, 4, 1997}, Span{9, 2023, 12, 2023}}) {
        TableChoice c = choice(TableKind::Simple, span);
        c.bodies.fill(true);
        TableContext x = praha();
        x.seconds = true;
        std::vector<std::vector<std::string>> plain;
        engine::Engine fresh = e;
        Instant d = first_day(span);
        for (int i = 0; i < day_count(span); ++i, engine::step_day(d)) {
            std::vector<std::string> row{date_text(d)};
            for (int item = 0; item < kListBodies; ++item) {
                const engine::TBodyRow r = item_position(fresh, item, d, x.zone_offset);
                row.push_back(engine::format_angle(false, true, true, r.longitude) + (r.retrograde ? "R" : ""));
            }
            plain.push_back(row);
        }
        for (int threads : {1, 2}) {
            x.threads = threads;
            const auto t = compute_table(e, c, x);
            ASSERT_TRUE(t);
            ASSERT_EQ(t->rows.size(), plain.size() + 1);
            for (std::size_t r = 0; r < plain.size(); ++r) {
                EXPECT_EQ(t->rows[r + 1], plain[r]) << threads << " threads, row " << r + 1;
            }
        }
        EXPECT_EQ(e.asteroid_elements[1].size(), fresh.asteroid_elements[1].size());
    }
}
