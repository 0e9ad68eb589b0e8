// The heliocentric view, the celestial sphere and the animation, computed without windows.
#include <gtest/gtest.h>

#include <cmath>

#include "../sample_places.h"
#include "engine/frames.h"
#include "models/animation.h"
#include "models/helio_view.h"
#include "models/sky_calendar.h"
#include "models/sphere_view.h"
#include "temp_dir.h"

namespace sidora::models {
namespace {

using engine::Moment;

// A tick of the sky calendar frozen at a moment, in a zone without summer time.
SkyView::Bodies tick_at(Moment m, int zone_index = 2, data::TMisto place = test::kPraha) {
    data::AppState s;
    s.current_place = place;
    s.start.zone_index = static_cast<std::uint8_t>(zone_index);
    s.start.auto_summer = 0;
    s.start.summer_flag = 0;
    s.clock_running = false;
    s.current_moment = m;
    SkyCalendar sky;
    return sky.tick(s, m).bodies;
}

// Bodies at chosen heliocentric longitudes and distances (Earth first).
SkyView::Bodies helio_bodies(double longitude, double distance = 1) {
    SkyView::Bodies b;
    b.known = true;
    b.helio_longitude.fill(longitude);
    b.helio_distance.fill(distance);
    return b;
}

const HelioPlanet& planet(const HelioView& v, const std::string& name) {
    for (const auto& p : v.planets) {
        if (p.name == name) return p;
    }
    throw std::logic_error(name);
}

double distance_from_sun(const HelioView& v, const HelioPlanet& p) {
    const int c = v.view_size / 2;
    return std::hypot(p.x - c, p.y - c);
}

TEST(HelioView, EqualRingsAre17PixelsApartWithPlutoAt153) {
    const HelioView v = helio_view(tick_at({5, 1, 2004, 12, 0, 0}), {}, {});
    ASSERT_EQ(v.planets.size(), 9u);
    for (std::size_t i = 0; i < v.planets.size(); ++i) {
        EXPECT_EQ(v.planets[i].radius, 17 * static_cast<int>(i + 1)) << v.planets[i].name;
        EXPECT_NEAR(distance_from_sun(v, v.planets[i]), 17.0 * static_cast<double>(i + 1), 1.0);
        EXPECT_TRUE(v.planets[i].visible);
    }
    EXPECT_EQ(planet(v, "Ipluto").radius, 153);
}

TEST(HelioView, TrueDistancesOfTheInnerPlanetsAre100PixelsPerAu) {
    const SkyView::Bodies b = tick_at({5, 1, 2004, 12, 0, 0});
    HelioOptions o;
    o.real_distances = o.inner_only = true;
    const HelioView v = helio_view(b, o, {});
    EXPECT_EQ(v.scale, 100);
    const HelioPlanet& earth = planet(v, "Izeme");
    EXPECT_NEAR(distance_from_sun(v, earth), 100 * b.sun_distance, 1.0);
    EXPECT_NEAR(b.sun_distance, 0.983, 0.001);  // early January, near perihelion
    EXPECT_EQ(planet(v, "Imars").ring, 4);
    for (const char* outer : {"Ijupiter", "Isaturn", "Iuran", "Ineptun", "Ipluto"}) {
        EXPECT_FALSE(planet(v, outer).visible) << outer;
        EXPECT_EQ(v.drawing.find(outer), nullptr) << outer;
    }
    // With all planets the scale follows Pluto's distance.
    o.inner_only = false;
    const HelioView all = helio_view(b, o, {});
    EXPECT_EQ(all.scale, 400 / static_cast<int>(std::lround(2.3 * b.helio_distance[8])));
    EXPECT_NEAR(distance_from_sun(all, planet(all, "Ipluto")), all.scale * b.helio_distance[8], 1.0);
}

TEST(HelioView, LongitudesRunCounterClockwiseFromTheLeft) {
    struct Case {
        double longitude;
        int dx, dy;  // direction from the Sun on the screen
    } cases[] = {{0, -1, 0}, {90, 0, 1}, {180, 1, 0}, {270, 0, -1}};
    for (const Case& c : cases) {
        const HelioView v = helio_view(helio_bodies(c.longitude), {}, {});
        const HelioPlanet& p = planet(v, "Ipluto");
        EXPECT_EQ(p.x, 200 + c.dx * 153) << c.longitude;
        EXPECT_EQ(p.y, 200 + c.dy * 153) << c.longitude;
        const DrawItem* pic = v.drawing.find("Ipluto");
        ASSERT_NE(pic, nullptr);
        EXPECT_EQ(pic->x, p.x - 7);
        EXPECT_EQ(pic->y, p.y - 7);
    }
    EXPECT_EQ(planet(helio_view(helio_bodies(90.5), {}, {}), "Izeme").hint, "Země:  90°30´");
}

TEST(HelioView, OppositionsIn1800LineUpTheEarthAndThePlanet) {
    // An outer planet's geocentric longitude opposite the Sun's, found to the hour from the
    // engine's geocentric rows; the heliocentric longitudes must then agree, frame of date and all.
    engine::Engine e;
    auto elongation = [&e](const Moment& m, int body) {
        e.compute_main_window_bodies(m, 0, 0);
        return engine::normalize_deg(e.body_table[body].longitude - e.body_table[engine::kSun].longitude);
    };
    int found = 0;
    for (int body = engine::kMars; body <= engine::kPluto; ++body) {
        Moment m{1, 1, 1800, 0, 0, 0};
        double last = elongation(m, body);
        while (m.year == 1800) {
            Moment next = m;
            engine::moment_next_day(next);
            const double now = elongation(next, body);
            // The Sun overtakes the planet: the elongation falls through 180°.
            if (last > 180 && now <= 180) {
                while (elongation(m, body) > 180) engine::moment_next_hour(m);
                const SkyView::Bodies b = tick_at(m, 1);
                double gap = std::fabs(b.helio_longitude[0] - b.helio_longitude[static_cast<std::size_t>(body)]);
                gap = std::min(gap, 360 - gap);
                EXPECT_LT(gap, 0.1) << body << " " << m.day << "." << m.month << ". " << m.hour << "h";
                ++found;
            }
            m = next;
            last = now;
        }
    }
    EXPECT_GE(found, 3);
}

TEST(HelioView, BeforeTheFirstTickNoBodiesAreDrawn) {
    const SkyView::Bodies none;
    for (bool real : {false, true}) {
        HelioOptions o;
        o.real_distances = real;
        o.horoscope = real;
        const HelioView v = helio_view(none, o, star_field(400, 1));
        EXPECT_EQ(v.caption, "Heliocentrická poloha planet");
        EXPECT_FALSE(v.horoscope_drawn);
        for (const auto& p : v.planets) EXPECT_FALSE(p.visible) << p.name;
        for (const auto& item : v.drawing.items) EXPECT_NE(item.kind == DrawItem::Kind::Body, item.name != "Image1");
    }
}

TEST(HelioView, TheSignWheelIsDrawnAtTheEarthOnlyWithTrueDistances) {
    const SkyView::Bodies b = tick_at({21, 6, 2004, 12, 30, 0});
    HelioOptions o;
    o.horoscope = true;
    EXPECT_FALSE(helio_view(b, o, {}).horoscope_drawn);  // "Stejné": the box is disabled
    EXPECT_FALSE(helio_view(b, o, {}).horoscope_enabled);
    o.real_distances = true;
    const HelioView v = helio_view(b, o, {});
    EXPECT_TRUE(v.horoscope_enabled);
    ASSERT_TRUE(v.horoscope_drawn);
    const HelioPlanet& earth = planet(v, "Izeme");
    int aqua = 0;
    for (const auto& item : v.drawing.items) {
        if (item.kind != DrawItem::Kind::Line || item.color != colors::kAqua) continue;
        ++aqua;
        // Each line passes through the Earth's centre, halfway between its ends.
        EXPECT_NEAR((item.x + item.x2) / 2.0, earth.x, 1.0);
        EXPECT_NEAR((item.y + item.y2) / 2.0, earth.y, 1.0);
    }
    EXPECT_EQ(aqua, 6);
    EXPECT_EQ(v.caption, "Heliocentrická poloha planet: 21.6.2004, 12:30");
    // The planets lie above the lines.
    const auto& items = v.drawing.items;
    EXPECT_EQ(items.back().kind, DrawItem::Kind::Body);
}

TEST(HelioView, AStarFieldIsFixedByItsSeed) {
    const auto a = star_field(400, 7), b = star_field(400, 7), c = star_field(400, 8);
    ASSERT_EQ(a.size(), 90u);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    for (const auto& s : a) {
        EXPECT_TRUE(s.x >= 0 && s.x < 400 && s.y >= 0 && s.y < 400);
        EXPECT_EQ(s.w, 2);
    }
    EXPECT_EQ(helio_view_size(475), 400);
    EXPECT_EQ(helio_view_size(300), 400);
    EXPECT_EQ(helio_view_size(675), 600);
}

TEST(Sphere, SkyColourFollowsTheSunsAltitude) {
    struct Case {
        double altitude;
        int state;
        Rgb colour;
    } cases[] = {{0, 1, {0, 255, 255}},      {-5, 2, {204, 204, 204}}, {-6, 2, {204, 204, 204}},
                 {-6.1, 3, {136, 136, 136}}, {-12, 3, {136, 136, 136}}, {-18, 4, {102, 102, 102}},
                 {-18.1, 5, {0, 0, 0}}};
    for (const Case& c : cases) {
        SkyView::Bodies b;
        b.known = true;
        b.horizon[1].altitude = c.altitude;
        const SphereView v = sphere_view(b);
        EXPECT_EQ(v.sky_state, c.state) << c.altitude;
        const DrawItem& upper = v.drawing.items[1];
        EXPECT_EQ(upper.color, c.colour) << c.altitude;
        EXPECT_EQ(v.drawing.find("Label6")->color, c.state == 1 ? colors::kBlack : colors::kWhite);
    }
}

TEST(Sphere, BodiesArePlacedByAzimuthAndAltitude) {
    struct Case {
        double azimuth, altitude;
        int left, top;
    } cases[] = {{180, 0, 303, 143}, {0, 90, 3, -7}, {90, -90, 153, 293}, {270, 45, 453, 68}};
    for (const Case& c : cases) {
        SkyView::Bodies b;
        b.known = true;
        b.horizon[2] = {c.altitude, c.azimuth};
        const SphereView v = sphere_view(b);
        EXPECT_EQ(v.bodies[2].left, c.left) << c.azimuth;
        EXPECT_EQ(v.bodies[2].top, c.top) << c.azimuth;
        const DrawItem* pic = v.drawing.find("Image39");
        ASSERT_NE(pic, nullptr);
        EXPECT_EQ(pic->x, c.left);
        EXPECT_EQ(pic->y, c.top);
    }
    SkyView::Bodies b;
    b.known = true;
    b.horizon[1] = {-12.5, 180};
    EXPECT_EQ(sphere_view(b).bodies[1].hint, "Slunce: Azimut: 180°00´, Výška: -12°30´");
}

TEST(Sphere, TheHorizonLineSpansTheMapOnly) {
    const SphereView v = sphere_view(SkyView::Bodies{});
    bool horizon = false;
    for (const auto& i : v.drawing.items) {
        if (i.kind == DrawItem::Kind::Line && i.y == 150 && i.y2 == 150) {
            EXPECT_EQ(i.x, 10);
            EXPECT_EQ(i.x2, 610);
            horizon = true;
        }
    }
    EXPECT_TRUE(horizon);
    EXPECT_EQ(v.caption, "Planety");
    EXPECT_TRUE(v.bodies.empty());
}

TEST(Sphere, TheSydneySunAtNoonStandsAtTheNorthEdge) {
    const data::TMisto sydney{"Sydney", 151, 13, 1, 33, 52, 0};
    const SkyView::Bodies b = tick_at({21, 6, 2004, 12, 0, 0}, 11, sydney);  // zone +10
    const SphereView v = sphere_view(b);
    const SphereBody& sun = v.bodies[1];
    EXPECT_GT(sun.altitude, 30);
    const int centre = sun.left + 7;
    EXPECT_TRUE(centre < 25 || centre > 595) << sun.azimuth;
    EXPECT_EQ(v.caption, "21.6.2004, 12:0:0 UTC+10, Sydney");
}

TEST(Sphere, CaptionsCarryOneSignForTheZone) {
    SkyView::Bodies b;
    b.known = true;
    b.moment = {3, 7, 2004, 9, 5, 7};
    b.place_name = "Praha";
    for (const auto& [zone, text] : {std::pair{-5, "3.7.2004, 9:5:7 UTC-5, Praha"}, std::pair{1, "3.7.2004, 9:5:7 UTC+1, Praha"},
                                     std::pair{0, "3.7.2004, 9:5:7 UTC+0, Praha"}}) {
        b.zone_offset = zone;
        EXPECT_EQ(sphere_view(b).caption, text);
    }
}

TEST(Sphere, ChangingThePlaceReadsItsRecord) {
    test::TempDir dir;
    dir.write(data::kPlacesFile, test::file_of({test::kPraha, test::kBrno}));
    data::AppState s;
    s.program_dir = dir.path();
    s.current_place = test::kPraha;
    EXPECT_EQ(change_place(s, "Brno"), std::nullopt);
    EXPECT_EQ(s.current_place, test::kBrno);
    EXPECT_EQ(change_place(s, std::nullopt), "Není vybráno žádné místo!");
    // A name deleted from the file since the list was filled: the place stays.
    EXPECT_EQ(change_place(s, "Ostrava"), "Místo „Ostrava“ v seznamu míst již není!");
    EXPECT_EQ(s.current_place, test::kBrno);
}

TEST(Animation, StepsAndLimits) {
    struct Case {
        const char* what;
        Moment from;
        AnimationUnit unit;
        bool back;
        std::vector<Moment> steps;  // each tick's moment; the last one met the limit when `stops`
        bool stops;
    } cases[] = {
        {"years from 29 February", {29, 2, 2004, 10, 0, 0}, AnimationUnit::Year, false,
         {{28, 2, 2005, 10, 0, 0}, {28, 2, 2006, 10, 0, 0}, {28, 2, 2007, 10, 0, 0}, {28, 2, 2008, 10, 0, 0}}, false},
        {"days to the last year", {30, 12, 2100, 18, 0, 0}, AnimationUnit::Day, false,
         {{31, 12, 2100, 18, 0, 0}, {31, 12, 2100, 18, 0, 0}}, true},
        {"minutes back to the first year", {1, 1, 1800, 0, 2, 0}, AnimationUnit::Minute, true,
         {{1, 1, 1800, 0, 1, 0}, {1, 1, 1800, 0, 0, 0}, {1, 1, 1800, 0, 0, 0}}, true},
        {"minutes on past the last year", {31, 12, 2100, 23, 59, 0}, AnimationUnit::Minute, false,
         {{31, 12, 2100, 23, 59, 0}}, true},
        {"months back", {31, 3, 2004, 1, 0, 0}, AnimationUnit::Month, true,
         {{29, 2, 2004, 1, 0, 0}, {29, 1, 2004, 1, 0, 0}}, false},
        {"hours over midnight", {31, 12, 2003, 23, 30, 0}, AnimationUnit::Hour, false, {{1, 1, 2004, 0, 30, 0}}, false},
        {"years back to the first", {15, 6, 1800, 12, 0, 0}, AnimationUnit::Year, true, {{1, 1, 1800, 12, 0, 0}}, true},
    };
    for (const Case& c : cases) {
        data::AppState s;
        s.current_moment = c.from;
        Animation a;
        a.unit = c.unit;
        a.start(s, c.back);
        EXPECT_FALSE(s.clock_running);
        EXPECT_EQ(data::timer_interval_ms(s), 500);
        for (std::size_t k = 0; k < c.steps.size(); ++k) {
            const AnimationTick t = a.tick(s);
            const bool last = k + 1 == c.steps.size();
            EXPECT_EQ(t, c.stops && last ? AnimationTick::Limit : AnimationTick::Stepped) << c.what << " " << k;
            EXPECT_EQ(s.current_moment, c.steps[k]) << c.what << " " << k;
        }
        EXPECT_EQ(s.animation_running, !c.stops) << c.what;
        if (c.stops) {
            EXPECT_EQ(data::timer_interval_ms(s), 1000);
            EXPECT_EQ(a.tick(s), AnimationTick::Idle) << c.what;
            EXPECT_EQ(s.current_moment, c.steps.back()) << c.what;
        }
    }
}

TEST(Animation, AStartedClockEndsTheRun) {
    data::AppState s;
    s.current_moment = {1, 5, 2004, 12, 0, 0};
    Animation a;
    a.start(s, false);
    EXPECT_EQ(a.tick(s), AnimationTick::Stepped);
    EXPECT_EQ(s.current_moment, (Moment{2, 5, 2004, 12, 0, 0}));
    s.clock_running = true;  // "Spusť čas"
    EXPECT_EQ(a.tick(s), AnimationTick::ClockStarted);
    EXPECT_FALSE(s.animation_running);
    EXPECT_EQ(s.current_moment, (Moment{2, 5, 2004, 12, 0, 0}));
    EXPECT_EQ(data::timer_interval_ms(s), 1000);
    EXPECT_EQ(animation_unit("mesic"), AnimationUnit::Month);
    EXPECT_EQ(animation_unit("týden"), std::nullopt);
}

}  // namespace
}  // namespace sidora::models
