#include <gtest/gtest.h>

#include <cmath>

#include "engine/angles.h"

using namespace sidora::engine;

TEST(FormatAngle, Notations) {
    const struct {
        bool signed_, zodiacal, seconds;
        double value;
        const char* text;
    } cases[] = {
        {false, true, true, 123.456789, "  3 LE 27´24\" "},
        {false, false, false, 5.5, "  5°30´"},
        {true, false, false, -12.25, "-12°15´"},
        {true, false, true, 3, "+ 3°00´00\" "},
        {false, true, false, 360, "  0 BE 00"},
        {false, true, false, 29.9999999, " 29 BE 59"},  // truncated, no carry into the next sign
        {false, true, false, 330.5, "  0 RY 30"},
        {false, false, true, 359.9999, " 359°59´59\" "},
        {false, true, true, 245.0 + 1.0 / 60 + 1.0 / 3600 + 1e-9, "  5 ST 01´01\" "},
        {true, false, false, 0, "+ 0°00´"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_angle(c.signed_, c.zodiacal, c.seconds, c.value), c.text) << c.value;
    }
}

TEST(FormatAngle, EverySignHasItsAbbreviation) {
    const char* abbrev[] = {" BE ", " BÝ ", " BL ", " RA ", " LE ", " PA ",
                            " VÁ ", " ŠT ", " ST ", " KO ", " VO ", " RY "};
    for (int sign = 0; sign < 12; ++sign) {
        for (int deg : {sign * 30, sign * 30 + 29}) {
            std::string out = "x";
            sign_abbrev(deg, out);
            EXPECT_EQ(out, abbrev[sign]) << deg;
        }
    }
    std::string untouched = "keep";
    sign_abbrev(360, untouched);
    sign_abbrev(-1, untouched);
    EXPECT_EQ(untouched, "keep");
}

TEST(FormatAngle, ValuesThatAreNoAngleDoNotCrash) {
    EXPECT_EQ(format_angle(false, true, true, std::nan("")), " ?");
    EXPECT_EQ(format_angle(true, false, false, -INFINITY), "-?");
    EXPECT_EQ(format_angle_rad(false, 1e300), " ?");
}

TEST(FormatAngleRad, Unpadded) {
    EXPECT_EQ(format_angle_rad(false, 0.5), " 28°38´52\"");
    EXPECT_EQ(format_angle_rad(true, -0.5), "-28°38´52\"");
    EXPECT_EQ(format_angle_rad(true, 0.01), "+0°34´22\"");
}

TEST(HoursToHhmm, ClockTexts) {
    const struct {
        double hours;
        const char* text;
    } cases[] = {
        {13.5, "13:30"}, {25.25, "1:15"}, {-0.5, "23:30"}, {0, "0:00"},
        {7.0 + 5.0 / 60, "7:05"}, {48.0, "0:00"},
        // Minutes rounding to 60 carry into the hour rather than showing "1:60".
        {1.9999, "2:00"}, {23.9999, "0:00"},
        // Halves of a minute go to the even neighbour.
        {0.125, "0:08"}, {0.375, "0:22"},
    };
    for (const auto& c : cases) EXPECT_EQ(hours_to_hhmm(c.hours), c.text) << c.hours;
}

TEST(DmsToRad, AnyPartMayCarryTheValue) {
    EXPECT_DOUBLE_EQ(dms_to_rad(180, 0, 0), kPi);
    EXPECT_DOUBLE_EQ(dms_to_rad(0, 0, 3600), kPi / 180);
    EXPECT_NEAR(dms_to_rad(218, 18, 59.956), dms_to_rad(0, 0, 218 * 3600 + 18 * 60 + 59.956), 1e-15);
}

TEST(Names, CzechTables) {
    EXPECT_EQ(month_name(1), "ledna");
    EXPECT_EQ(month_name(5), "května");
    EXPECT_EQ(month_name(12), "prosince");
    EXPECT_EQ(weekday_name(1), "neděle");
    EXPECT_EQ(weekday_name(2), "pondělí");
    EXPECT_EQ(weekday_name(7), "sobota");
    EXPECT_EQ(sign_name(8), "Štír");
    EXPECT_EQ(sign_name_locative(5), "ve Lvu");
    EXPECT_EQ(month_name(0), "");
    EXPECT_EQ(weekday_name(8), "");
}

TEST(FormatNumber, CzechSeparators) {
    EXPECT_EQ(format_number(2, 1234567.891), "1\u00A0234\u00A0567,89");
    EXPECT_EQ(format_number(0, 999.5), "1\u00A0000");
    EXPECT_EQ(format_number(2, -0.004), "0,00");
    EXPECT_EQ(format_number(1, -12.25), "-12,2");
}

TEST(AngleInArc, ShorterArcWithWrap) {
    const struct {
        double a, b, c;
        bool inside;
    } cases[] = {
        {15, 10, 20, true},   {10, 10, 20, true},  {25, 20, 10, false},
        {355, 350, 10, true}, {5, 10, 350, true},  {180, 350, 10, false},
        {-5, 350, 10, true},  {370, 0, 20, true},  {-1, 0, 20, false},
        {5, -1, 20, false},   {100, 0, 180, false}, {270, 0, 180, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(angle_in_arc(c.a, c.b, c.c), c.inside) << c.a << " " << c.b << " " << c.c;
    }
}
