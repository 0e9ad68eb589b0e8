// The interpretation library: names, the editors' choices, reading, saving and deleting.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "horoscope/interpretation.h"
#include "temp_dir.h"

using namespace sidora;
using namespace sidora::horoscope;

TEST(TextNames, NatalAndPartnerNamesFollowTheirPatterns) {
    struct Case {
        TConstellation c;
        const char* natal;
    };
    const Case cases[] = {
        {{1, 1, 0, 0, 0, 0, 0}, "P1Z1D0A0P0Z0D0.txt"},
        {{2, 0, 4, 0, 0, 0, 0}, "P2Z0D4A0P0Z0D0.txt"},
        {{1, 0, 0, 3, 7, 0, 0}, "P1Z0D0A3P7Z0D0.txt"},
        {{0, 5, 2, 0, 0, 0, 0}, "P0Z5D2A0P0Z0D0.txt"},
        {{24, 12, 12, 18, 23, 11, 10}, "P24Z12D12A18P23Z11D10.txt"},
    };
    for (const auto& k : cases) EXPECT_EQ(natal_text_name(k.c), k.natal);
    EXPECT_EQ(partner_text_name({4, 0, 0, 2, 5, 0, 0}), "RP4Z0D0A2P5Z0D0.txt");
}

std::string natal_name_of(const NatalChoice& c) {
    const auto r = natal_choice_constellation(c);
    if (const auto* why = std::get_if<std::string>(&r)) return *why;
    return natal_text_name(std::get<TConstellation>(r));
}

TEST(NatalEditor, NamesAndRefusals) {
    struct Case {
        NatalChoice choice;
        const char* expected;
    };
    const Case cases[] = {
        {{0, 1, 0, 0, 0, 0, 0}, "P1Z1D0A0P0Z0D0.txt"},
        {{1, 0, 4, 0, 0, 0, 0}, "P2Z0D4A0P0Z0D0.txt"},
        // Saturn in square with Slunce opens the file of Slunce with Saturn, signs and houses along.
        {{6, 0, 0, 3, 0, 0, 0}, "P1Z0D0A3P7Z0D0.txt"},
        {{6, 10, 4, 3, 0, 1, 7}, "P1Z1D7A3P7Z10D4.txt"},
        {{0, 1, 7, 3, 6, 10, 4}, "P1Z1D7A3P7Z10D4.txt"},
        // Without an aspect the second body's lists do not count.
        {{0, 1, 0, 0, 6, 3, 3}, "P1Z1D0A0P0Z0D0.txt"},
        // "5. dům" in "v Panně"; the disabled house and aspect lists are ignored.
        {{26, 6, 9, 4, 2, 0, 0}, "P0Z6D5A0P0Z0D0.txt"},
        {{31, 12, 0, 0, 0, 0, 0}, "P0Z12D12A0P0Z0D0.txt"},
        {{0, 0, 0, 0, 0, 0, 0}, kNoConstellation},
        {{26, 0, 0, 0, 0, 0, 0}, kNoConstellation},
        {{4, 0, 0, 1, 4, 0, 0}, kSelfAspect},
    };
    for (const auto& k : cases) EXPECT_EQ(natal_name_of(k.choice), k.expected) << k.expected;

    NatalChoice house_entry{24, 1, 0, 0, 0, 0, 0};
    EXPECT_FALSE(natal_house_enabled(house_entry));
    EXPECT_FALSE(natal_second_enabled(house_entry));
    EXPECT_FALSE(natal_second_enabled({0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(natal_second_enabled({0, 0, 0, 5, 0, 0, 0}));
}

TEST(PartnerEditor, AcceptedFormsAndRefusals) {
    struct Case {
        PartnerChoice choice;
        const char* expected;
    };
    const Case cases[] = {
        {{4, 0, 0, 2, 5, 0, 0}, "RP4Z0D0A2P5Z0D0.txt"},  // no reordering between the persons
        {{5, 0, 0, 2, 4, 0, 0}, "RP5Z0D0A2P4Z0D0.txt"},
        {{1, 3, 0, 0, 1, 0, 7}, "RP1Z3D0A0P1Z0D7.txt"},
        {{0, 0, 4, 0, 0, 0, 10}, "RP0Z0D4A0P0Z0D10.txt"},
        {{3, 0, 0, 0, 0, 0, 5}, "RP3Z0D0A0P0Z0D5.txt"},
        {{0, 0, 0, 0, 1, 0, 0}, kNoConstellation},
        {{1, 0, 0, 0, 0, 0, 0}, kNoConstellation},
        {{1, 0, 0, 0, 2, 3, 0}, kUnsupportedConstellation},  // different bodies without an aspect
        {{1, 0, 0, 0, 1, 0, 0}, kUnsupportedConstellation},  // same body, no sign or house
        {{0, 2, 4, 0, 0, 0, 10}, kUnsupportedConstellation},
    };
    for (const auto& k : cases) {
        const auto r = partner_choice_constellation(k.choice);
        const auto* why = std::get_if<std::string>(&r);
        EXPECT_EQ(why ? *why : partner_text_name(std::get<TConstellation>(r)), k.expected) << k.expected;
    }
}

TEST(TextFiles, SaveReadDeleteRoundTrip) {
    test::TempDir dir;
    const auto file = dir / "texty" / "P1Z1D0A0P0Z0D0.txt";
    EXPECT_FALSE(read_text(file));
    ASSERT_FALSE(save_text(file, "Slunce v Beranu\nžluťoučký kůň"));
    EXPECT_EQ(dir.read("texty/P1Z1D0A0P0Z0D0.txt"), "Slunce v Beranu\r\n\x9Elu\x9Dou\xE8k\xFD k\xF9\xF2\r\n");
    struct stat st{};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    // A read-only text is saved again, and stays read-only.
    ASSERT_FALSE(save_text(file, "druhý"));
    EXPECT_EQ(*read_text(file), std::vector<std::string>{"druhý"});
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_FALSE(delete_text(file));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(read_text(file));
}

TEST(TextFiles, ReadsCrLfAndBareLfAndALastLineWithoutEnd) {
    test::TempDir dir;
    dir.write("a.txt", "jedna\r\n\r\ndv\xEC\ntri");
    EXPECT_EQ(*read_text(dir / "a.txt"), (std::vector<std::string>{"jedna", "", "dvě", "tri"}));
    // A binary file reads without harm.
    dir.write("b.txt", std::string("\0\xFF\x81\r\r\n", 6));
    EXPECT_EQ(read_text(dir / "b.txt")->size(), 1u);
    EXPECT_FALSE(read_text(dir.path()));
}

TEST(TextFiles, RefusesCharactersOutsideTheCodePageNamingThem) {
    test::TempDir dir;
    const auto file = dir / "P1Z1D0A0P0Z0D0.txt";
    ASSERT_FALSE(save_text(file, "starý"));
    const auto why = save_text(file, "šipka → a ж, zase →");
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("„→“"), std::string::npos);
    EXPECT_NE(why->find("„ж“"), std::string::npos);
    EXPECT_EQ(why->find("„š“"), std::string::npos);
    EXPECT_EQ(*read_text(file), std::vector<std::string>{"starý"});
}

TEST(TextFiles, AFailedWriteKeepsTheOldTextAndSaysSo) {
    test::TempDir dir;
    const auto file = dir / "texty" / "P1Z1D0A0P0Z0D0.txt";
    ASSERT_FALSE(save_text(file, "původní"));
    // A writer that cannot take the file's lock cannot write, even as root.
    const auto lock = dir / "texty" / ".P1Z1D0A0P0Z0D0.txt.lock";
    std::filesystem::remove(lock);
    std::filesystem::create_directory(lock);
    const auto why = save_text(file, "nový");
    ASSERT_TRUE(why);
    struct stat st{};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_EQ(why->rfind("Výklad se nepodařilo uložit", 0), 0u);
    EXPECT_EQ(*read_text(file), std::vector<std::string>{"původní"});
}

TEST(TextFiles, PartnerDirectoryMatchedWithoutCase) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "partner");
    EXPECT_EQ(text_directory(dir.path(), kPartnerTextDir), dir / "partner");
    EXPECT_EQ(text_directory(dir.path(), kNatalTextDir), dir / "texty");
}
