#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <map>

#include "data/data_dir.h"
#include "data/places_file.h"
#include "data/settings_files.h"
#include "data/startup.h"
#include "data/summer_file.h"
#include "temp_dir.h"

using namespace sidora;
using sidora::test::TempDir;

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

std::string le32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return bytes({int(u & 0xFF), int((u >> 8) & 0xFF), int((u >> 16) & 0xFF), int(u >> 24)});
}

std::string le_double(double v) {
    std::string s(8, '\0');
    std::memcpy(s.data(), &v, 8);  // the test machine is little-endian
    return s;
}

// The files of a fresh directory, written out from their documented layouts.
std::map<std::string, std::string> expected_fresh_files() {
    std::map<std::string, std::string> f;
    f["tattvy.set"] = bytes({0, 0, 0});
    f["num.set"] = bytes({4});
    f["start.mem"] = std::string("\x05Praha", 6) + std::string(250, '\0') + le32(2) + bytes({0, 1, 2, 1});
    f["astro.mem"] = bytes({1, 0, 0, 0}) + le32(1) + bytes({1, 0, 0, 0});
    f["mista.dat"] = std::string("\x05Praha", 6) + std::string(38, '\0') + le32(14) + le32(25) +
                     bytes({1, 0, 0, 0}) + le32(50) + le32(5) + bytes({1, 0, 0, 0});
    f["osoby.dat"] = std::string("\x04" "1.00", 5) + std::string(26, '\0') + bytes({1, 0, 0, 0, 0}) +
                     le32(2000) + bytes({1, 1, 0, 0, 0, 0}) + std::string(31 + 3, '\0') + le32(0) +
                     le32(0) + bytes({1, 0, 0, 0}) + le32(0) + le32(0) + bytes({1, 0, 0, 0});
    std::string lc;
    for (int y = 1916; y <= 2030; ++y) lc += le32(y) + bytes({0, 1, 0, 0, 3, 28, 2, 9, 28, 2, 3, 28, 2, 9, 28, 2});
    f["LC.dat"] = lc;

    std::string orbit1;
    for (int a = 1; a <= 10; ++a) {
        for (int b = 1; b <= 16; ++b) {
            double orb;
            if (b >= 11) orb = a <= 2 ? 3 : 2;
            else if (a <= 2 && b <= 2) orb = (a == 2 && b == 2) ? 9 : 12;
            else if (a <= 2 || b <= 2) orb = 9;
            else orb = a == b ? 5 : 7;
            orbit1 += le_double(orb);
        }
    }
    f["orbit1.mem"] = orbit1;
    std::string orbit2;
    const int codes[] = {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18};
    const double orbs[] = {3, 3, 3, 3, 2, 2, 2, 2, 2, 1, 1, 1};
    for (int i = 0; i < 12; ++i) orbit2 += bytes({codes[i], 0, 0, 0, 0, 0, 0, 0}) + le_double(orbs[i]);
    f["orbit2.mem"] = orbit2;
    f["orbit3.mem"] = bytes({2, 2, 2});
    f["aster.mem"] = std::string(7, '\0');
    return f;
}

data::StartupError start_error_in(const std::filesystem::path& dir) {
    data::AppState state;
    try {
        data::start_up(state, {dir, std::nullopt});
    } catch (const data::StartupError& e) {
        return e;
    }
    ADD_FAILURE() << "start-up did not fail";
    return data::StartupError(0, "", "");
}

data::StartupError start_error(const TempDir& dir) { return start_error_in(dir.path()); }

}  // namespace

TEST(StartUp, FreshDirectoryGetsEveryFileWithItsDefaults) {
    TempDir dir;
    data::AppState state;
    data::start_up(state, {dir.path() / "new", std::nullopt});
    const TempDir& d = dir;
    for (const auto& [name, expected] : expected_fresh_files()) {
        EXPECT_EQ(io::read_file(d.path() / "new" / name).value_or("<missing>"), expected) << name;
    }
    EXPECT_TRUE(std::filesystem::is_directory(d.path() / "new" / "Partner"));
    EXPECT_EQ(state.zone_offset, 1);
    EXPECT_EQ(state.current_place, data::default_place());
    EXPECT_EQ(state.current_zone_name, "+1 hod: středoevropské");
    EXPECT_EQ(state.orbs.orb_matrix[1][2], 12);
    EXPECT_EQ(state.orbs.point_orbs[3], 2);
    EXPECT_EQ(state.aspect_defs[9].name, "seskvikvadrát");
    EXPECT_EQ(state.aspect_defs[14].uhel, 150);
    EXPECT_TRUE(state.startup_warnings.empty());
}

TEST(StartUp, SecondStartChangesNothing) {
    TempDir dir;
    data::AppState first;
    data::start_up(first, {dir.path(), std::nullopt});
    std::map<std::string, std::filesystem::file_time_type> times;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        if (e.path().extension() != ".lock") times[e.path().filename()] = e.last_write_time();
    }
    data::AppState second;
    data::start_up(second, {dir.path(), std::nullopt});
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        if (e.path().extension() == ".lock") continue;  // the writers' locks, left in place on purpose
        EXPECT_EQ(times.at(e.path().filename()), e.last_write_time()) << e.path();
    }
    EXPECT_EQ(times.size(), 12u);  // eleven files and the Partner directory
}

TEST(StartUp, ShippedRulesGoToANewDirectoryOnly) {
    TempDir shipped;
    auto rules = data::default_summer_rules();
    rules[1985 - 1916].nezaveden = 0;
    rules[1985 - 1916].cely_rok = 1;
    shipped.write("LC.dat", data::encode_summer_rules(rules));

    TempDir dir;
    data::AppState state;
    data::start_up(state, {dir.path(), shipped.path()});
    EXPECT_EQ(dir.read("LC.dat"), shipped.read("LC.dat"));
    EXPECT_TRUE(state.engine.summer_time_in_effect(1985, 1, 1, 0));

    // The user's own rules are kept.
    const std::string own = data::encode_summer_rules(data::default_summer_rules());
    dir.write("LC.dat", own);
    data::start_up(state, {dir.path(), shipped.path()});
    EXPECT_EQ(dir.read("LC.dat"), own);
}

TEST(StartUp, StoredSummerFlagGivesTheZoneOffset) {
    TempDir dir;
    data::StartMem s;
    s.summer_flag = 1;
    dir.write("start.mem", encode(s));
    data::AppState state;
    data::start_up(state, {dir.path(), std::nullopt});
    EXPECT_EQ(state.zone_offset, 2);
    EXPECT_TRUE(state.date_dialog_summer);
}

TEST(StartUp, ZoneOutOfRangeFallsBackWithoutTouchingTheFile) {
    TempDir dir;
    data::StartMem s;
    s.zone_index = 30;
    dir.write("start.mem", encode(s));
    data::AppState state;
    data::start_up(state, {dir.path(), std::nullopt});
    EXPECT_EQ(state.start.zone_index, 2);
    EXPECT_EQ(state.zone_offset, 1);
    ASSERT_EQ(state.startup_warnings.size(), 1u);
    EXPECT_NE(state.startup_warnings[0].find("start.mem"), std::string::npos);
    EXPECT_EQ(dir.read("start.mem"), encode(s));
}

TEST(StartUp, MissingHomePlaceFallsBackToTheFirstPlaceAndSaysSo) {
    TempDir dir;
    data::StartMem s;
    s.home_place_name = "Brno";
    dir.write("start.mem", encode(s));
    data::TMisto plzen{"Plzeň", 13, 22, 1, 49, 45, 1};
    const std::string places = encode(plzen) + encode(data::default_place());
    dir.write("mista.dat", places);
    data::AppState state;
    data::start_up(state, {dir.path(), std::nullopt});
    EXPECT_EQ(state.current_place, plzen);
    ASSERT_EQ(state.startup_warnings.size(), 1u);
    EXPECT_NE(state.startup_warnings[0].find("„Brno“"), std::string::npos);
    EXPECT_NE(state.startup_warnings[0].find("„Plzeň“"), std::string::npos);
    EXPECT_EQ(dir.read("mista.dat"), places);
    EXPECT_EQ(dir.read("start.mem"), encode(s));

    dir.write("mista.dat", "");
    data::start_up(state, {dir.path(), std::nullopt});
    EXPECT_EQ(state.current_place, data::default_place());
    EXPECT_EQ(dir.read("mista.dat"), "");
}

// A broken file stops the start with its error code and stays as it was.
TEST(StartUp, BrokenFilesGiveTheirCodeAndAreNotOverwritten) {
    const std::string long_name = std::string(1, char(41)) + std::string(67, 'x');
    const struct {
        const char* file;
        std::string content;
        int code;
    } cases[] = {
        {"start.mem", std::string(100, '\0'), 4},
        {"start.mem", std::string(265, '\0'), 4},
        {"astro.mem", std::string(11, '\0'), 10},
        {"LC.dat", std::string(2299, '\0'), 15},
        {"LC.dat", std::string(2300, '\0'), 15},  // years out of sequence
        {"mista.dat", std::string(70, '\0'), 14},
        {"mista.dat", long_name, 14},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write(c.file, c.content);
        const auto e = start_error(dir);
        EXPECT_EQ(e.code(), c.code) << c.file;
        EXPECT_EQ(e.file(), c.file);
        EXPECT_NE(e.message().find(c.file), std::string::npos);
        EXPECT_EQ(dir.read(c.file), c.content) << c.file;
    }
}

TEST(StartUp, ADamagedSettingsFileIsSetAsideOnlyWhenAsked) {
    for (const char* file : {"start.mem", "astro.mem"}) {
        for (const std::string& damaged : {std::string(), std::string("\x01", 1), std::string(100, '\x07')}) {
            TempDir dir;
            dir.write(file, damaged);
            const auto e = start_error(dir);
            ASSERT_TRUE(e.damaged_settings()) << file;
            EXPECT_EQ(dir.read(file), damaged);  // nothing is touched before the user agrees
            const std::string question = data::damaged_settings_question(e, dir.path());
            EXPECT_EQ(question.rfind(e.message(), 0), 0u);
            EXPECT_NE(question.find("Pokračovat s výchozím nastavením?"), std::string::npos);
            EXPECT_NE(question.find(std::string("„") + file + ".poskozeny“"), std::string::npos) << question;

            EXPECT_EQ(data::set_aside_damaged(e, dir.path()), dir / (std::string(file) + ".poskozeny"));
            data::AppState state;
            data::start_up(state, {dir.path(), std::nullopt});
            EXPECT_EQ(dir.read(std::string(file) + ".poskozeny"), damaged);
            EXPECT_EQ(dir.read(file), expected_fresh_files()[file]);
        }
    }
    // A second damaged copy does not replace the first.
    TempDir dir;
    dir.write("start.mem.poskozeny", "first");
    dir.write("start.mem", "second");
    const auto e = start_error(dir);
    EXPECT_NE(data::damaged_settings_question(e, dir.path()).find("„start.mem.poskozeny.2“"), std::string::npos);
    data::set_aside_damaged(e, dir.path());
    EXPECT_EQ(dir.read("start.mem.poskozeny"), "first");
    EXPECT_EQ(dir.read("start.mem.poskozeny.2"), "second");
    // Files the program can start without are no such question.
    dir.write("LC.dat", "x");
    EXPECT_FALSE(start_error(dir).damaged_settings());
}

TEST(StartUp, MessagesNameTheDirectoryOrFileThatFailed) {
    TempDir dir;
    dir.write("plain", "x");
    EXPECT_EQ(start_error_in(dir / "plain").message(),
              "Datový adresář „" + (dir / "plain").string() + "“ nelze použít: není to adresář.");
    try {
        data::resolve_data_dir(std::string());
        ADD_FAILURE() << "an empty --dir was taken";
    } catch (const data::StartupError& e) {
        EXPECT_EQ(e.message(), "Volba --dir potřebuje název adresáře; prázdný název nelze použít.");
    }
    EXPECT_EQ(data::resolve_data_dir(std::string("/x/y")), std::filesystem::path("/x/y"));

    // osoby.dat that cannot be created (here a link into a folder that is gone): the start
    // goes on and the warning names the file.
    TempDir d2;
    std::filesystem::create_symlink(d2 / "gone" / "osoby.dat", d2 / "osoby.dat");
    data::AppState state;
    data::start_up(state, {d2.path(), std::nullopt});
    ASSERT_EQ(state.startup_warnings.size(), 1u);
    EXPECT_NE(state.startup_warnings[0].find("„" + (d2 / "osoby.dat").string() + "“"), std::string::npos)
        << state.startup_warnings[0];
}

TEST(StartUp, GarbledRuleRecordIsRefused) {
    auto rules = data::default_summer_rules();
    rules[10].nezaveden = 0;
    rules[10].zaveden = 1;
    rules[10].do_mesic = 13;
    std::string why;
    EXPECT_FALSE(data::decode_summer_rules(data::encode_summer_rules(rules), why));
    EXPECT_NE(why.find("1926"), std::string::npos);
    rules[10].do_mesic = 9;
    rules[10].od_den = 31;
    rules[10].od_mesic = 4;
    EXPECT_FALSE(data::decode_summer_rules(data::encode_summer_rules(rules), why));
}

TEST(StartUp, SmallOptionFilesThatAreBrokenKeepDefaultsAndStayAsTheyWere) {
    TempDir dir;
    dir.write("tattvy.set", "\x01\x01");
    dir.write("num.set", "");
    data::AppState state;
    data::start_up(state, {dir.path(), std::nullopt});
    EXPECT_EQ(state.tattvy.first_tattva, 0);
    EXPECT_EQ(state.num.numerology_digits, 4);
    EXPECT_EQ(state.startup_warnings.size(), 2u);
    EXPECT_EQ(dir.read("tattvy.set"), "\x01\x01");
    EXPECT_EQ(dir.read("num.set"), "");
}

TEST(Orbs, ZeroDiagonalIsRepairedAndShortFilesKeepWhatWasRead) {
    TempDir dir;
    std::string orbit1(1280, '\0');
    const double sun_moon = 10;
    std::memcpy(orbit1.data() + 8, &sun_moon, 8);  // [1][2]
    dir.write("orbit1.mem", orbit1);
    std::string orbit2 = std::string(16, '\0');
    orbit2[0] = 6;
    orbit2[1] = 1;
    const double two = 2.5;
    std::memcpy(orbit2.data() + 8, &two, 8);
    dir.write("orbit2.mem", orbit2);  // one record of twelve

    data::AppState state;
    data::start_up(state, {dir.path(), std::nullopt});
    const auto& m = state.orbs.orb_matrix;
    EXPECT_EQ(m[1][1], 12);
    EXPECT_EQ(m[2][2], 9);
    for (int a = 3; a <= 10; ++a) EXPECT_EQ(m[a][a], 5);
    EXPECT_EQ(m[1][2], 10);
    EXPECT_EQ(m[2][1], 0);  // off-diagonal zeros stay
    EXPECT_EQ(state.orbs.minor_orbs[1], (data::TMinorOrb{6, 1, 2.5}));
    EXPECT_EQ(state.orbs.minor_orbs[2], (data::TMinorOrb{}));
    ASSERT_EQ(state.startup_warnings.size(), 1u);
    EXPECT_NE(state.startup_warnings[0].find("orbit2.mem"), std::string::npos);
    EXPECT_EQ(dir.read("orbit1.mem"), orbit1);
    EXPECT_EQ(dir.read("orbit2.mem"), orbit2);
}

TEST(Orbs, OrbsThatAreNoNumberCountAsZero) {
    TempDir dir;
    std::string orbit2 = data::encode_orbit2([] {
        data::OrbTables t;
        data::default_minor_orbs(t);
        t.minor_orbs[3].orbis = std::numeric_limits<double>::quiet_NaN();
        t.minor_orbs[4].orbis = -1;
        return t;
    }());
    dir.write("orbit2.mem", orbit2);
    data::AppState state;
    data::start_up(state, {dir.path(), std::nullopt});
    EXPECT_EQ(state.orbs.minor_orbs[3].orbis, 0);
    EXPECT_EQ(state.orbs.minor_orbs[4].orbis, 0);
    EXPECT_EQ(state.orbs.minor_orbs[5].orbis, 2);
    EXPECT_EQ(state.startup_warnings.size(), 1u);
}
