#include <gtest/gtest.h>

#include "engine/time.h"

using namespace sidora::engine;

TEST(JulianDay, WorkedExamples) {
    const struct {
        unsigned d, m, y, h, mi, s;
        int zone, zone_min;
        double jd;
    } cases[] = {
        {1, 1, 2000, 12, 0, 0, 0, 0, 2451545.0},
        {1, 1, 2000, 0, 0, 0, 1, 0, 2451544.5 - 1.0 / 24},
        // 75 s past 23:59 on 31 December 2000 is 0:00:15 on 1 January 2001.
        {31, 12, 2000, 23, 59, 75, 0, 0, 2451910.5 + 15.0 / 86400},
        // Zone -5 with 30 minutes: universal time is 5 h 30 min after local time.
        {1, 1, 2000, 12, 0, 0, -5, 30, 2451545.0 + 5.5 / 24},
        {1, 1, 1800, 0, 0, 0, 0, 0, 2378496.5},
        {31, 12, 2100, 12, 0, 0, 0, 0, 2488434.0},
        // Meeus, Astronomical Algorithms, example 7.a: 4.81 October 1957.
        {4, 10, 1957, 19, 26, 24, 0, 0, 2436116.31},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(julian_day(c.d, c.m, c.y, c.h, c.mi, c.s, c.zone, c.zone_min), c.jd, 1e-8)
            << c.d << "." << c.m << "." << c.y;
    }
}

TEST(JulianDay, MillisecondExactAcrossTheRange) {
    // One second after midnight must differ by 1/86400 day anywhere in 1800..2100.
    for (unsigned y = 1800; y <= 2100; y += 50) {
        const double a = julian_day(1, 1, y, 0, 0, 0, 0, 0);
        const double b = julian_day(1, 1, y, 0, 0, 1, 0, 0);
        EXPECT_NEAR((b - a) * 86400.0, 1.0, 1e-3) << y;
    }
}

TEST(Calendar, ProlepticGregorianSerials) {
    EXPECT_EQ(date_serial(1899, 12, 30), 0);
    EXPECT_EQ(date_serial(2000, 1, 1), 36526);
    EXPECT_EQ(days_between(4, 10, 1582, 15, 10, 1582), 11.0);
    EXPECT_EQ(days_between(1, 3, 2000, 28, 2, 2000), -2.0);
    for (std::int64_t s = date_serial(1, 1, 1); s <= date_serial(9999, 12, 31); s += 997) {
        const Date d = serial_date(s);
        EXPECT_EQ(date_serial(d.year, d.month, d.day), s);
    }
}

TEST(Calendar, MonthLengthsAndWeekdays) {
    EXPECT_EQ(days_in_month(2, 1900), 28);
    EXPECT_EQ(days_in_month(2, 2000), 29);
    EXPECT_EQ(days_in_month(2, 2004), 29);
    EXPECT_EQ(days_in_month(4, 2001), 30);
    EXPECT_EQ(day_of_week(1, 1, 2000), 7);   // Saturday
    EXPECT_EQ(day_of_week(5, 1, 2004), 2);   // Monday
    EXPECT_EQ(day_of_week(30, 12, 1899), 7);
    EXPECT_EQ(day_of_week(1, 1, 1800), 4);   // Wednesday, before serial 0
}

TEST(Calendar, DatesOutsideTheCalendarAreRefused) {
    EXPECT_THROW(julian_day(31, 4, 2000, 0, 0, 0, 0, 0), DateError);
    EXPECT_THROW(julian_day(1, 13, 2000, 0, 0, 0, 0, 0), DateError);
    EXPECT_THROW(day_of_week(29, 2, 1900), DateError);
    EXPECT_THROW(days_between(1, 1, 0, 1, 1, 2000), DateError);
    EXPECT_THROW(days_in_month(0, 2000), DateError);
    Moment bad{31, 4, 2000, 0, 0, 0};
    EXPECT_THROW(moment_next_day(bad), DateError);
}

TEST(SiderealTime, ExpressionsOfTheStandard) {
    EXPECT_DOUBLE_EQ(greenwich_sidereal_time(0), 24110.54841);
    EXPECT_DOUBLE_EQ(sidereal_rate(0), 1.002737909350795);
    EXPECT_NEAR(greenwich_sidereal_time(1) - 24110.54841, 8640184.812866 + 0.093104 - 6.2e-6, 1e-6);
}

TEST(SiderealTime, LocalSiderealTime) {
    const struct {
        unsigned d, m, y, h, mi, s;
        int lon_deg, lon_min;
        bool east;
        int zone;
        const char* text;
    } cases[] = {
        // Greenwich at J2000.0: 18h41m50.548s, rounded to the second.
        {1, 1, 2000, 12, 0, 0, 0, 0, true, 0, "18:41:51"},
        // Prague, 14°25' E = 57 min 40 s of time.
        {1, 1, 2000, 13, 0, 0, 14, 25, true, 1, "19:39:31"},
        // 180° W takes 12 h off; the sum wraps below zero into the previous sidereal day.
        {1, 1, 2000, 0, 0, 0, 180, 0, false, 0, "18:39:52"},
        // Meeus example 12.b: 10 April 1987 19:21:00 UT, GMST 8h34m57.09s.
        {10, 4, 1987, 19, 21, 0, 0, 0, true, 0, "8:34:57"},
    };
    for (const auto& c : cases) {
        const SiderealTime st = compute_local_sidereal_time(c.d, c.m, c.y, c.h, c.mi, c.s, c.lon_deg,
                                                            c.lon_min, c.east, c.zone, 0);
        EXPECT_EQ(st.text, c.text);
        int h = 0, mi = 0, s = 0;
        ASSERT_EQ(std::sscanf(c.text, "%d:%d:%d", &h, &mi, &s), 3);
        EXPECT_NEAR(st.degrees, (h * 3600 + mi * 60 + s) / 240.0, 1e-9);
    }
}

TEST(MomentSteps, CarryThroughDaysMonthsAndYears) {
    Moment m{31, 12, 1999, 23, 59, 30};
    moment_next_minute(m);
    EXPECT_EQ(m, (Moment{1, 1, 2000, 0, 0, 30}));

    m = Moment{1, 3, 2000, 0, 0, 0};
    moment_prev_minute(m);
    EXPECT_EQ(m, (Moment{29, 2, 2000, 23, 59, 0}));

    m = Moment{1, 1, 2000, 0, 10, 5};
    moment_prev_hour(m);
    EXPECT_EQ(m, (Moment{31, 12, 1999, 23, 10, 5}));

    m = Moment{28, 2, 1900, 23, 59, 59};
    moment_next_hour(m);
    EXPECT_EQ(m, (Moment{1, 3, 1900, 0, 59, 59}));

    m = Moment{31, 12, 2100, 12, 0, 0};  // the steps know no year limits
    moment_next_day(m);
    EXPECT_EQ(m, (Moment{1, 1, 2101, 12, 0, 0}));
    moment_prev_day(m);
    moment_prev_day(m);
    EXPECT_EQ(m, (Moment{30, 12, 2100, 12, 0, 0}));
}
