// The interpretation editors: their lists, what a load opens and says, and that saving and
// deleting act on the loaded text only.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "models/text_editors.h"
#include "temp_dir.h"

using namespace sidora;
using namespace sidora::models;

namespace {

const data::AspectDefs& defs() {
    static const data::AspectDefs d = data::make_aspect_defs();
    return d;
}

unsigned mode_of(const std::filesystem::path& p) {
    struct stat st{};
    return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
}

}  // namespace

TEST(NatalTextEditor, ListsAsTheWindowShowsThem) {
    NatalTextEditor ed("unused", defs());
    const auto planets = ed.planet_entries();
    ASSERT_EQ(planets.size(), 32u);
    EXPECT_EQ(planets[0], "Slunce");
    EXPECT_EQ(planets[10], "Vzestupný uzel");
    EXPECT_EQ(planets[23], "Chiron");
    EXPECT_EQ(planets[24], "2. dům");
    EXPECT_EQ(planets[26], "5. dům");
    EXPECT_EQ(planets[31], "12. dům");
    const auto signs = ed.sign_list();
    ASSERT_EQ(signs.size(), 13u);
    EXPECT_EQ(signs[0], "jakémkoliv");
    EXPECT_EQ(signs[1], "v Beranu");
    EXPECT_EQ(signs[12], "v Rybách");
    const auto houses = ed.house_entries();
    ASSERT_EQ(houses.size(), 13u);
    EXPECT_EQ(houses[0], "jakémkoliv");
    EXPECT_EQ(houses[12], "v 12. domě");
    const auto aspects = ed.aspect_list();
    ASSERT_EQ(aspects.size(), 19u);
    EXPECT_EQ(aspects[0], "žádném");
    EXPECT_EQ(aspects[3], "kvadratura");
    EXPECT_EQ(aspects[18], "deklinační kontraparalela");
    EXPECT_EQ(ed.body2_entries().size(), 24u);

    // Enabling follows the choice: a house entry takes the house and aspect lists away, an
    // aspect brings the second body's lists.
    EXPECT_TRUE(ed.house_enabled());
    EXPECT_FALSE(ed.second_enabled());
    ed.choice.aspect = 4;
    EXPECT_TRUE(ed.second_enabled());
    ed.choice.planet = 26;
    EXPECT_FALSE(ed.house_enabled());
    EXPECT_FALSE(ed.aspect_enabled());
    EXPECT_FALSE(ed.second_enabled());
}

TEST(PartnerTextEditor, ListsKeepTheirOwnWording) {
    PartnerTextEditor ed("unused", defs());
    EXPECT_EQ(ed.body_entries().size(), 25u);
    EXPECT_EQ(ed.body_entries()[0], "neurčena");
    EXPECT_EQ(ed.body_entries()[4], "Venuše");
    EXPECT_EQ(ed.sign2_entries()[0], "nerčeno");
    EXPECT_EQ(ed.sign1_entries()[0], "neurčeno");
    EXPECT_EQ(ed.sign1_entries()[6], "v Panně");
    EXPECT_EQ(ed.house2_entries()[0], "neurčen");
    EXPECT_EQ(ed.house2_entries()[3], "3. dům");
    EXPECT_EQ(ed.house1_entries()[3], "v 3. dům");
    EXPECT_EQ(ed.aspect_list()[0], "žádný");
    EXPECT_EQ(ed.aspect_list().size(), 19u);
}

TEST(NatalTextEditor, LoadOpensTheNamedFileAndDescribesIt) {
    test::TempDir dir;
    NatalTextEditor ed(dir / "texty", defs());
    struct Case {
        horoscope::NatalChoice choice;
        const char* file;
        const char* caption;
    };
    const Case cases[] = {
        {{6, 0, 0, 3, 0, 0, 0}, "P1Z0D0A3P7Z0D0.txt", "Saturn kvadratura Slunce"},
        {{0, 1, 1, 4, 1, 5, 5}, "P1Z1D1A4P2Z5D5.txt", "Slunce v Beranu a v 1. domě trigon Měsíc ve Lvu a v 5. domě"},
        {{1, 0, 4, 0, 0, 0, 0}, "P2Z0D4A0P0Z0D0.txt", "Měsíc v 4. domě"},
        {{26, 6, 0, 0, 0, 0, 0}, "P0Z6D5A0P0Z0D0.txt", "5. dům v Panně"},
    };
    for (const auto& k : cases) {
        ed.choice = k.choice;
        ASSERT_FALSE(ed.load()) << k.file;
        EXPECT_EQ(ed.file(), k.file);
        EXPECT_EQ(ed.caption(), k.caption);
        EXPECT_TRUE(ed.not_found_visible());
        EXPECT_FALSE(ed.delete_enabled());
        EXPECT_TRUE(ed.editable());
    }
    // The load created the library's directory.
    EXPECT_TRUE(std::filesystem::is_directory(dir / "texty"));
}

TEST(NatalTextEditor, RefusedChoicesKeepTheLoadedText) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "texty");
    dir.write("texty/P1Z1D0A0P0Z0D0.txt", "Slunce v Beranu\r\n");
    NatalTextEditor ed(dir / "texty", defs());
    ed.choice.sign = 1;
    ASSERT_FALSE(ed.load());
    ASSERT_EQ(ed.text(), "Slunce v Beranu");
    const std::pair<horoscope::NatalChoice, const char*> refused[] = {
        {{0, 0, 0, 0, 0, 0, 0}, horoscope::kNoConstellation},
        {{24, 0, 5, 0, 0, 0, 0}, horoscope::kNoConstellation},
        {{3, 0, 0, 2, 3, 0, 0}, horoscope::kSelfAspect},
    };
    for (const auto& [choice, why] : refused) {
        ed.choice = choice;
        EXPECT_EQ(ed.check(), why);
        EXPECT_EQ(ed.load(), why);
        EXPECT_EQ(ed.file(), "P1Z1D0A0P0Z0D0.txt");
        EXPECT_EQ(ed.text(), "Slunce v Beranu");
    }
}

TEST(NatalTextEditor, TextIsReadOnlyUntilALoad) {
    test::TempDir dir;
    NatalTextEditor ed(dir / "texty", defs());
    EXPECT_FALSE(ed.editable());
    ed.edit("napsáno předem");
    EXPECT_EQ(ed.text(), "");
    EXPECT_FALSE(ed.unsaved());
    EXPECT_FALSE(ed.save());
    EXPECT_FALSE(std::filesystem::exists(dir / "texty"));
}

TEST(NatalTextEditor, SavesToTheLoadedConstellationNotToTheListsShownLater) {
    test::TempDir dir;
    NatalTextEditor ed(dir / "texty", defs());
    ed.choice.sign = 1;  // Slunce v Beranu
    ASSERT_FALSE(ed.load());
    ed.edit("Slunce v Beranu: první řádek\ndruhý");
    EXPECT_TRUE(ed.save_enabled());
    ed.choice = {6, 10, 0, 0, 0, 0, 0};  // the lists moved on to Saturn v Kozorohu
    ASSERT_FALSE(ed.save());
    const auto saved = dir / "texty" / "P1Z1D0A0P0Z0D0.txt";
    EXPECT_EQ(dir.read("texty/P1Z1D0A0P0Z0D0.txt"), "Slunce v Beranu: prvn\xED \xF8\xE1\x64\x65k\r\ndruh\xFD\r\n");
    EXPECT_EQ(mode_of(saved), 0444u);
    EXPECT_FALSE(std::filesystem::exists(dir / "texty" / "P7Z10D0A0P0Z0D0.txt"));
    EXPECT_FALSE(ed.save_enabled());
    EXPECT_TRUE(ed.delete_enabled());
    EXPECT_FALSE(ed.not_found_visible());

    // A refused character keeps the file and the question about the unsaved text.
    ed.edit("šipka →");
    const auto why = ed.save();
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("„→“"), std::string::npos);
    EXPECT_TRUE(ed.unsaved());
    EXPECT_EQ(horoscope::read_text(saved)->front(), "Slunce v Beranu: první řádek");
}

TEST(NatalTextEditor, UnsavedOnlyAfterARealChange) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "texty");
    dir.write("texty/P2Z0D4A0P0Z0D0.txt", "M\xECs\xED" "c\r\nve 4. dom\xEC\r\n");
    NatalTextEditor ed(dir / "texty", defs());
    ed.choice = {1, 0, 4, 0, 0, 0, 0};
    ASSERT_FALSE(ed.load());
    EXPECT_EQ(ed.text(), "Měsíc\nve 4. domě");
    EXPECT_FALSE(ed.unsaved());
    ed.edit(ed.text() + " navíc");
    EXPECT_TRUE(ed.unsaved());
    ed.edit("Měsíc\nve 4. domě");
    EXPECT_FALSE(ed.unsaved());
    // An emptied text cannot be saved, so nothing asks about it.
    ed.edit("");
    EXPECT_FALSE(ed.unsaved());
    EXPECT_FALSE(ed.save_enabled());
}

TEST(NatalTextEditor, DeleteLeavesNoFileAndTheNextLoadFindsNone) {
    test::TempDir dir;
    NatalTextEditor ed(dir / "texty", defs());
    ed.choice.sign = 3;
    ASSERT_FALSE(ed.load());
    ed.edit("Slunce v Blížencích");
    ASSERT_FALSE(ed.save());
    ASSERT_TRUE(ed.delete_enabled());
    ASSERT_FALSE(ed.remove());
    EXPECT_FALSE(std::filesystem::exists(dir / "texty" / "P1Z3D0A0P0Z0D0.txt"));
    EXPECT_EQ(ed.text(), "");
    EXPECT_FALSE(ed.delete_enabled());
    EXPECT_FALSE(ed.save_enabled());
    ASSERT_FALSE(ed.load());
    EXPECT_TRUE(ed.not_found_visible());
}

TEST(PartnerTextEditor, FormsNamesAndDescriptions) {
    test::TempDir dir;
    PartnerTextEditor ed(dir / "Partner", defs());
    struct Case {
        horoscope::PartnerChoice choice;
        const char* file;
        const char* caption;
    };
    const Case cases[] = {
        {{4, 0, 0, 2, 5, 0, 0}, "RP4Z0D0A2P5Z0D0.txt", "Venuše 2. osoby sextil Mars 1. osoby"},
        {{5, 0, 0, 2, 4, 0, 0}, "RP5Z0D0A2P4Z0D0.txt", "Mars 2. osoby sextil Venuše 1. osoby"},
        {{1, 3, 0, 0, 1, 0, 7}, "RP1Z3D0A0P1Z0D7.txt", "Slunce v Blížencích 2. osoby a Slunce v 7. domě 1. osoby"},
        {{0, 0, 4, 0, 0, 0, 10}, "RP0Z0D4A0P0Z0D10.txt", "4. dům 2. osoby v 10. domě 1. osoby"},
        {{3, 0, 0, 0, 0, 0, 5}, "RP3Z0D0A0P0Z0D5.txt", "Merkur 2. osoby v 5. domě 1. osoby"},
    };
    for (const auto& k : cases) {
        ed.choice = k.choice;
        ASSERT_FALSE(ed.load()) << k.file;
        EXPECT_EQ(ed.file(), k.file);
        EXPECT_EQ(ed.caption(), k.caption);
    }
    ed.choice = {1, 0, 0, 0, 2, 3, 0};
    EXPECT_EQ(ed.load(), horoscope::kUnsupportedConstellation);
    ed.choice = {};
    EXPECT_EQ(ed.load(), horoscope::kNoConstellation);
    EXPECT_EQ(ed.file(), "RP3Z0D0A0P0Z0D5.txt");

    ed.edit("Merkur v domě partnera");
    ed.choice = {4, 0, 0, 2, 5, 0, 0};
    ASSERT_FALSE(ed.save());
    EXPECT_EQ(dir.read("Partner/RP3Z0D0A0P0Z0D5.txt"), "Merkur v dom\xEC partnera\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Partner" / "RP4Z0D0A2P5Z0D0.txt"));
}
