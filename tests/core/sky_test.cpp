// The sky calendar's tick: what the main window shows, computed without widgets.
#include <gtest/gtest.h>

#include "models/sky_calendar.h"
#include "models/sky_parts.h"

namespace sidora::models {
namespace {

using engine::Moment;

data::TMisto place(const std::string& name, int lat, int lat_min, bool north, int lon, int lon_min, bool east) {
    data::TMisto p;
    p.name = name;
    p.lat_deg = lat;
    p.lat_min = lat_min;
    p.north = north;
    p.lon_deg = lon;
    p.lon_min = lon_min;
    p.east = east;
    return p;
}

// A state frozen at a moment, in a fixed zone without summer time.
struct Sky {
    data::AppState state;
    SkyCalendar sky;
    explicit Sky(Moment m, int zone_index = 2, data::TMisto p = place("Praha", 50, 5, true, 14, 25, true)) {
        state.current_place = std::move(p);
        state.start.zone_index = zone_index;
        state.start.auto_summer = 0;
        state.start.summer_flag = 0;
        state.clock_running = false;
        state.current_moment = m;
    }
    const SkyView& tick() { return sky.tick(state, state.current_moment); }
    const SkyView& view() const { return sky.view(); }
};

Moment at(int y, int mo, int d, int h = 12, int mi = 0, int s = 0) {
    return {static_cast<std::uint16_t>(d), static_cast<std::uint16_t>(mo), static_cast<std::uint16_t>(y),
            static_cast<std::uint16_t>(h), static_cast<std::uint16_t>(mi), static_cast<std::uint16_t>(s)};
}

TEST(SkyCalendar, DateLineInBothFormsAndTheClockTakingItsMoment) {
    EXPECT_EQ(sky::date_line(at(2004, 1, 5), true), "Dnes je pondělí 5. ledna, 5. den roku 2004.");
    EXPECT_EQ(sky::date_line(at(2004, 1, 5), false), "5. ledna 2004, pondělí");
    EXPECT_EQ(sky::date_line(at(2004, 12, 31), true), "Dnes je pátek 31. prosince, 366. den roku 2004.");

    Sky s(at(2000, 1, 1));
    s.state.clock_running = true;
    const SkyView& v = s.sky.tick(s.state, at(2004, 1, 5, 8, 30, 15));
    EXPECT_EQ(v.Label1, "Dnes je pondělí 5. ledna, 5. den roku 2004.");
    EXPECT_EQ(s.state.current_moment, at(2004, 1, 5, 8, 30, 15));
    EXPECT_FALSE(v.set_now_enabled);
    EXPECT_EQ(v.Label3, " UTC+1");
    EXPECT_EQ(v.Label25, "Praha");
}

TEST(SkyCalendar, YearsOutsideTheRangeAreClampedWithTheWarning) {
    struct Case {
        Moment given, shown;
    };
    for (const Case& c : {Case{at(1799, 6, 15, 10, 20, 30), at(1800, 6, 15, 0, 0, 0)},
                          Case{at(2104, 2, 29, 23, 59, 59), at(2100, 2, 28, 0, 0, 0)}}) {
        Sky s(c.given);
        const SkyView& v = s.tick();
        EXPECT_EQ(s.state.current_moment, c.shown);
        EXPECT_FALSE(v.label1_visible);
        EXPECT_TRUE(v.label247_visible);
        EXPECT_EQ(v.Label247, "Datum nastaveno mimo povolené rozmezí!!!");
        EXPECT_EQ(v.hour + v.minute + v.second, 0u);
        // Not for one tick only: until the moment changes.
        s.tick();
        s.tick();
        EXPECT_TRUE(v.label247_visible);
        EXPECT_FALSE(v.label1_visible);
        s.state.current_moment.day = 10;
        s.tick();
        EXPECT_FALSE(v.label247_visible);
        EXPECT_TRUE(v.label1_visible);
    }
    Sky ok(at(1800, 1, 1, 0, 0, 0));
    EXPECT_TRUE(ok.tick().label1_visible);
    EXPECT_EQ(ok.view().Label247, "");
}

TEST(SkyCalendar, ZoneZeroLosesItsSignOnTheDayRefreshTickOnly) {
    Sky s(at(2004, 1, 5), 1);
    const SkyView& first = s.tick();
    EXPECT_TRUE(first.day_refreshed);
    EXPECT_EQ(first.Label3, " UTC0");
    EXPECT_EQ(first.phase_caption, "Nejbližší fáze Měsíce (UTC0):");
    EXPECT_TRUE(first.Tab4.at(1, 0).text.ends_with(" hod. UTC0")) << first.Tab4.at(1, 0).text;
    const SkyView& next = s.tick();
    EXPECT_FALSE(next.day_refreshed);
    EXPECT_EQ(next.Label3, " UTC+0");
    EXPECT_EQ(next.phase_caption, "Nejbližší fáze Měsíce (UTC0):");

    Sky west(at(2004, 1, 5), 18);  // -7 hours carries its own sign
    EXPECT_EQ(west.tick().Label3, " UTC-7");
}

TEST(SkyCalendar, DayRefreshOnlyForANewDatePlaceOrZone) {
    Sky s(at(2004, 1, 5, 23, 59, 59));
    EXPECT_TRUE(s.tick().day_refreshed);
    const std::string sunrise = s.view().Tab5.at(1, 0).text;

    s.state.current_moment.hour = 3;  // the time alone
    EXPECT_FALSE(s.tick().day_refreshed);
    s.state.clock_running = true;  // the running clock on the same date
    EXPECT_FALSE(s.sky.tick(s.state, at(2004, 1, 5, 10)).day_refreshed);
    s.state.clock_running = false;  // frozen again
    EXPECT_FALSE(s.tick().day_refreshed);
    EXPECT_EQ(s.view().Tab5.at(1, 0).text, sunrise);

    s.state.clock_running = true;  // across midnight
    EXPECT_TRUE(s.sky.tick(s.state, at(2004, 1, 6, 0, 0, 0)).day_refreshed);
    s.state.current_place = place("Brno", 49, 12, true, 16, 37, true);
    EXPECT_TRUE(s.sky.tick(s.state, at(2004, 1, 6, 0, 0, 1)).day_refreshed);
    s.state.start.zone_index = 3;
    EXPECT_TRUE(s.sky.tick(s.state, at(2004, 1, 6, 0, 0, 2)).day_refreshed);
}

TEST(SkyCalendar, TimeTab) {
    Sky s(at(2005, 1, 1, 0, 0, 0));
    const SkyView& v = s.tick();
    EXPECT_EQ(v.Tab3.at(4, 0).text, "364 dní");
    EXPECT_EQ(v.Tab3.at(4, 1).text, "8759 hodin");
    EXPECT_EQ(v.Tab3.at(4, 2).text, "525599 minut");
    EXPECT_EQ(v.Tab3.at(4, 3).text, "31535999 sekund");
    EXPECT_EQ(v.Tab3.at(1, 0).text, "2453371.45833");
    EXPECT_EQ(v.Tab3.at(1, 3).text, "Zima");
    EXPECT_EQ(v.Tab3.at(0, 0).text, "Juliánský den:");
    EXPECT_EQ(sky::time_left_in_year(at(2004, 1, 1, 0, 0, 0)).days, 365);

    // Southern summer in January; the halves of the year swap.
    struct Season {
        double lon;
        bool north;
        const char* name;
    };
    for (const Season& c : {Season{0, true, "Jaro"}, Season{89.9, true, "Jaro"}, Season{90, true, "Léto"},
                            Season{180, true, "Podzim"}, Season{359.9, true, "Zima"}, Season{285, false, "Léto"},
                            Season{10, false, "Podzim"}, Season{200, false, "Jaro"}}) {
        EXPECT_EQ(sky::season_name(c.lon, c.north), c.name) << c.lon;
    }
    Sky south(at(2004, 1, 15), 2, place("Sydney", 33, 52, false, 151, 12, true));
    EXPECT_EQ(south.tick().Tab3.at(1, 3).text, "Léto");
}

TEST(SkyCalendar, WorldClocksAndTrueSolarTime) {
    // 23:45 UT: Delhi 5:15 of the next day, Los Angeles 15:45 of the day before.
    const auto c = sky::world_clocks(0, 45, 7, 1);
    EXPECT_EQ(c[0], "23:45:7");
    EXPECT_EQ(c[2], "5:15:7");
    EXPECT_EQ(c[6], "11:45:7");
    EXPECT_EQ(c[7], "15:45:7");
    EXPECT_EQ(c[9], "20:45:7");

    // Zone +2 at 1:30 is 23:30 UT; at Greenwich the solar time differs by the equation of time only.
    const auto greenwich = place("Greenwich", 51, 29, true, 0, 0, true);
    const std::string t = sky::true_solar_time(at(2004, 4, 15, 1, 30, 0), 2, 0, greenwich);
    EXPECT_EQ(t.substr(0, 6), "23:29:") << t;  // the equation of time is near zero in mid-April
    const auto west = place("Quito", 0, 13, false, 78, 30, false);
    EXPECT_EQ(sky::true_solar_time(at(2004, 4, 15, 1, 0, 0), 0, 0, west).substr(0, 3), "19:");
}

TEST(SkyCalendar, SunAndMoonTabs) {
    Sky s(at(2004, 1, 7, 12));  // full moon at 16:43
    const SkyView& v = s.tick();
    EXPECT_EQ(v.Tab9.at(0, 0).text, "Úplněk:");
    EXPECT_EQ(v.Tab9.at(1, 0).text, "7.1.2004, 16:43 hod.");
    EXPECT_TRUE(v.Tab9.at(1, 0).bold);
    EXPECT_EQ(v.Tab9.at(1, 0).background, colors::kYellow);
    EXPECT_FALSE(v.Tab9.at(4, 0).bold);
    EXPECT_EQ(v.Tab9.at(4, 0).background, colors::kAqua);
    EXPECT_EQ(v.Tab5.at(1, 0).text, "8:01");
    EXPECT_TRUE(v.Tab5.at(1, 7).text.ends_with(" AU"));
    EXPECT_TRUE(v.Tab5.at(1, 8).text.starts_with("(147")) << v.Tab5.at(1, 8).text;
    EXPECT_TRUE(v.Tab8.at(1, 0).text.find(" km (") != std::string::npos);
    EXPECT_EQ(v.Tab6.at(1, 1).text, "7:22");

    // Polar day: no rising, no setting azimuth.
    Sky polar(at(2000, 6, 21), 2, place("Sever", 70, 0, true, 20, 0, true));
    const SkyView& p = polar.tick();
    EXPECT_EQ(p.Tab5.at(1, 0).text, "Polární den");
    EXPECT_EQ(p.Tab5.at(1, 2).text, "Polární den");
    EXPECT_EQ(p.Tab5.at(1, 3).text, "24 hodin");
    EXPECT_EQ(p.Tab5.at(4, 0).text, "---------------");
    EXPECT_EQ(p.Tab5.at(4, 2).text, "---------------");
}

TEST(SkyCalendar, MoonPictureSpans) {
    const auto full = sky::moon_spans(180, true);
    EXPECT_EQ(full[25], (MoonSpan{0, 50}));
    EXPECT_EQ(full[1], full[49]);
    EXPECT_EQ(full[0], MoonSpan{});  // the top row outside the picture stays unlit
    const auto waxing_new = sky::moon_spans(0, true);
    const auto waning_new = sky::moon_spans(0, false);
    for (int y = 1; y <= 50; ++y) {
        const auto& a = waxing_new[static_cast<std::size_t>(y)];
        const auto& b = waning_new[static_cast<std::size_t>(y)];
        EXPECT_EQ(a.first, a.last) << y;  // one pixel at the right edge
        EXPECT_GE(a.first, 25);
        EXPECT_EQ(b.first, b.last) << y;  // one pixel at the left edge
        EXPECT_LE(b.last, 25);
    }
    const auto quarter = sky::moon_spans(90, true);
    EXPECT_EQ(quarter[25], (MoonSpan{25, 50}));
}

TEST(SkyCalendar, AstrologyAndHouseGrids) {
    Sky s(at(2004, 1, 5));  // Mercury retrograde, Venus direct
    const SkyView& v = s.tick();
    EXPECT_EQ(v.Tab10.at(1, 3).text, "Merkur");
    EXPECT_EQ(v.Tab10.at(4, 3).text, "m");
    EXPECT_EQ(v.Tab10.at(4, 3).background, colors::kRed);
    EXPECT_EQ(v.Tab10.at(4, 4).text, "");
    EXPECT_EQ(v.Tab10.at(4, 4).background, v.Tab10.at(1, 4).background);
    EXPECT_EQ(v.Tab10.at(2, 1).text, " 14 KO 25");
    EXPECT_EQ(v.Tab10.at(2, 1).hint, " 284°25´");
    EXPECT_EQ(v.Tab10.at(3, 1).text, "J");
    EXPECT_TRUE(v.Tab10.at(3, 1).symbol);
    EXPECT_EQ(v.Tab10.at(7, 11).text, "------------");
    EXPECT_EQ(v.Tab10.at(8, 1).text, "10");
    EXPECT_EQ(v.Tab12.at(1, 0).text, " 29 BE 52");
    EXPECT_EQ(v.Tab12.at(2, 0).text, "A");

    // The house column follows the chosen system at the next tick.
    s.state.astro.current_house_system = 12;  // "user houses": the ASC on the eleventh cusp
    const SkyView& w = s.tick();
    EXPECT_EQ(w.Tab11.at(1, 10).text, v.Tab12.at(1, 0).text);

    // Placidus fails at 70° N: dashes and "/"; the natural equal houses step by 30°.
    Sky north(at(2000, 6, 21, 12), 2, place("Sever", 70, 0, true, 20, 0, true));
    north.state.astro.current_house_system = 1;
    const SkyView& n = north.tick();
    for (int r = 0; r < 12; ++r) {
        EXPECT_EQ(n.Tab11.at(1, r).text, "----------------");
        EXPECT_EQ(n.Tab11.at(2, r).text, "/");
    }
    // ... and no body has a house there.
    for (int r = 1; r <= 12; ++r) EXPECT_EQ(n.Tab10.at(8, r).text, "------") << r;
    north.state.astro.current_house_system = 5;
    north.state.astro.zodiacal_notation = 0;
    const SkyView& eq = north.tick();
    const auto deg = [&](int r) { return std::stoi(eq.Tab11.at(1, r).text); };
    for (int r = 1; r < 12; ++r) EXPECT_EQ((deg(r) - deg(r - 1) + 360) % 360, 30) << r;
}

TEST(SkyCalendar, TattvaTab) {
    Sky s(at(2004, 1, 5, 12));
    s.state.tattvy.first_tattva = 2;
    const SkyView& v = s.tick();
    const char* names[5] = {"Prthiví", "Ápas", "Ákáša", "Váju", "Agni"};
    const Rgb looks[5] = {colors::kOlive, colors::kWhite, colors::kSilver, colors::kBlue, colors::kRed};
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(v.Tab1.at(0, r).text, names[r - 1]);
        EXPECT_EQ(v.Tab1.at(12, r).background, looks[r - 1]);
    }
    // The times stay in place whichever tattva comes first; 8:07 sunrise, past midnight in column 9.
    EXPECT_EQ(v.Tab1.at(1, 1).text, "8:07");
    EXPECT_EQ(v.Tab1.at(9, 1).text, "0:07");
    EXPECT_EQ(v.Tab1.at(1, 0).text, "A");
    // 12:00 lies in the period from 11:43: column 2, row 5.
    EXPECT_EQ(v.Tab1.at(2, 5).background, colors::kYellow);
    EXPECT_EQ(v.Tab1.at(2, 5).color, colors::kBlack);
    EXPECT_FALSE(v.tattva_message_visible);

    Sky polar(at(2000, 12, 21), 2, place("Sever", 70, 0, true, 20, 0, true));
    const SkyView& p = polar.tick();
    EXPECT_TRUE(p.tattva_message_visible);
    EXPECT_EQ(p.Tab1.at(1, 1).text, "");
    EXPECT_EQ(p.Tab1.at(0, 1).text, "Váju");
    EXPECT_EQ(p.Tab1.at(1, 1).background, colors::kBlue);
}

TEST(SkyCalendar, PlaceGuardAndBusyEngine) {
    Sky s(at(2004, 1, 5), 2, place("Nula", 0, 0, true, 0, 0, true));
    s.tick();
    EXPECT_EQ(s.state.current_place.lon_min, 1);
    EXPECT_EQ(s.state.current_place.lat_min, 1);

    s.state.engine_busy = true;
    s.state.current_moment.hour = 5;
    const SkyView& v = s.tick();
    EXPECT_FALSE(v.computed);
    EXPECT_EQ(v.hour, 12u);  // nothing recomputed while another window holds the engine
}

}  // namespace
}  // namespace sidora::models
