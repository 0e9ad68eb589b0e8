// Biorhythms and numerology: the cycles' table, curves and comparison, the numerology grid,
// the planetary hour, the reading and the texts' editor.
#include <gtest/gtest.h>

#include <filesystem>

#include "cycles/biorhythm.h"
#include "cycles/numerology.h"
#include "engine/time.h"
#include "io/cp1250.h"
#include "models/biorhythm_window.h"
#include "models/numerology_window.h"
#include "temp_dir.h"

namespace sidora {
namespace {

using cycles::CivilDate;
namespace fs = std::filesystem;

CivilDate plus_days(const CivilDate& d, int days) {
    const auto s = engine::serial_date(engine::date_serial(d.year, d.month, d.day) + days);
    return {s.year, s.month, s.day};
}

std::string marks(const cycles::BioRow& r) { return {r.marks[0], r.marks[1], r.marks[2]}; }

TEST(Biorhythm, FirstRowMarksFromBirth) {
    const CivilDate birth{1990, 6, 15};
    struct Case {
        int days_after;
        const char* first_row;
        int age;
    } cases[] = {{0, "!!!", 0}, {11, "!++", 11}, {14, "-!+", 14}, {16, "--!", 16}, {23, "!--", 23}};
    for (const auto& c : cases) {
        const auto rows = cycles::bio_rows(birth, true, plus_days(birth, c.days_after));
        ASSERT_TRUE(rows);
        ASSERT_EQ(rows->size(), 30u);
        EXPECT_EQ(marks(rows->front()), c.first_row) << c.days_after;
        EXPECT_EQ(rows->front().age, c.age);
    }
}

TEST(Biorhythm, StartBeforeBirthIsRefused) {
    EXPECT_FALSE(cycles::bio_rows({1990, 6, 15}, false, {1990, 6, 14}));
    data::TOsoba p;
    p.year = 1990, p.month = 6, p.day = 15;
    EXPECT_FALSE(models::bio_table(p, {1989, 12, 31}));
}

TEST(Biorhythm, RowsCarryThroughLeapDayAndNewYear) {
    const auto rows = cycles::bio_rows({2000, 1, 1}, true, {2023, 12, 30});
    ASSERT_TRUE(rows);
    EXPECT_EQ((*rows)[1].date_text, "31.12.2023");
    EXPECT_EQ((*rows)[2].date_text, "1.1.2024");
    const auto leap = cycles::bio_rows({2000, 1, 1}, true, {2024, 2, 27});
    ASSERT_TRUE(leap);
    EXPECT_EQ((*leap)[2].date_text, "29.2.2024");
    EXPECT_EQ((*leap)[3].date_text, "1.3.2024");
    // Every row one day older, and the cycles wrap at their periods.
    for (std::size_t k = 1; k < leap->size(); ++k) {
        EXPECT_EQ((*leap)[k].age, (*leap)[k - 1].age + 1);
        for (std::size_t c = 0; c < 3; ++c)
            EXPECT_EQ((*leap)[k].positions[c], ((*leap)[k - 1].positions[c] + 1) % cycles::kPeriods[c]);
    }
    EXPECT_EQ((*leap)[0].age, cycles::age_days({2000, 1, 1}, {2024, 2, 27}));
    EXPECT_EQ(cycles::age_days({2000, 1, 1}, {2001, 1, 1}), 366);
}

TEST(Biorhythm, ChildRulesLaterOverrideEarlier) {
    struct Case {
        int f, e;
        cycles::Child child;
    } cases[] = {
        {1, 16, cycles::Child::Unsure},     {2, 16, cycles::Child::Boy},
        {9, 26, cycles::Child::Boy},        {10, 16, cycles::Child::Unsure},
        {5, 20, cycles::Child::BoyLikely},  // also a boy by the first rule
        {13, 2, cycles::Child::Girl},       {21, 12, cycles::Child::Girl},
        {16, 6, cycles::Child::GirlLikely},  // also a girl by the third rule
        {16, 9, cycles::Child::Girl},       {0, 0, cycles::Child::Unsure},
    };
    for (const auto& c : cases) EXPECT_EQ(cycles::child_of(false, c.f, c.e), c.child) << c.f << "," << c.e;
    EXPECT_EQ(cycles::child_of(true, 5, 20), cycles::Child::Man);
}

TEST(Biorhythm, TableCellsAndColours) {
    data::TOsoba jana;
    jana.name = "Jana", jana.male = 0, jana.year = 1990, jana.month = 6, jana.day = 15;
    // Start on F = 5, E = 20: a likely boy on the first row.
    int start_age = 0;
    while (start_age % 23 != 5 || start_age % 28 != 20) ++start_age;
    const auto t = models::bio_table(jana, plus_days({1990, 6, 15}, start_age));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->caption, "Biorytmy: Jana");
    EXPECT_EQ(t->grid.at(5, 0).text, "Dítě");
    const auto& child = t->grid.at(5, 1);
    EXPECT_EQ(child.text, "Kluk!");
    EXPECT_EQ(child.background, models::colors::kBlue);
    for (int r = 1; r <= 30; ++r) {
        for (int c = 2; c <= 4; ++c) {
            const auto& cell = t->grid.at(c, r);
            const auto want = cell.text == "+" ? models::colors::kGreen
                              : cell.text == "!" ? models::colors::kRed : models::colors::kSilver;
            EXPECT_EQ(cell.background, want) << r << "," << c;
        }
        const auto& ch = t->grid.at(5, r);
        if (ch.text == "?") {
            EXPECT_EQ(ch.color, models::colors::kWhite);
            EXPECT_EQ(ch.background, models::colors::kGrey);
        }
        if (ch.text.starts_with("Holka")) {
            EXPECT_EQ(ch.background, models::colors::kMagenta);
        }
    }
    jana.male = 1;
    const auto man = models::bio_table(jana, {2020, 1, 1});
    for (int r = 1; r <= 30; ++r) EXPECT_EQ(man->grid.at(5, r).text, "---------");
}

TEST(Biorhythm, CurvesAndSelectedSegment) {
    // a = 10: F from position 0 peaks at k = 6 (sin 2π·6/23 ≈ 0.998).
    const auto f = cycles::curve_points(300, 0, 0);
    ASSERT_EQ(f.size(), 31u);
    EXPECT_EQ(f[0], (cycles::Point{0, 125}));
    EXPECT_EQ(f[6], (cycles::Point{60, 25}));
    EXPECT_EQ(f[23], (cycles::Point{230, 125}));
    // E from position 7 starts at its top.
    EXPECT_EQ(cycles::curve_points(300, 1, 7)[0], (cycles::Point{0, 25}));
    EXPECT_EQ(cycles::tick_positions(305).front(), 10);
    EXPECT_EQ(cycles::tick_positions(305).back(), 290);
    EXPECT_EQ(cycles::row_segment(300, 3), (std::pair<int, int>{20, 30}));
}

TEST(Biorhythm, PartnerComparison) {
    const CivilDate a{1950, 2, 10};
    struct Case {
        int days;
        std::array<int, 4> percent;
    } cases[] = {
        {0, {100, 100, 100, 100}},
        {21252, {100, 100, 100, 100}},
        {14, {22, 0, 15, 12}},
        // The mean of the unrounded values: 85.4, not (83 + 86 + 88) / 3.
        {2, {83, 86, 88, 85}},
    };
    for (const auto& c : cases) {
        for (const auto& [x, y] : {std::pair{a, plus_days(a, c.days)}, std::pair{plus_days(a, c.days), a}}) {
            const auto r = cycles::compare(x, y);
            EXPECT_EQ(r.days, c.days);
            for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(r.rows[k].percent, c.percent[k]) << c.days << " " << k;
        }
    }
    const auto same = cycles::compare(a, plus_days(a, 21252));
    EXPECT_EQ(same.rows[3].cycle, "Průměr");
    EXPECT_EQ(same.rows[0].text, "100%  Mimořádně harmonický vztah!");
    const auto e0 = cycles::compare(a, plus_days(a, 14));
    EXPECT_EQ(e0.rows[1].text, "0%    Totální disharmonie!");
    EXPECT_EQ(e0.rows[0].text, "22%   Velmi nízká harmonie.");
    struct Verdict {
        int h;
        const char* text;
    } verdicts[] = {{0, "Totální disharmonie!"},   {1, "Velmi nízká harmonie."},  {25, "Velmi nízká harmonie."},
                    {26, "Středně harmonický vztah."}, {50, "Středně harmonický vztah."}, {51, "Velmi harmonický vztah."},
                    {75, "Velmi harmonický vztah."},   {76, "Mimořádně harmonický vztah!"}};
    for (const auto& v : verdicts) EXPECT_STREQ(cycles::harmony_verdict(v.h), v.text) << v.h;
}

TEST(Biorhythm, PrintLayoutRows) {
    const auto rows = cycles::bio_rows({2000, 1, 1}, true, {2000, 1, 1});
    const auto page = cycles::print_layout("Jan", "1.1.2000", true, *rows);
    std::vector<std::string> first;
    for (const auto& item : page.items)
        if (std::abs(item.y - page.items[8].y) < 0.01) first.push_back(item.text);
    EXPECT_EQ(first, (std::vector<std::string>{"1.1.2000", "0", "!!!!!!!!!!!!", "!!!!!!!!!!!!", "!!!!!!!!!!!!", "----------"}));
    EXPECT_STREQ(cycles::print_mark('+'), "+++++");
    EXPECT_STREQ(cycles::print_mark('-'), "---------");
}

TEST(Biorhythm, WindowKeepsTheRecordOfEachItem) {
    test::TempDir dir;
    data::AppState state;
    state.program_dir = dir.path();
    state.current_moment = {1, 1, 2020, 0, 0, 0};
    data::TOsoba first, second, third;
    first.name = second.name = "Eva";
    first.male = second.male = 0;
    first.year = 1980, second.year = 1985;
    third.name = "Adam", third.year = 1799;
    dir.write(data::kPersonsFile, data::encode(data::version_record()) + data::encode(first) + data::encode(second) +
                                      data::encode(third));
    models::BioWindow w(state);
    ASSERT_FALSE(w.show());
    EXPECT_EQ(w.start, (CivilDate{2020, 1, 1}));
    ASSERT_EQ(w.items().size(), 3u);
    EXPECT_EQ(w.items()[0].name, "Adam");
    EXPECT_EQ(w.click(1, 0), cycles::year_range_message());
    EXPECT_EQ(cycles::year_range_message(), "Datum narození mimo povolené rozmezí let 1800 až 2100!");
    EXPECT_EQ(w.check_table(1), models::kNoPersonShown);
    EXPECT_FALSE(w.click(1, 1));
    EXPECT_FALSE(w.click(2, 2));
    EXPECT_EQ(w.shown(1)->born, "1.ledna 1980");
    EXPECT_EQ(w.shown(2)->born, "1.ledna 1985");
    EXPECT_EQ(w.shown(2)->sex, "Žena");
    ASSERT_TRUE(w.comparison());
    EXPECT_EQ(w.comparison()->days, 1827);
    w.start = {1984, 12, 31};
    EXPECT_EQ(w.check_table(2), cycles::kBeforeBirth);
    EXPECT_FALSE(w.check_table(1));
}

TEST(Numerology, GridOfBirthDates) {
    struct Case {
        int day, month, year;
        std::array<int, 10> counts;
        int subtotal, vibration;
    } cases[] = {
        {5, 3, 1970, {0, 1, 1, 1, 0, 2, 0, 2, 0, 1}, 25, 7},
        // A one-digit S is counted again as V.
        {1, 1, 2000, {0, 2, 1, 0, 2, 0, 0, 0, 0, 0}, 4, 4},
        {10, 10, 2010, {0, 3, 1, 0, 0, 2, 0, 0, 0, 0}, 5, 5},
        // S = 46 → 10 → 1: every step counted.
        {29, 9, 1988, {0, 3, 1, 0, 1, 0, 1, 0, 2, 3}, 46, 1},
    };
    for (const auto& c : cases) {
        const auto g = cycles::numerology_grid(c.day, c.month, c.year);
        EXPECT_EQ(g.subtotal, c.subtotal) << c.day << "." << c.month << "." << c.year;
        EXPECT_EQ(g.vibration, c.vibration);
        EXPECT_EQ(g.counts, c.counts) << c.day << "." << c.month << "." << c.year;
    }
    const auto g = cycles::numerology_grid(5, 3, 1970);
    EXPECT_EQ(g.digits, (std::vector<int>{5, 3, 1, 9, 7, 0}));
    std::vector<int> lines;
    for (const auto& l : g.lines) lines.push_back(l.value);
    EXPECT_EQ(lines, (std::vector<int>{6, 1, 5, 3, 3, 6, 9, 2}));
    EXPECT_STREQ(g.lines[6].hint, "Sestup člověka");
}

TEST(Numerology, FileNamesAndHeadings) {
    EXPECT_EQ(cycles::digit_file(1, 4, 3), "C1xn.txt");
    EXPECT_EQ(cycles::digit_file(1, 3, 3), "C1x3.txt");
    EXPECT_EQ(cycles::digit_file(7, 0, 4), "C7x0.txt");
    EXPECT_EQ(cycles::vibration_file(7), "V7.txt");
    EXPECT_EQ(cycles::digit_heading(5, 2), "Číslice 5: 2 krát");
    EXPECT_EQ(cycles::vibration_heading(7), "Vibrační číslo: 7");
    // 11.11.1911 holds eight ones (S = 16 adds one more): with M = 3 the reading reads the
    // "xn" text.
    const auto files = models::reading_files(cycles::numerology_grid(11, 11, 1911), 3);
    EXPECT_EQ(files[1], "C1xn.txt");
    EXPECT_EQ(files[8], "C8x0.txt");
}

data::TOsoba praha_person(int day, int month, int year, int hour, int minute) {
    data::TOsoba p;
    p.name = "Test";
    p.year = year, p.month = static_cast<std::uint8_t>(month), p.day = static_cast<std::uint8_t>(day);
    p.hour = static_cast<std::uint8_t>(hour), p.minute = static_cast<std::uint8_t>(minute);
    p.zone = 2, p.summer = 0;
    p.place = "Praha";
    p.lat_deg = 50, p.lat_min = 5, p.north = 1, p.lon_deg = 14, p.lon_min = 25, p.east = 1;
    return p;
}

TEST(Numerology, PlanetaryHour) {
    engine::Engine e;
    e.rise_mode = 2;
    struct Case {
        int day, month, year, hour, minute;
        const char* text;
        const char* ruler;
    } cases[] = {
        // Before sunrise the night is the previous day's: Sunday's sequence, not Monday's.
        {6, 1, 2025, 2, 0, "8. noční", "Jupiter"},
        {5, 1, 2025, 23, 30, "6. noční", "Měsíc"},
        {6, 1, 2025, 12, 0, "6. denní", "Venuše"},
    };
    for (const auto& c : cases) {
        const auto h = cycles::planetary_hour(e, praha_person(c.day, c.month, c.year, c.hour, c.minute));
        EXPECT_EQ(h.text, c.text) << c.day << "." << c.month << " " << c.hour << ":" << c.minute;
        EXPECT_EQ(h.ruler, c.ruler) << c.day << "." << c.month << " " << c.hour << ":" << c.minute;
    }
    EXPECT_EQ(e.rise_mode, 2);

    // A birth at Monday's sunrise begins Monday's sequence; a minute before is Sunday's last hour.
    e.rise_mode = 4;
    e.sun_day(6, 1, 2025, 50, 5, 14, 25, true, true, false, 1, 0);
    const int rise = static_cast<int>(std::ceil(e.sun_rise_hours * 60));
    const auto at = cycles::planetary_hour(e, praha_person(6, 1, 2025, rise / 60, rise % 60));
    EXPECT_EQ(at.text, "1. denní");
    EXPECT_EQ(at.ruler, "Měsíc");
    const auto before = cycles::planetary_hour(e, praha_person(6, 1, 2025, (rise - 1) / 60, (rise - 1) % 60));
    EXPECT_EQ(before.text, "12. noční");
    EXPECT_EQ(before.ruler, "Merkur");

    auto nowhere = praha_person(6, 1, 2025, 2, 0);
    nowhere.place.clear();
    const auto unknown = cycles::planetary_hour(e, nowhere);
    EXPECT_EQ(unknown.text, "?");
    EXPECT_EQ(unknown.ruler, "????");
    // Polar night at 80° N in January: no hour.
    auto polar = praha_person(6, 1, 2025, 12, 0);
    polar.lat_deg = 80;
    EXPECT_EQ(cycles::planetary_hour(e, polar).ruler, "????");
}

TEST(Numerology, PlanetaryHourLeavesTheMainWindowsSunrise) {
    engine::Engine e;
    e.rise_mode = 2;
    e.sun_day(20, 3, 2024, 50, 5, 14, 25, true, true, false, 1, 0);
    const std::string rise = e.sun_rise_text, set = e.sun_set_text;
    cycles::planetary_hour(e, praha_person(20, 3, 2024, 10, 0));
    e.sun_day(20, 3, 2024, 50, 5, 14, 25, true, true, false, 1, 0);
    EXPECT_EQ(e.sun_rise_text, rise);
    EXPECT_EQ(e.sun_set_text, set);
}

TEST(Numerology, WeekdayAndView) {
    engine::Engine e;
    auto p = praha_person(5, 3, 1970, 8, 5);
    p.summer = 1;
    const auto v = models::numerology_view(e, p);
    EXPECT_EQ(v.weekday, 5);
    EXPECT_EQ(v.weekday_name, "čtvrtek");
    EXPECT_EQ(v.weekday_ruler, "Jupiter");
    EXPECT_EQ(v.date, "5.března 1970");
    EXPECT_EQ(v.time, "8:5 hodin, LČ");
    EXPECT_EQ(v.cells[5], "2");
    EXPECT_EQ(v.cells[4], "");
}

std::vector<std::pair<models::LineStyle, std::string>> styled(const models::StyledDocument& d) {
    std::vector<std::pair<models::LineStyle, std::string>> out;
    for (const auto& l : d.lines()) out.emplace_back(l.style, l.text);
    return out;
}

TEST(Numerology, ReadingOrderAndStyles) {
    test::TempDir dir;
    fs::create_directory(dir / "numera");
    dir.write("numera/V7.txt", io::utf8_to_cp1250("Sedmička.\r\nDruhý řádek.\r\n"));
    dir.write("numera/C5x2.txt", io::utf8_to_cp1250("Dvě pětky.\r\n"));
    engine::Engine e;
    const auto v = models::numerology_view(e, praha_person(5, 3, 1970, 8, 5));
    models::StyledDocument doc;
    EXPECT_FALSE(models::numerology_reading(doc, dir / "numera", v, 4));
    using S = models::LineStyle;
    const std::vector<std::pair<S, std::string>> want = {
        {S::Title, "Numerologický výklad"}, {S::Body, ""},
        {S::Header, "Jméno: Test"}, {S::Header, "Datum narození: 5.března 1970"}, {S::Body, ""},
        {S::Section, "Vibrační číslo: 7"}, {S::Body, "Sedmička."}, {S::Body, "Druhý řádek."}, {S::Body, ""},
        {S::Section, "Vyspělost v jednotlivých úrovních"}, {S::Note, "(Minimální hodnota=0, maximální hodnota=9)"},
        {S::Body, "Duchovní úroveň: 3"}, {S::Body, "Psychická úroveň: 3"}, {S::Body, "Fyzická úroveň: 6"},
        {S::Section, "Úroveň v jednotlivých částech života"}, {S::Note, "(Minimální hodnota=0, maximální hodnota=9)"},
        {S::Body, "Dětství a mládí (0 až 25 let): 6"}, {S::Body, "Střední věk (25 až 50 let): 1"},
        {S::Body, "Vyšší věk (nad 50 let): 5"}, {S::Body, ""},
        {S::Section, "Číslice 5: 2 krát"}, {S::Body, "Dvě pětky."}, {S::Body, ""},
        {S::End, "KONEC."},
    };
    EXPECT_EQ(styled(doc), want);
    const auto& title = doc.lines()[0];
    EXPECT_EQ(title.colour, (models::Rgb{0, 0, 255}));
    EXPECT_EQ(title.size, 20);
    EXPECT_TRUE(title.bold && title.underline);
    const auto& heading = doc.lines()[5];
    EXPECT_EQ(heading.size, 16);
    EXPECT_TRUE(heading.bold && heading.underline);
    EXPECT_TRUE(doc.lines()[10].italic);
    EXPECT_EQ(doc.lines().back().colour, (models::Rgb{255, 0, 0}));

    // A missing directory: one warning, the reading's own lines still written.
    models::StyledDocument none;
    EXPECT_EQ(models::numerology_reading(none, dir / "chybi", v, 4), models::kDirectoryNotFound);
    EXPECT_EQ(none.lines().back().text, "KONEC.");
    // A single lookup reports the missing text.
    models::StyledDocument one;
    EXPECT_EQ(models::add_numerology_text(one, dir / "numera", "C9x1.txt", "x", false), models::kTextNotFound);
    EXPECT_TRUE(one.empty());
}

TEST(NumEditor, LoadSaveDelete) {
    test::TempDir dir;
    const fs::path numera = dir / "numera";
    models::NumEditor ed(numera, 4);
    EXPECT_EQ(ed.count_items(), (std::vector<std::string>{"0x", "1x", "2x", "3x", "4x", ">4x"}));
    EXPECT_EQ(ed.chosen_file(), "V1.txt");
    ed.grid = true, ed.digit = 3, ed.count_index = 5;
    EXPECT_EQ(ed.chosen_file(), "C3xn.txt");
    EXPECT_FALSE(ed.editable());

    // A text that does not exist yet opens empty and editable; saving creates it.
    ASSERT_FALSE(ed.load());
    EXPECT_TRUE(fs::is_directory(numera));
    EXPECT_TRUE(ed.editable());
    EXPECT_TRUE(ed.not_found_visible());
    EXPECT_FALSE(ed.delete_enabled());
    EXPECT_FALSE(ed.save_enabled());
    ed.edit("Mnoho trojek.\nDruhý řádek.");
    EXPECT_TRUE(ed.unsaved());
    EXPECT_TRUE(ed.save_enabled());
    ASSERT_FALSE(ed.save());
    EXPECT_EQ(dir.read("numera/C3xn.txt"), io::utf8_to_cp1250("Mnoho trojek.\r\nDruhý řádek.\r\n"));
    const auto perms = fs::status(numera / "C3xn.txt").permissions();
    EXPECT_EQ(perms & fs::perms::owner_write, fs::perms::none);
    EXPECT_FALSE(ed.unsaved());
    EXPECT_TRUE(ed.delete_enabled());

    // A read-only text is saved again; a character Windows-1250 lacks is refused.
    ed.edit("Znovu.");
    ASSERT_FALSE(ed.save());
    ed.edit("Šipka → ven");
    const auto refusal = ed.save();
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("„→“"), std::string::npos);
    EXPECT_EQ(dir.read("numera/C3xn.txt"), "Znovu.\r\n");
    EXPECT_TRUE(ed.unsaved());

    // The choices changed after loading: the text still belongs to the file it came from.
    ed.count_index = 0;
    ed.edit("Zpět.");
    ASSERT_FALSE(ed.save());
    EXPECT_EQ(dir.read("numera/C3xn.txt"), io::utf8_to_cp1250("Zpět.\r\n"));
    EXPECT_FALSE(fs::exists(numera / "C3x0.txt"));

    ed.count_index = 5;
    ASSERT_FALSE(ed.load());
    EXPECT_EQ(ed.text(), "Zpět.");
    ASSERT_FALSE(ed.remove());
    EXPECT_FALSE(fs::exists(numera / "C3xn.txt"));
    EXPECT_FALSE(ed.delete_enabled());
    EXPECT_FALSE(ed.save_enabled());
}

}  // namespace
}  // namespace sidora
