#include <gtest/gtest.h>

#include "io/cp1250.h"
#include "io/record.h"

using namespace sidora::io;

TEST(Cp1250, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8_to_cp1250(cp1250_to_utf8(all)), all);
}

TEST(Cp1250, CzechLettersAndMarksMapToTheirBytes) {
    const struct {
        const char* utf8;
        unsigned char byte;
    } cases[] = {
        {"á", 0xE1}, {"č", 0xE8}, {"ď", 0xEF}, {"é", 0xE9}, {"ě", 0xEC}, {"í", 0xED},
        {"ň", 0xF2}, {"ó", 0xF3}, {"ř", 0xF8}, {"š", 0x9A}, {"ť", 0x9D}, {"ú", 0xFA},
        {"ů", 0xF9}, {"ý", 0xFD}, {"ž", 0x9E}, {"Á", 0xC1}, {"Č", 0xC8}, {"Ď", 0xCF},
        {"É", 0xC9}, {"Ě", 0xCC}, {"Í", 0xCD}, {"Ň", 0xD2}, {"Ó", 0xD3}, {"Ř", 0xD8},
        {"Š", 0x8A}, {"Ť", 0x8D}, {"Ú", 0xDA}, {"Ů", 0xD9}, {"Ý", 0xDD}, {"Ž", 0x8E},
        {"°", 0xB0}, {"´", 0xB4}, {"€", 0x80}, {"„", 0x84}, {"“", 0x93},
    };
    for (const auto& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(utf8_to_cp1250(c.utf8), byte) << c.utf8;
        EXPECT_EQ(cp1250_to_utf8(byte), c.utf8) << int(c.byte);
    }
}

TEST(Cp1250, UnmappableAndMalformedTextBecomesQuestionMarks) {
    EXPECT_EQ(utf8_to_cp1250("a♈b"), "a?b");
    EXPECT_EQ(utf8_to_cp1250(std::string("x\xC3", 2)), "x?");
    EXPECT_EQ(utf8_length("Žluťoučký"), 9u);
    EXPECT_EQ(utf8_left("Žluťoučký", 4), "Žluť");
}

TEST(Record, IntegersAndDoublesAreLittleEndian) {
    RecordWriter w(12);
    w.i32(0, -2);
    w.f64(4, 1.5);
    EXPECT_EQ(w.bytes(), std::string("\xFE\xFF\xFF\xFF\x00\x00\x00\x00\x00\x00\xF8\x3F", 12));
    RecordReader r(w.bytes());
    EXPECT_EQ(r.i32(0), -2);
    EXPECT_EQ(r.f64(4), 1.5);
    EXPECT_THROW(r.i32(10), std::out_of_range);
}

TEST(Record, ShortStringsAreCutToCapacityAndCheckedOnRead) {
    RecordWriter w(6);
    w.short_string(0, 5, "Žďárek");  // 6 characters, cut to 5 bytes
    EXPECT_EQ(w.bytes(), std::string("\x05\x8E\xEF\xE1r\x65", 6));
    EXPECT_EQ(RecordReader(w.bytes()).short_string(0, 5), "Žďáre");

    std::string garbled = w.bytes();
    garbled[0] = 6;
    EXPECT_THROW(RecordReader(garbled).short_string(0, 5), RecordError);
}
