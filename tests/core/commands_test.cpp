// The main window's commands and the settings editors, without their windows.
#include <gtest/gtest.h>

#include "data/startup.h"
#include "data/summer_file.h"
#include "models/commands.h"
#include "data/places_store.h"
#include "models/date_dialog.h"
#include "models/orb_editor.h"
#include "models/settings_dialog.h"
#include "models/summer_editor.h"
#include "temp_dir.h"

namespace sidora::models {
namespace {

using engine::Moment;

Moment at(int y, int mo, int d, int h = 12, int mi = 0, int s = 0) {
    return {static_cast<std::uint16_t>(d), static_cast<std::uint16_t>(mo), static_cast<std::uint16_t>(y),
            static_cast<std::uint16_t>(h), static_cast<std::uint16_t>(mi), static_cast<std::uint16_t>(s)};
}

struct Started {
    test::TempDir dir;
    data::AppState state;
    Started() { data::start_up(state, {dir.path(), std::nullopt}); }
    std::string d() const { return dir.path().string(); }
};

TEST(DateSteps, MonthsYearsAndDaysKeepTheTimeAndFreezeTheClock) {
    struct Case {
        Moment from;
        Step step;
        Moment to;
    };
    const Case cases[] = {
        {at(2004, 1, 31), Step::NextMonth, at(2004, 2, 29)},
        {at(2005, 1, 31), Step::NextMonth, at(2005, 2, 28)},
        {at(2004, 3, 31), Step::PrevMonth, at(2004, 2, 29)},
        {at(2004, 12, 31), Step::NextMonth, at(2005, 1, 31)},
        {at(2004, 1, 15), Step::PrevMonth, at(2003, 12, 15)},
        {at(2004, 2, 29), Step::NextYear, at(2005, 2, 28)},
        {at(2004, 2, 29), Step::PrevYear, at(2003, 2, 28)},
        {at(2003, 2, 28), Step::NextYear, at(2004, 2, 28)},
        {at(2004, 5, 1, 23, 59, 59), Step::NextDay, at(2004, 5, 2, 23, 59, 59)},
        {at(2004, 1, 1, 0, 0, 1), Step::PrevDay, at(2003, 12, 31, 0, 0, 1)},
    };
    Started s;
    for (const Case& c : cases) {
        s.state.current_moment = c.from;
        s.state.clock_running = true;
        step_moment(s.state, c.step);
        EXPECT_EQ(s.state.current_moment, c.to) << c.from.day << "." << c.from.month << "." << c.from.year;
        EXPECT_FALSE(s.state.clock_running);
    }
    // A manual summer choice ends with the first step.
    s.state.start.auto_summer = 0;
    step_moment(s.state, Step::NextDay);
    EXPECT_EQ(s.state.start.auto_summer, 1);
}

TEST(DateSteps, NowBringsBackTheStoredSettingsAndTheHomePlace) {
    Started s;
    s.state.clock_running = false;
    s.state.start.zone_index = 7;
    s.state.current_place.name = "Jinde";
    EXPECT_EQ(set_now(s.state), std::nullopt);
    EXPECT_TRUE(s.state.clock_running);
    EXPECT_EQ(s.state.start.zone_index, 2);
    EXPECT_EQ(s.state.current_place.name, "Praha");
}

TEST(DateDialog, SetTakesZoneSummerPlaceAndMoment) {
    Started s;
    s.state.current_moment = at(2004, 7, 1, 10);
    s.state.zone_offset = 2;  // Prague in summer
    s.state.engine.set_summer_rules(data::default_summer_rules());
    DateForm f = date_form_of(s.state);
    EXPECT_TRUE(f.summer);
    EXPECT_EQ(f.place_name, "Praha");
    EXPECT_EQ(f.zone_name, "+1 hod: středoevropské");

    // Without a place: the zone and summer choice hold, nothing else.
    f.place_name.clear();
    f.summer = false;
    f.moment = at(2004, 7, 2, 9);
    s.state.clock_running = true;
    EXPECT_EQ(apply_date_form(s.state, f), "Není vybráno žádné místo!");
    EXPECT_FALSE(s.state.clock_running);
    EXPECT_EQ(s.state.zone_offset, 1);
    EXPECT_EQ(s.state.current_moment, at(2004, 7, 1, 10));
    EXPECT_EQ(s.state.start.auto_summer, 1);

    f.place_name = "Praha";
    EXPECT_EQ(apply_date_form(s.state, f), std::nullopt);
    EXPECT_EQ(s.state.current_moment, at(2004, 7, 2, 9));
    EXPECT_EQ(s.state.start.auto_summer, 0);
    EXPECT_EQ(s.state.start.summer_flag, 0);
    f.place_name = "Atlantida";
    EXPECT_EQ(apply_date_form(s.state, f), "Místo „Atlantida“ v seznamu není!");
    // A record off the globe is refused, and the place in use stays.
    data::PlacesStore(s.dir / "mista.dat").append(data::TMisto{"Bod", 14, 25, 1, 2147483647, 0, 1});
    f.place_name = "Bod";
    const auto refused = apply_date_form(s.state, f);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->rfind("Záznam místa „Bod“ v souboru mista.dat je poškozený", 0), 0u) << *refused;
    EXPECT_EQ(s.state.current_place.name, "Praha");

    // The tick follows the pickers' date.
    f.moment = at(2004, 12, 1, 9);
    follow_summer_rule(s.state, f);
    EXPECT_FALSE(f.summer);
}

TEST(SettingsDialog, SavingUnchangedRewritesTheSameBytesAndReloads) {
    Started s;
    const std::string start = s.dir.read("start.mem"), astro = s.dir.read("astro.mem"), num = s.dir.read("num.set");
    s.state.engine.rise_mode = 3;  // as a day refresh leaves it
    s.state.current_place.name = "Jinde";
    s.state.zone_offset = 5;
    EXPECT_EQ(save_settings(s.state, settings_form_of(s.state)), std::nullopt);
    EXPECT_EQ(s.dir.read("start.mem"), start);
    EXPECT_EQ(s.dir.read("astro.mem"), astro);
    EXPECT_EQ(s.dir.read("num.set"), num);
    EXPECT_EQ(s.state.current_place.name, "Praha");
    EXPECT_EQ(s.state.zone_offset, 1);

    // Seconds in force are written, then switched off until the next start.
    s.state.astro.angle_seconds = 1;
    EXPECT_EQ(save_settings(s.state, settings_form_of(s.state)), std::nullopt);
    EXPECT_EQ(s.dir.read("astro.mem")[1], '\x01');
    EXPECT_EQ(s.state.astro.angle_seconds, 0);

    SettingsForm f = settings_form_of(s.state);
    f.start_tab = 7;
    f.numerology_digits = 9;
    f.zodiacal = false;
    f.zone_index = 3;
    EXPECT_EQ(save_settings(s.state, f), std::nullopt);
    EXPECT_EQ(static_cast<unsigned char>(s.dir.read("start.mem")[263]), 7);
    EXPECT_EQ(s.dir.read("num.set"), "\x09");
    EXPECT_EQ(s.state.astro.zodiacal_notation, 0);
    EXPECT_EQ(s.state.zone_offset, 2);
}

TEST(SummerEditor, DatesAreCheckedFirstPeriodsFirst) {
    Started s;
    engine::Engine& e = s.state.engine;
    EXPECT_EQ(find_summer_fault(e), std::nullopt);
    auto& y1990 = summer_rule(e, 1990);
    auto& y1950 = summer_rule(e, 1950);
    y1950 = engine::summer_rule_not_introduced(1950);
    y1950.nezaveden = 0;
    y1950.dvakrat = 1;
    y1950.od2_mesic = 4;
    y1950.od2_den = 31;
    y1990.nezaveden = 0;
    y1990.zaveden = 1;
    y1990.od_mesic = 4;
    y1990.od_den = 31;
    auto fault = find_summer_fault(e);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->year, 1990);
    EXPECT_EQ(fault->box, SummerDayBox::Start);
    y1990.od_den = 30;
    fault = find_summer_fault(e);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->year, 1950);
    EXPECT_EQ(fault->box, SummerDayBox::SecondStart);

    // 29 February: 2000 is a leap year, 1900 is not; hour 24 is fine; a year without summer
    // time is not checked at all.
    y1950 = engine::summer_rule_not_introduced(1950);
    y1950.od_mesic = 4;
    y1950.od_den = 31;
    auto& y2000 = summer_rule(e, 2000);
    y2000.do_mesic = 2;
    y2000.do_den = 29;
    y2000.do_hodina = 24;
    EXPECT_EQ(find_summer_fault(e), std::nullopt);
    auto& y1917 = summer_rule(e, 1917);
    y1917 = engine::summer_rule_not_introduced(1917);
    y1917.nezaveden = 0;
    y1917.zaveden = 1;
    y1917.od_mesic = 1;
    y1917.od_den = 1;
    y1917.do_mesic = 2;
    y1917.do_den = 29;
    fault = find_summer_fault(e);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->year, 1917);
    EXPECT_EQ(fault->box, SummerDayBox::End);
}

TEST(SummerEditor, SaveAndLeaveGoThroughTheFile) {
    Started s;
    engine::Engine& e = s.state.engine;
    const std::string file = s.dir.read("LC.dat");
    const engine::TLetniRok kept = summer_rule(e, 1980);
    summer_rule(e, 1980).od_hodina = 24;
    EXPECT_TRUE(summer_rules_unsaved(e, s.d()));
    EXPECT_EQ(reload_summer_rules(e, s.d()), std::nullopt);
    EXPECT_EQ(summer_rule(e, 1980), kept);
    EXPECT_FALSE(summer_rules_unsaved(e, s.d()));

    summer_rule(e, 1980).od_hodina = 24;
    EXPECT_EQ(save_summer_rules(e, s.d()), std::nullopt);
    EXPECT_NE(s.dir.read("LC.dat"), file);
    EXPECT_EQ(s.dir.read("LC.dat").size(), file.size());
    data::AppState again;
    data::start_up(again, {s.dir.path(), std::nullopt});
    EXPECT_EQ(summer_rule(again.engine, 1980).od_hodina, 24);

    std::filesystem::remove(s.dir / "LC.dat");
    EXPECT_EQ(reload_summer_rules(e, s.d()), "Běhová chyba 50 (LC.dat): soubor nelze přečíst.");
}

TEST(OrbEditor, FieldsAreClampedAndTheMatrixCompletedOnSaving) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"25", "18"}, Case{"", ""}, Case{"7", "7"}, Case{"07", "7"}, Case{"18", "18"},
                          Case{"1x", "0"}, Case{"99999999999", "0"}}) {
        EXPECT_EQ(orb_field_text(c.typed), c.shown) << c.typed;
    }

    Started s;
    data::OrbTables t = s.state.orbs;
    for (int r = 1; r <= 10; ++r) {
        for (int c = r; c <= 10; ++c) t.orb_matrix[r][c] = r + c;
        t.orb_matrix[r][11] = 4;
        t.orb_matrix[r][13] = 6;
    }
    complete_orb_matrix(t);
    for (int r = 1; r <= 10; ++r) {
        for (int c = 1; c <= 10; ++c) EXPECT_EQ(t.orb_matrix[r][c], t.orb_matrix[c][r]);
        EXPECT_EQ(t.orb_matrix[r][12], 4);
        for (int c : {14, 15, 16}) EXPECT_EQ(t.orb_matrix[r][c], 6);
    }
    t.minor_orbs[1].nepouzivat = 1;
    EXPECT_EQ(save_major_orbs(t, s.d()), std::nullopt);
    EXPECT_EQ(s.dir.read("orbit1.mem"), data::encode_orbit1(t));
    EXPECT_EQ(s.dir.read("orbit2.mem"), data::encode_orbit2(t));
    t.point_orbs[2] = 5;
    t.point_exclusions[3] = 1;
    EXPECT_EQ(save_point_orbs(t, s.d()), std::nullopt);
    EXPECT_EQ(s.dir.read("orbit3.mem"), std::string("\x02\x05\x02", 3));
    EXPECT_EQ(s.dir.read("aster.mem"), std::string("\0\0\x01\0\0\0\0", 7));
    EXPECT_EQ(save_major_orbs(t, (s.dir / "missing").string()), "Nastavení nelze uložit!");
    EXPECT_EQ(save_point_orbs(t, (s.dir / "missing").string()), "Nastavení se nepodařilo uložit!");
}

}  // namespace
}  // namespace sidora::models
