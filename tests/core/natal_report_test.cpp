// The natal report from a hand-made chart and a small text library.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/report_flags.h"
#include "models/natal_lookups.h"
#include "models/natal_report.h"
#include "temp_dir.h"

using namespace sidora;
using horoscope::NatalChart;
using models::LineStyle;
using models::NatalReport;

namespace {

// Slunce 10° Beran in the 1st house, Měsíc 130° Lev in the 5th, in trine; equal houses from 0°.
NatalChart fixture_chart() {
    NatalChart c;
    c.person.name = "Eva";
    c.person.place = "Brno";
    c.person.year = 1980, c.person.month = 3, c.person.day = 21, c.person.hour = 10, c.person.minute = 5;
    c.weekday = "pátek";
    c.house_system_name = "Placidus";
    c.asteroid_present.fill(true);
    for (int b = 1; b <= 24; ++b) {
        auto& r = c.chart_table[static_cast<std::size_t>(b)];
        r.longitude = 10 + 15.0 * (b - 1);
        r.znameni = static_cast<std::uint8_t>(horoscope::sign_of(r.longitude));
        r.dum = r.znameni;
    }
    c.chart_table[2].longitude = 130, c.chart_table[2].znameni = 5, c.chart_table[2].dum = 5;
    for (auto& row : c.chart_houses)
        for (int n = 0; n < 12; ++n) row[static_cast<std::size_t>(n)] = 30.0 * n;
    for (auto& row : c.chart_houses) row[12] = 0, row[13] = 270, row[14] = 180, row[15] = 90;
    c.chart_table[13].longitude = 5, c.chart_table[13].znameni = 1;
    c.aspect_table[1][2] = {4, 1.5};
    c.aspect_table[2][1] = {4, 1.5};
    for (auto& row : c.star_conjunction_table) row.fill(-1);
    for (int s = 1; s <= horoscope::kFixedStars; ++s) c.fixed_stars[static_cast<std::size_t>(s)].name = "Hvězda";
    return c;
}

struct Library {
    test::TempDir dir;
    Library() { std::filesystem::create_directory(dir / "texty"); }
    void add(const std::string& name, const std::string& text = "Text.\r\n") const { dir.write("texty/" + name, text); }
    std::filesystem::path texty() const { return dir / "texty"; }
};

data::ReportFlags only(std::initializer_list<int> numbers) {
    data::ReportFlags f{};
    for (int n : numbers) f[static_cast<std::size_t>(n - 1)] = true;
    return f;
}

std::vector<std::string> texts(const NatalReport& r, LineStyle style) {
    std::vector<std::string> out;
    for (const auto& l : const_cast<NatalReport&>(r).doc().lines())
        if (l.style == style) out.push_back(l.text);
    return out;
}

std::vector<std::string> looked_up(const NatalReport& r) {
    std::vector<std::string> out;
    for (const auto& l : r.lookups()) out.push_back(l.file);
    return out;
}

bool has(const std::vector<std::string>& v, const std::string& s) { return std::find(v.begin(), v.end(), s) != v.end(); }

struct Fixture {
    NatalChart chart = fixture_chart();
    data::AspectDefs defs = data::make_aspect_defs();
    data::OrbTables orbs{};
    Library lib;
    NatalReport report() const { return NatalReport(chart, lib.texty(), defs, orbs, true); }
};

}  // namespace

TEST(NatalReport, AllFlagsOffIsTheHeaderAndTheEndMark) {
    Fixture s;
    auto r = s.report();
    r.build(data::ReportFlags{});
    std::vector<std::string> lines;
    for (const auto& l : r.doc().lines()) lines.push_back(l.text);
    const std::vector<std::string> expected = {"HOROSKOP", "", "Jméno: Eva",
                                               "Datum a čas narození: 21.března 1980, 10:5 hod. UTC+1, pátek",
                                               "Místo narození: Brno", "Systém domů: Placidus", "", "KONEC."};
    EXPECT_EQ(lines, expected);
    const auto& title = r.doc().lines().front();
    EXPECT_TRUE(title.bold && title.underline);
    EXPECT_EQ(title.size, 20);
    EXPECT_EQ(r.doc().lines().back().colour, (models::Rgb{255, 0, 0}));
    EXPECT_TRUE(r.lookups().empty());
}

TEST(NatalReport, HouseThenSignThenBothAndAnglesOnlyWithHouseTexts) {
    Fixture s;
    s.lib.add("P1Z0D1A0P0Z0D0.txt", "V prvn\xEDm dom\xEC.\r\n");
    s.lib.add("P1Z1D0A0P0Z0D0.txt");
    s.lib.add("P1Z1D1A0P0Z0D0.txt");
    s.lib.add("P13Z1D0A0P0Z0D0.txt");
    auto r = s.report();
    r.build(only({6, 7}));
    const auto headings = texts(r, LineStyle::Section);
    ASSERT_GE(headings.size(), 4u);
    EXPECT_EQ(headings[0], "Slunce v 1. domě");
    EXPECT_EQ(headings[1], "Slunce v Beranu");
    EXPECT_EQ(headings[2], "Slunce v Beranu a v 1. domě");
    EXPECT_EQ(headings[3], "ASC v Beranu");
    EXPECT_TRUE(has(texts(r, LineStyle::Body), "V prvním domě."));

    auto signs_only = s.report();
    signs_only.build(only({6}));
    const auto files = looked_up(signs_only);
    EXPECT_FALSE(has(files, "P13Z1D0A0P0Z0D0.txt"));
    EXPECT_FALSE(has(files, "P1Z0D1A0P0Z0D0.txt"));
    EXPECT_TRUE(has(files, "P1Z1D0A0P0Z0D0.txt"));
}

TEST(NatalReport, SixteenVariantsOfATrine) {
    Fixture s;
    s.lib.add("P1Z1D1A4P2Z0D0.txt");
    auto r = s.report();
    r.show_aspect_texts(false, 1, 2, 4, 1.5);
    const std::vector<std::string> expected = {
        "P1Z0D0A4P2Z0D0.txt", "P1Z1D0A4P2Z0D0.txt", "P1Z0D1A4P2Z0D0.txt", "P1Z0D0A4P2Z5D0.txt",
        "P1Z0D0A4P2Z0D5.txt", "P1Z1D1A4P2Z0D0.txt", "P1Z1D0A4P2Z5D0.txt", "P1Z1D0A4P2Z0D5.txt",
        "P1Z0D1A4P2Z5D0.txt", "P1Z0D1A4P2Z0D5.txt", "P1Z0D0A4P2Z5D5.txt", "P1Z1D1A4P2Z5D0.txt",
        "P1Z1D1A4P2Z0D5.txt", "P1Z1D0A4P2Z5D5.txt", "P1Z0D1A4P2Z5D5.txt", "P1Z1D1A4P2Z5D5.txt"};
    EXPECT_EQ(looked_up(r), expected);
    for (std::size_t v = 0; v < r.lookups().size(); ++v) {
        EXPECT_EQ(r.lookups()[v].variant, static_cast<int>(v) + 1);
        EXPECT_EQ(r.lookups()[v].found, v == 5);
    }
    EXPECT_EQ(texts(r, LineStyle::Section),
              std::vector<std::string>{"Slunce v Beranu a v 1. domě trigon Měsíc (orbis  1°30´)"});
    EXPECT_TRUE(r.warnings().empty());

    auto none = s.report();
    none.show_aspect_texts(false, 2, 3, 4, 0);
    EXPECT_EQ(none.warnings(), std::vector<std::string>{models::kNoTextFound});
}

TEST(NatalReport, MissingLibraryWarnsOncePerReport) {
    Fixture s;
    std::filesystem::remove(s.lib.texty());
    auto r = s.report();
    r.build(data::default_report_flags());
    EXPECT_EQ(r.warnings(), std::vector<std::string>{models::kDirectoryNotFound});
    EXPECT_EQ(r.doc().lines().back().text, "KONEC.");
}

TEST(NatalReport, NoCuspsGiveDashesAndNoTextNamingAHouse) {
    Fixture s;
    for (auto& row : s.chart.chart_houses)
        for (int n = 0; n < 12; ++n) row[static_cast<std::size_t>(n)] = horoscope::kNone;
    for (auto& row : s.chart.chart_table) row.dum = 0;
    auto r = s.report();
    r.build(data::default_report_flags());
    const auto body = texts(r, LineStyle::Body);
    EXPECT_TRUE(has(body, "1.dům: ------"));
    EXPECT_TRUE(has(body, "12.dům: ------"));
    for (const auto& file : looked_up(r)) {
        EXPECT_EQ(file.find("D0A"), file.find('D')) << file;  // no first house
        EXPECT_NE(file.find("D0.txt"), std::string::npos) << file;
        EXPECT_NE(file.rfind("P0Z", 0), 0u) << file;  // no cusp text
    }
    // The trine is still looked up, by its signs only.
    EXPECT_TRUE(has(looked_up(r), "P1Z1D0A4P2Z5D0.txt"));
}

TEST(NatalReport, AsteroidPairsNamedAsTheEditorNamesThem) {
    Fixture s;
    s.chart.aspect_table[20][11] = {1, 0.5};
    s.chart.aspect_table[20][21] = {3, 2};
    s.chart.aspect_table[21][20] = {3, 2};
    s.lib.add("P11Z0D0A1P20Z0D0.txt", "Uzel s Ceres.\r\n");
    auto r = s.report();
    r.build(only({9}));
    const auto files = looked_up(r);
    EXPECT_TRUE(has(texts(r, LineStyle::Body), "Uzel s Ceres."));
    EXPECT_FALSE(has(files, "P20Z0D0A1P11Z0D0.txt"));
    EXPECT_EQ(std::count(files.begin(), files.end(), "P20Z0D0A3P21Z0D0.txt"), 1);
    EXPECT_FALSE(has(files, "P21Z0D0A3P20Z0D0.txt"));
}

TEST(NatalReport, SwitchedOffBodyIsInNoListAndNoText) {
    Fixture s;
    s.orbs.point_exclusions[4] = 1;  // Ceres
    s.chart.aspect_table[1][20] = {1, 0.2};
    auto r = s.report();
    r.build(data::ReportFlags{true, true, false, false, true, true, true, false, true, true});
    for (const auto& line : r.doc().lines()) EXPECT_EQ(line.text.find("Ceres"), std::string::npos) << line.text;
    for (const auto& file : looked_up(r)) EXPECT_EQ(file.find("P20"), std::string::npos) << file;
}

TEST(NatalReport, SingleLookupOutsideTheReportSaysNotFound) {
    Fixture s;
    auto r = s.report();
    EXPECT_FALSE(r.show_text(false, {1, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.warnings(), std::vector<std::string>{models::kTextNotFound});
}

// Each table cell of the natal window that looks something up, and some that do not.
TEST(NatalDoubleClick, EachCellLooksUpItsText) {
    struct Case {
        const char* grid;
        int col, row;
        const char* first_file;  // "" when nothing is looked up
        const char* heading;     // a line the document must hold, or ""
    };
    const Case cases[] = {
        {"planets", 1, 1, "P1Z1D1A0P0Z0D0.txt", ""},   // the name: sign and house
        {"planets", 2, 2, "P2Z5D0A0P0Z0D0.txt", ""},   // the longitude: sign
        {"planets", 8, 2, "P2Z0D5A0P0Z0D0.txt", ""},   // the house
        {"planets", 3, 13, "P17Z9D0A0P0Z0D0.txt", ""}, // Černá Luna's sign glyph
        {"planets", 5, 1, "", ""},
        {"houses", 1, 2, "P0Z2D2A0P0Z0D0.txt", ""},    // a cusp in its sign
        {"houses", 1, 4, "", ""},                      // an angle's house
        {"houses", 4, 13, "P18Z0D9A0P0Z0D0.txt", ""},  // Vertex in its house
        {"angles", 1, 0, "P13Z1D0A0P0Z0D0.txt", ""},
        {"asteroids", 1, 1, "P20Z10D0A0P0Z0D0.txt", ""},
        {"asteroids", 9, 1, "", "Aspekty planetky Ceres"},
        {"aspects", 1, 1, "P1Z0D0A4P2Z0D0.txt", ""},   // Slunce trine Měsíc, first of 16
        {"aspects", 2, 3, "", ""},                     // no aspect: grey, nothing
        {"aspects", 0, 1, "", "Aspekty Měsíce"},       // a row's name lists its aspects
        {"aspects", 1, 0, "", "Aspekty Slunce"},       // and so does a column's head
        {"points", 1, 1, "", ""},
    };
    Fixture s;
    s.chart.person.house_system = 1;
    models::NatalView view;
    view.aspects = models::aspect_grid(s.chart, s.defs, {});
    view.asteroids.text(9, 1, "Vypiš");
    for (const Case& c : cases) {
        auto r = s.report();
        const bool did = models::natal_double_click(r, s.chart, view, c.grid, c.col, c.row);
        const std::string where = std::string(c.grid) + " " + std::to_string(c.col) + "," + std::to_string(c.row);
        EXPECT_EQ(did, *c.first_file != '\0' || *c.heading != '\0') << where;
        EXPECT_EQ(r.lookups().empty() ? "" : r.lookups().front().file, c.first_file) << where;
        if (*c.heading) {
            EXPECT_TRUE(has(texts(r, LineStyle::Section), c.heading)) << where;
        }
    }
}

TEST(NatalDoubleClick, MissingTextsAreReported) {
    Fixture s;
    s.chart.person.house_system = 1;
    models::NatalView view;
    view.aspects = models::aspect_grid(s.chart, s.defs, {});
    auto single = s.report();
    models::natal_double_click(single, s.chart, view, "planets", 2, 1);
    EXPECT_EQ(single.warnings(), std::vector<std::string>{models::kTextNotFound});
    auto aspect = s.report();
    models::natal_double_click(aspect, s.chart, view, "aspects", 1, 1);
    EXPECT_EQ(aspect.warnings(), std::vector<std::string>{models::kNoTextFound});
    s.lib.add("P1Z1D0A0P0Z0D0.txt", "Slunce v Beranu.\r\n");
    auto found = s.report();
    models::natal_double_click(found, s.chart, view, "planets", 2, 1);
    EXPECT_TRUE(found.warnings().empty());
    EXPECT_TRUE(has(texts(found, LineStyle::Body), "Slunce v Beranu."));
}

TEST(ReportFlags, OnlyTenBytesAreRead) {
    const auto defaults = data::default_report_flags();
    for (std::size_t size : {0u, 3u, 11u, 200u})
        EXPECT_EQ(data::decode_report_flags(std::string(size, '\0')), defaults) << size;
    EXPECT_EQ(data::decode_report_flags(std::nullopt), defaults);
    const auto zeros = data::decode_report_flags(std::string(10, '\0'));
    EXPECT_EQ(zeros, data::ReportFlags{});
    test::TempDir dir;
    data::save_report_flags(dir.path(), *data::parse_report_flags("1010000001"));
    EXPECT_EQ(dir.read("stav.mem"), std::string("\1\0\1\0\0\0\0\0\0\1", 10));
    EXPECT_EQ(data::load_report_flags(dir.path()), *data::parse_report_flags("1010000001"));
    EXPECT_FALSE(data::parse_report_flags("10100000012"));
    EXPECT_FALSE(data::parse_report_flags("10100x0001"));
}
