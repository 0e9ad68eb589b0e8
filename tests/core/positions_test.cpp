#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>

#include "data/asteroid_file.h"
#include "engine/angles.h"
#include "engine/engine_state.h"
#include "engine/frames.h"
#include "io/extended80.h"
#include "io/files.h"
#include "temp_dir.h"

using namespace sidora::engine;

namespace {
constexpr double kDeg = kPi / 180;
double arcsec(double rad) { return rad / kDeg * 3600; }
}  // namespace

TEST(Frames, ObliquityPrecessionAndDeclination) {
    const double eps = mean_obliquity(1, 1, 2000, 12, 0, 0, 0, 0);
    EXPECT_NEAR(eps, 0.4090928, 1e-7);
    EXPECT_NEAR(eps / kDeg, 23.4392911, 1e-7);
    EXPECT_EQ(precession_since_2000(1, 1, 2000, 0, 0), 0.0);
    EXPECT_NEAR(arcsec(precession_since_2000(1, 1, 2001, 0, 0)), 366.0 / 365 * 50.29097, 0.01);
    EXPECT_NEAR(arcsec(precession_since_2000(1, 1, 1900, 0, 0)), -36524.0 / 365 * (50.29097 - 0.02222), 0.5);
    EXPECT_NEAR(declination_of(90 * kDeg, 0, eps), eps, 1e-12);
    EXPECT_NEAR(declination_of(270 * kDeg, 0, eps), -eps, 1e-12);
    // Rounding past ±1 does not make a NaN.
    EXPECT_EQ(safe_asin(1.0000000001), kPi / 2);
    EXPECT_EQ(safe_asin(-1.0000000001), -kPi / 2);
}

TEST(Frames, ReductionIntoOneTurn) {
    const struct {
        double in, deg;
    } cases[] = {{0, 0},       {359.5, 359.5}, {360, 0},     {720.25, 0.25}, {-30, 330},
                 {-1e-15, 0},  {-360, 0},      {-1e-300, 0}, {1e6 + 0.5, 280.5}};
    for (const auto& c : cases) {
        const double d = normalize_deg(c.in);
        EXPECT_NEAR(d, c.deg, 1e-9) << c.in;
        EXPECT_LT(d, 360) << c.in;
        const double r = normalize_rad(c.in * kDeg);
        EXPECT_NEAR(r, c.deg * kDeg, 1e-9) << c.in;
        EXPECT_LT(r, kTwoPi) << c.in;
        EXPECT_GE(r, 0) << c.in;
    }
    EXPECT_TRUE(std::isnan(normalize_deg(std::nan(""))));
}

TEST(Frames, RectangularToSphericalInEveryQuadrant) {
    for (double lon : {0.0, 30.0, 90.0, 150.0, 180.0, 210.0, 270.0, 330.0}) {
        for (double lat : {-60.0, 0.0, 45.0}) {
            const double x = std::cos(lat * kDeg) * std::cos(lon * kDeg), y = std::cos(lat * kDeg) * std::sin(lon * kDeg),
                         z = std::sin(lat * kDeg);
            const Spherical s = spherical_from_rect(2 * x, 2 * y, 2 * z);
            EXPECT_NEAR(s.lon / kDeg, lon, 1e-9) << lon << " " << lat;
            EXPECT_NEAR(s.lat / kDeg, lat, 1e-9);
            EXPECT_NEAR(s.dist, 2, 1e-12);
        }
    }
    // Ecliptic to equatorial and back.
    const double eps = 0.409;
    const Equatorial eq = ecliptic_rect_to_equatorial(std::cos(1.0), std::sin(1.0), 0.1, eps);
    const Spherical back = equatorial_to_ecliptic(eq.ra, eq.dec, eps);
    EXPECT_NEAR(back.lon, 1.0, 1e-9);
    EXPECT_NEAR(back.lat, std::atan2(0.1, 1.0), 1e-9);
}

TEST(Sun, FirstOfJanuary2000) {
    Engine e;
    e.compute_sun(2000, 1, 1, 12, 0, 0, 0, 0);
    const TBodyRow& s = e.body_table[kSun];
    EXPECT_NEAR(s.longitude, 280.4, 0.05);
    EXPECT_NEAR(s.distance, 0.98333, 0.00003);
    EXPECT_EQ(e.sun_distance_text.substr(0, 2), "0.");
    EXPECT_EQ(e.sun_distance_text.size(), 7u);
    EXPECT_EQ(e.sun_xyz[2], 0);
    EXPECT_NEAR(s.speed, 1.037, 0.01);  // about 61' a day against the 59' reference
    EXPECT_NEAR(e.helio_table[0].longitude, (s.longitude - 180) * kDeg, 1e-6);
}

TEST(Sun, MonthRulePicksTheHalfTurn) {
    Engine e;
    e.compute_sun(2001, 5, 15, 12, 0, 0, 0, 0);
    EXPECT_NEAR(e.sun_lambda_rad / kDeg, 54.5, 1);  // May: unchanged
    e.compute_sun(2001, 10, 1, 12, 0, 0, 0, 0);
    EXPECT_NEAR(e.sun_lambda_rad / kDeg, 188.0, 1);  // October: a half turn added
    e.compute_sun(2001, 3, 15, 12, 0, 0, 0, 0);
    EXPECT_NEAR(e.sun_lambda_rad / kDeg, 720 - 5.5, 1);  // mid March: 4π added
    EXPECT_NEAR(e.body_table[kSun].longitude, 354.5, 1);
}

TEST(Sun, MotionAcrossZeroIsTheDailyMotion) {
    Engine e;
    // The March equinox of 2000 fell at 7:35 UT; pass 2 lands on the other side of 0°.
    for (unsigned minute = 25; minute < 45; ++minute) {
        e.compute_sun(2000, 3, 20, 7, minute, 0, 0, 0);
        EXPECT_NEAR(e.body_table[kSun].speed, 1.0, 0.03) << minute;
    }
}

TEST(Moon, NodesBlackMoonAndMotionAcrossZero) {
    Engine e;
    for (unsigned y : {1800u, 1950u, 2000u, 2100u}) {
        e.compute_sun(y, 6, 1, 0, 0, 0, 0, 0);
        e.compute_moon(y, 6, 1, 0, 0, 0, 0, 0);
        EXPECT_EQ(e.body_table[kNorthNode].retrograde, 1);
        EXPECT_EQ(e.body_table[kSouthNode].retrograde, 1);
        EXPECT_NEAR(normalize_deg(e.body_table[kNorthNode].longitude + 180), e.body_table[kSouthNode].longitude, 1e-9);
        EXPECT_EQ(e.body_table[kNorthNode].latitude, 0);
        EXPECT_GE(e.body_table[kBlackMoon].longitude, 0);
        EXPECT_LT(e.body_table[kBlackMoon].longitude, 360);
        EXPECT_GT(e.moon_distance, 355000);
        EXPECT_LT(e.moon_distance, 407000);
    }
    // Whatever minute the Moon passes 0°, its speed stays near its daily motion.
    for (unsigned day = 1; day <= 28; ++day) {
        for (unsigned hour = 0; hour < 24; ++hour) {
            e.compute_moon(2000, 2, day, hour, 0, 0, 0, 0);
            EXPECT_GT(e.body_table[kMoon].speed, 0.8);
            EXPECT_LT(e.body_table[kMoon].speed, 1.2);
        }
    }
}

TEST(Moon, PhaseLabelsAndAge) {
    const struct {
        double elongation;
        bool waxing;
        const char* text;
    } cases[] = {
        {4.9, true, "+4°54´ (NOV)"},       {85, true, "+85°0´ (dorůstá)"},
        {90, false, "-90°0´ (3. čtvrť)"},  {90, true, "+90°0´ (1. čtvrť)"},
        {95, false, "-95°0´ (ubývá)"},     {176, true, "+176°0´ (ÚPLNĚK)"},
        {176, false, "-176°0´ (ÚPLNĚK)"},  {120.5, true, "+120°30´ (dorůstá)"},
    };
    for (const auto& c : cases) EXPECT_EQ(moon_phase_text_of(c.elongation, c.waxing), c.text);
    EXPECT_EQ(moon_age_text_of(90, false), "22,13 dní");
    EXPECT_EQ(moon_age_text_of(90, true), "7,38 dní");
}

TEST(BodyTable, ApparentCorrectionAndTexts) {
    Engine e;
    e.body_table[kSun].longitude = 0.001;
    e.body_table[kSun].distance = 1;
    e.apparent_correction(kSun);
    EXPECT_NEAR(e.body_table[kSun].longitude, 359.9908639, 1e-7);
    e.body_table[kPluto].longitude = 123.4;
    e.apparent_correction(kPluto);
    EXPECT_EQ(e.body_table[kPluto].longitude, 123.4);
    e.body_table[kMars].longitude = 100;
    e.body_table[kMars].distance = 0.5;
    e.apparent_correction(kMars);
    EXPECT_NEAR(e.body_table[kMars].longitude, 100 - 2 * 0.0056916667, 1e-12);

    EXPECT_EQ(fixed_point_text(0.72, 4), "0.7200");
    EXPECT_EQ(fixed_point_text(5.2, 4), "5.2000");
    EXPECT_EQ(fixed_point_text(39.5, 4), "39.5000");
    EXPECT_EQ(fixed_point_text(9.99996, 4), "10.0000");
    EXPECT_EQ(fixed_point_text(0.0523, 4), "0.0523");
    EXPECT_EQ(fixed_point_text(2.4567, 4), "2.4567");
}

TEST(Planets, PerihelionsOfThePlanets) {
    Engine e;
    e.compute_natal_bodies(Moment{1, 1, 2000, 12, 0, 0}, 0, 0);
    // Neptune's orbit is nearly round, so its periodic terms swing the perihelion by degrees.
    const struct {
        int body;
        double degrees, within;
    } cases[] = {{kMercury, 77, 3}, {kMars, 336, 3}, {kJupiter, 14, 3},
                 {kSaturn, 93, 3},  {kUranus, 173, 3}, {kNeptune, 48, 8}};
    for (const auto& c : cases) {
        const std::string& text = e.helio_table[static_cast<std::size_t>(c.body)].perihelion_text;
        EXPECT_NEAR(std::stod(text.substr(1, text.find("°") - 1)), c.degrees, c.within) << text;
    }
}

TEST(Planets, HalfPlaneRuleNearTheNode) {
    Engine e;
    const double node = 1.0, inc = 0.1;
    const double q = std::sin(inc / 2) * std::cos(node), p = std::sin(inc / 2) * std::sin(node);
    for (double du : {0.01, -0.01, 0.5, -0.5, 3.0, -3.0}) {
        e.orbit_from_elements(kMercury, 1.0, node + du, 1e-9, 0, q, p, 0, 0.409);
        const double L = e.helio_table[1].longitude;
        double expected = node + std::atan2(std::cos(inc) * std::sin(du), std::cos(du));
        if (expected < 0) expected += kTwoPi;
        EXPECT_NEAR(L, expected, 1e-8) << du;  // e = 1e-9 shifts it by ~2e-9
    }
}

// Every heliocentric record in the ecliptic and mean equinox of date, within one turn, by
// the reference ephemeris (geometric heliocentric, no nutation).
TEST(Planets, HeliocentricRecordsOfDate) {
    const struct {
        Moment m;
        int record;
        double longitude, within;
    } cases[] = {
        // Mars at opposition: beside the Earth as seen from the Sun.
        {{9, 11, 1800, 0, 0, 0}, 0, 46.3908, 0.1},
        {{9, 11, 1800, 0, 0, 0}, kMars, 46.4067, 0.1},
        {{5, 1, 2004, 12, 0, 0}, 0, 104.4799, 0.05},
        {{5, 1, 2004, 12, 0, 0}, kMercury, 148.7570, 0.05},
        {{5, 1, 2004, 12, 0, 0}, kVenus, 8.5359, 0.1},
        {{5, 1, 2004, 12, 0, 0}, kMars, 53.4912, 0.05},
        {{5, 1, 2004, 12, 0, 0}, kJupiter, 159.4554, 0.05},
        {{5, 1, 2004, 12, 0, 0}, kSaturn, 99.9337, 0.05},
        {{5, 1, 2004, 12, 0, 0}, kUranus, 332.2817, 0.05},
        {{5, 1, 2004, 12, 0, 0}, kNeptune, 312.7091, 0.05},
        {{5, 1, 2004, 12, 0, 0}, kPluto, 259.9175, 0.05},
    };
    Engine e;
    for (const auto& c : cases) {
        e.compute_main_window_bodies(c.m, 0, 0);
        const double lon = e.helio_table[static_cast<std::size_t>(c.record)].longitude;
        std::printf("%d.%d.%d record %d: %.4f (%.4f)\n", c.m.day, c.m.month, c.m.year, c.record, lon / kDeg, c.longitude);
        EXPECT_NEAR(std::remainder(lon / kDeg - c.longitude, 360), 0, c.within) << c.record << " " << c.m.year;
        for (const auto& h : e.helio_table) {
            EXPECT_GE(h.longitude, 0);
            EXPECT_LT(h.longitude, kTwoPi);
        }
    }
}

TEST(Planets, PassesGiveDirection) {
    Engine e;
    // Saturn was retrograde at the start of 2000, Jupiter direct.
    e.compute_natal_bodies(Moment{1, 1, 2000, 12, 0, 0}, 0, 0);
    EXPECT_EQ(e.body_table[kSaturn].retrograde, 1);
    EXPECT_LT(e.body_table[kSaturn].speed, 0);
    EXPECT_EQ(e.body_table[kJupiter].retrograde, 0);
    EXPECT_GT(e.body_table[kJupiter].speed, 0);
    EXPECT_GT(e.last_jd, julian_day(1, 1, 2000, 12, 0, 0, 0, 0));
}

TEST(Asteroids, QualityGradesByDistanceToTheEpoch) {
    const struct {
        double days;
        char grade;
    } cases[] = {{40, 'A'}, {50.4, 'A'}, {400, 'B'}, {500.4, 'B'}, {600, 'C'}};
    for (const auto& c : cases) {
        Engine e;
        const double jd = julian_day(1, 6, 2000, 0, 0, 0, 0, 0);
        AsteroidElements el{jd - c.days, 2000, 10, 80, 80, 10, 0.08, 0.2141};
        e.asteroid_elements[3] = {el};
        e.asteroid_positions(3, 2000, 6, 1, 0, 0, 0, 0, 0);
        EXPECT_EQ(e.asteroid_quality[2], c.grade) << c.days;
    }
    Engine none;
    none.asteroid_load_error[1] = "Soubor ast1.kel s elementy planetky nebyl nalezen.";
    EXPECT_THROW(none.asteroid_positions(1, 2000, 1, 1, 0, 0, 0, 0, 0), std::runtime_error);
}

TEST(ElementFiles, ExtendedRealsAndRecords) {
    const auto one = sidora::io::encode_extended80(1.0);
    EXPECT_EQ(std::vector<unsigned char>(one.begin(), one.end()),
              (std::vector<unsigned char>{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    for (double v : {0.0, -2.5, 2451545.0, 1e-300, 6.02e23, 0.2141234567890123}) {
        const auto b = sidora::io::encode_extended80(v);
        EXPECT_EQ(sidora::io::decode_extended80(b.data()), v);
    }
    AsteroidElements el{2451545.0, 2000, 10.5, 73.1, 80.3, 10.6, 0.0789, 0.21411};
    const std::string record = sidora::data::encode(el);
    ASSERT_EQ(record.size(), 112u);
    std::string why;
    const auto back = sidora::data::decode_asteroid_file(record + record, why);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->size(), 2u);
    EXPECT_EQ((*back)[1].daily_motion, 0.21411);
    EXPECT_EQ((*back)[1].year, 2000);
    EXPECT_FALSE(sidora::data::decode_asteroid_file(record.substr(0, 100), why));
    EXPECT_FALSE(sidora::data::decode_asteroid_file("", why));
}

TEST(ElementFiles, EveryFieldIsCheckedAndABadRecordRefusesTheBody) {
    const AsteroidElements good{2451545.0, 2000, 10.5, 73.1, 80.3, 10.6, 0.0789, 0.21411};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* field;
        void (*spoil)(AsteroidElements&, double nan, double inf);
    } cases[] = {
        {"epocha NaN", [](AsteroidElements& e, double n, double) { e.epoch = n; }},
        {"epocha -1", [](AsteroidElements& e, double, double) { e.epoch = -1; }},
        {"rok ekvinokcia uzlu -2147483648", [](AsteroidElements& e, double, double) { e.year = INT32_MIN; }},
        {"střední anomálie +nekonečno", [](AsteroidElements& e, double, double i) { e.mean_anomaly = i; }},
        {"argument perihelu −nekonečno", [](AsteroidElements& e, double, double i) { e.perihelion_arg = -i; }},
        {"délka výstupného uzlu NaN", [](AsteroidElements& e, double n, double) { e.node = n; }},
        {"délka výstupného uzlu 1e+300", [](AsteroidElements& e, double, double) { e.node = 1e300; }},
        {"sklon dráhy 181", [](AsteroidElements& e, double, double) { e.inclination = 181; }},
        {"výstřednost 1 ", [](AsteroidElements& e, double, double) { e.eccentricity = 1; }},
        {"výstřednost -0.1", [](AsteroidElements& e, double, double) { e.eccentricity = -0.1; }},
        {"denní pohyb 0 ", [](AsteroidElements& e, double, double) { e.daily_motion = 0; }},
        {"denní pohyb NaN", [](AsteroidElements& e, double n, double) { e.daily_motion = n; }},
    };
    for (const auto& c : cases) {
        AsteroidElements bad = good;
        c.spoil(bad, nan, inf);
        std::string why;
        EXPECT_FALSE(sidora::data::decode_asteroid_file(sidora::data::encode(good) + sidora::data::encode(bad), why))
            << c.field;
        EXPECT_EQ(why.rfind("záznam 2 nemá platné elementy dráhy: ", 0), 0u) << why;
        EXPECT_NE(why.find(c.field), std::string::npos) << why;
    }

    // The program goes on without that body, and says why.
    sidora::test::TempDir dir;
    AsteroidElements bad = good;
    bad.node = nan;
    dir.write("ast2.kel", sidora::data::encode(good) + sidora::data::encode(bad));
    for (int n : {1, 3, 4, 5}) dir.write(sidora::data::asteroid_file_name(n), sidora::data::encode(good));
    Engine e;
    sidora::data::load_asteroid_elements(e, dir.path(), std::nullopt);
    EXPECT_TRUE(e.asteroid_elements[2].empty());
    EXPECT_NE(e.asteroid_load_error[2].find("ast2.kel"), std::string::npos);
    EXPECT_NE(e.asteroid_load_error[2].find("délka výstupného uzlu NaN"), std::string::npos) << e.asteroid_load_error[2];
    EXPECT_THROW(e.asteroid_positions(2, 2000, 1, 1, 0, 0, 0, 0, 0), std::runtime_error);
    e.asteroid_positions(1, 2000, 1, 1, 0, 0, 0, 0, 0);
}

TEST(ElementFiles, TheShippedFilesPassTheChecks) {
    for (int n = 1; n <= 5; ++n) {
        const auto bytes = sidora::io::read_file(std::filesystem::path(SIDORA_SOURCE_DIR) / "data" /
                                                 sidora::data::asteroid_file_name(n));
        ASSERT_TRUE(bytes) << n;
        std::string why;
        EXPECT_TRUE(sidora::data::decode_asteroid_file(*bytes, why)) << why;
    }
}
