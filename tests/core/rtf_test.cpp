// The texts window's rich text: round trip, ordinary RTF, and damaged files.
#include <gtest/gtest.h>

#include <random>

#include "models/rtf.h"

using namespace sidora::models;

TEST(Rtf, RoundTripKeepsTextAndEveryAttribute) {
    StyledDocument doc;
    doc.add(LineStyle::Title, "HOROSKOP");
    doc.add_empty();
    doc.add(LineStyle::Header, "Jméno: Žofie Řeřichová");
    doc.add(LineStyle::Section, "Slunce v Beranu {a} \\ závorky");
    doc.add(LineStyle::Subheading, "Paralely a kontraparalely");
    doc.add(LineStyle::Body, "šipka → a ж, tab\tkonec");
    doc.add(LineStyle::Note, "poznámka");
    doc.add(LineStyle::End, "KONEC.");
    const std::string rtf = write_rtf(doc);
    EXPECT_NE(rtf.find("\\ansicpg1250"), std::string::npos);
    EXPECT_NE(rtf.find("\\'8e"), std::string::npos);  // Ž in the code page
    EXPECT_NE(rtf.find("\\u8594?"), std::string::npos);  // → outside it
    std::string why;
    const auto back = read_rtf(rtf, why);
    ASSERT_TRUE(back) << why;
    EXPECT_EQ(back->lines(), doc.lines());
}

TEST(Rtf, ReadsOrdinaryRtfSkippingItsTables) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Times;}{\\f1 Arial;}}"
        "{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title Nadpis}}"
        "{\\*\\generator Nekdo;}\\pard\\plain\\fs20 Prvn\\'ed {\\b tu\\'e8n\\'e9}\\par"
        "\\cf1\\ul\\fs32 Druh\\u253\\'fd\\par{\\pict\\pngblip 89504e47}\\plain\\bin3 {}xa konec}";
    std::string why;
    const auto doc = read_rtf(rtf, why);
    ASSERT_TRUE(doc) << why;
    ASSERT_EQ(doc->lines().size(), 3u);
    EXPECT_EQ(doc->lines()[0].text, "První tučné");
    EXPECT_EQ(doc->lines()[0].size, 10);
    EXPECT_FALSE(doc->lines()[0].bold);
    EXPECT_EQ(doc->lines()[1].text, "Druhý");
    EXPECT_EQ(doc->lines()[1].colour, (Rgb{255, 0, 0}));
    EXPECT_TRUE(doc->lines()[1].underline);
    EXPECT_EQ(doc->lines()[1].size, 16);
    EXPECT_EQ(doc->lines()[2].text, "a konec");

    // Punctuation as control words, a table row as one line of cells.
    const auto words = read_rtf("{\\rtf1 \\ldblquote Ano\\rdblquote  \\endash  ne\\par{\\trowd a\\cell b\\cell\\row}}", why);
    ASSERT_TRUE(words) << why;
    ASSERT_EQ(words->lines().size(), 2u);
    EXPECT_EQ(words->lines()[0].text, "“Ano” – ne");
    EXPECT_EQ(words->lines()[1].text, "a\tb\t");
}

TEST(Rtf, DamagedFilesAreRefusedWithoutHarm) {
    StyledDocument doc;
    for (int i = 0; i < 20; ++i) doc.add(LineStyle::Body, "Řádek číslo " + std::to_string(i) + " {x}");
    const std::string good = write_rtf(doc);
    std::string deep = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i) deep += "{";
    const std::string cases[] = {
        "", "plain text", std::string("\0\xFF\x01{\\rtf", 8), good.substr(0, good.size() / 2), "{\\rtf1 {\\b a}",
        deep, "{\\rtf1 \\'", "{\\rtf1 \\'zz\\u-99999999999 \\fs-5 \\bin99999999 x}", "{\\rtf1 \\",
    };
    for (const auto& bytes : cases) {
        std::string why;
        EXPECT_FALSE(read_rtf(bytes, why)) << bytes.substr(0, 20);
        EXPECT_FALSE(why.empty());
    }
    std::string why;
    EXPECT_FALSE(read_rtf(deep, why));
    EXPECT_NE(why.find("vnořených"), std::string::npos);
    EXPECT_FALSE(read_rtf(good.substr(0, good.size() / 2), why));
    EXPECT_FALSE(why.empty());

    // Random garbage and every cut of a good file.
    std::mt19937 rng(7);
    for (int n = 0; n < 300; ++n) {
        std::string bytes = "{\\rtf1 ";
        for (int k = 0; k < 200; ++k) bytes += static_cast<char>(rng() % 256);
        read_rtf(bytes, why);
    }
    for (std::size_t cut = 0; cut < good.size(); cut += 7) read_rtf(good.substr(0, cut), why);
}
