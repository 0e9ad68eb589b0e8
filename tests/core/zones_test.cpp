#include <gtest/gtest.h>

#include "data/summer_file.h"
#include "engine/engine_state.h"
#include "io/files.h"

using namespace sidora::engine;

TEST(Zones, TableRowsAndLookupByName) {
    EXPECT_EQ(zone_offset_hours(1), 0);
    EXPECT_EQ(zone_offset_hours(2), 1);
    EXPECT_EQ(zone_offset_hours(13), 12);
    EXPECT_EQ(zone_offset_hours(14), -11);
    EXPECT_EQ(zone_offset_hours(24), -1);
    EXPECT_EQ(zone_name(2), "+1 hod: středoevropské");
    EXPECT_EQ(zone_name(14), "-11 hod: behringovo, čukotské");
    for (int i = 1; i <= kZoneCount; ++i) EXPECT_EQ(zone_index_of_name(zone_name(i)), i);
    EXPECT_EQ(zone_index_of_name("+1 hod"), 0);
    EXPECT_FALSE(valid_zone_index(0));
    EXPECT_FALSE(valid_zone_index(25));
}

TEST(SummerTime, FreshTableHasNoSummerTime) {
    Engine e;
    EXPECT_FALSE(e.summer_time_in_effect(2000, 7, 1, 12));
    EXPECT_EQ(e.summer_text, "V roce 2000 nebyl LČ zaveden.");
    EXPECT_FALSE(e.summer_time_in_effect(1900, 7, 1, 12));
    EXPECT_EQ(e.summer_text, "V roce 1900 nebyl LČ zaveden.");
    EXPECT_EQ(e.summer_rules.size(), 185u);
}

TEST(SummerTime, OnePeriodBoundsAsTheyStand) {
    Engine e;
    auto rules = sidora::data::default_summer_rules();
    TLetniRok& r = rules[2001 - kSummerFirstYear];
    r.nezaveden = 0;
    r.zaveden = 1;  // 28.3. 2 h to 28.9. 2 h
    e.set_summer_rules(rules);
    const struct {
        int m, d, h;
        bool summer;
    } cases[] = {
        {3, 28, 1, false}, {3, 28, 2, true}, {9, 28, 1, true}, {9, 28, 2, false},
        {1, 1, 0, false},  {12, 31, 23, false}, {6, 30, 12, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(e.summer_time_in_effect(2001, c.m, c.d, c.h), c.summer) << c.d << "." << c.m << ". " << c.h;
    }
    EXPECT_EQ(e.summer_text, "LČ zaveden od  28.3. 2 hod. SEĆ do 28.9. 2 hod. SELČ.");
}

TEST(SummerTime, TwoPeriodsWholeYearAndUnflaggedYears) {
    Engine e;
    auto rules = sidora::data::default_summer_rules();
    TLetniRok& two = rules[1944 - kSummerFirstYear];
    two = TLetniRok{1944, 0, 0, 0, 1, 4, 3, 2, 6, 1, 3, 9, 1, 2, 10, 2, 3};
    rules[1941 - kSummerFirstYear] = TLetniRok{1941, 0, 0, 1, 0};
    TLetniRok none_flagged = summer_rule_not_introduced(1950);
    none_flagged.nezaveden = 0;
    rules[1950 - kSummerFirstYear] = none_flagged;
    e.set_summer_rules(rules);

    EXPECT_TRUE(e.summer_time_in_effect(1944, 5, 1, 0));
    EXPECT_EQ(e.summer_text,
              "LČ zaveden od  3.4. 2 hod. SEĆ do 1.6. 3 hod. SELČ a od 1.9. 2 hod. SEĆ do 2.10. 3 hod. SELČ.");
    EXPECT_FALSE(e.summer_time_in_effect(1944, 7, 1, 0));
    EXPECT_TRUE(e.summer_time_in_effect(1944, 9, 1, 2));
    EXPECT_FALSE(e.summer_time_in_effect(1944, 10, 2, 3));

    EXPECT_TRUE(e.summer_time_in_effect(1941, 1, 1, 0));
    EXPECT_EQ(e.summer_text, "V roce 1941 byl LČ zaveden po celý rok.");

    // A record with no flag set answers no and leaves the last text in place.
    EXPECT_FALSE(e.summer_time_in_effect(1950, 7, 1, 12));
    EXPECT_EQ(e.summer_text, "V roce 1941 byl LČ zaveden po celý rok.");
}

TEST(SummerTime, YearsPastTheFileAreWithoutSummerTime) {
    Engine e;
    auto rules = sidora::data::default_summer_rules();
    for (auto& r : rules) {
        r.nezaveden = 0;
        r.cely_rok = 1;
    }
    e.set_summer_rules(rules);
    EXPECT_TRUE(e.summer_time_in_effect(2030, 1, 1, 0));
    for (int y : {2031, 2075, 2100, 2101}) {
        EXPECT_FALSE(e.summer_time_in_effect(y, 7, 1, 12)) << y;
        EXPECT_EQ(e.summer_text, "V roce " + std::to_string(y) + " nebyl LČ zaveden.");
    }
}

TEST(SummerTime, HourCountWithinTheYear) {
    EXPECT_EQ(hour_of_year(2001, 1, 1, 0), 0);
    EXPECT_EQ(hour_of_year(2000, 3, 1, 0), 60 * 24);  // leap year: 1 March is day 60
    EXPECT_EQ(hour_of_year(2001, 3, 1, 5), 59 * 24 + 5);
    EXPECT_EQ(hour_of_year(2001, 2, 29, 0), -1);
    EXPECT_EQ(hour_of_year(2001, 13, 1, 0), -1);
}

TEST(ZoneOffset, RuleTableOrTheUsersFlag) {
    Engine e;
    EXPECT_EQ(e.zone_offset_of(2, false, true, 2000, 1, 15, 12).hours, 2);
    EXPECT_EQ(e.zone_offset_of(2, false, false, 2000, 7, 15, 12).hours, 1);
    EXPECT_EQ(e.zone_offset_of(2, true, true, 2000, 7, 15, 12).hours, 1);  // table says no
    EXPECT_EQ(e.zone_offset_of(20, false, true, 2000, 7, 15, 12).hours, -4);
}

// The rules shipped for the Czech lands, checked against the recorded history.
TEST(SummerTime, ShippedCzechRules) {
    const auto bytes = sidora::io::read_file(SIDORA_SOURCE_DIR "/data/LC.dat");
    ASSERT_TRUE(bytes);
    std::string why;
    const auto rules = sidora::data::decode_summer_rules(*bytes, why);
    ASSERT_TRUE(rules) << why;
    Engine e;
    e.set_summer_rules(*rules);
    const struct {
        int y, m, d, h;
        bool summer;
    } cases[] = {
        {1916, 6, 1, 12, true},  {1920, 7, 1, 12, false}, {1941, 1, 15, 12, true},
        {1947, 7, 1, 12, true},  {1950, 7, 1, 12, false}, {1978, 7, 1, 12, false},
        {1979, 7, 1, 12, true},  {1985, 7, 1, 12, true},  {1985, 3, 31, 1, false},
        {1985, 3, 31, 2, true},  {1995, 10, 15, 12, false}, {1996, 10, 15, 12, true},
        {2024, 3, 31, 1, false}, {2024, 3, 31, 3, true},  {2024, 10, 27, 2, true},
        {2024, 10, 27, 3, false}, {2030, 7, 1, 12, true}, {2031, 7, 1, 12, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(e.summer_time_in_effect(c.y, c.m, c.d, c.h), c.summer) << c.d << "." << c.m << "." << c.y;
    }
    e.summer_time_in_effect(1985, 7, 1, 12);
    EXPECT_EQ(e.summer_text, "LČ zaveden od  31.3. 2 hod. SEĆ do 29.9. 3 hod. SELČ.");
}
