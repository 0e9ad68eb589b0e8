#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "data/window_place.h"

using sidora::data::WindowPlace;
using sidora::data::parse_window_place;

TEST(WindowPlace, ReadsOnlyOneLineOfSaneNumbers) {
    struct Case {
        const char* text;
        std::optional<WindowPlace> place;
    };
    const Case cases[] = {
        {"40 30 900 700 0\n", WindowPlace{40, 30, 900, 700, false}},
        {"-1200 0 800 600 1", WindowPlace{-1200, 0, 800, 600, true}},  // a screen to the left
        {"", std::nullopt},
        {"40 30 900 700", std::nullopt},
        {"40 30 900 700 0 7", std::nullopt},
        {"40 30 90 700 0", std::nullopt},       // too small to find again
        {"40 30 900 700 2", std::nullopt},
        {"40 30 99999999999 700 0", std::nullopt},
        {"x 30 900 700 0", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parse_window_place(c.text), c.place) << c.text;
}

TEST(WindowPlace, SavedPlaceReadsBackAndADamagedFileIsIgnored) {
    const auto dir = std::filesystem::temp_directory_path() / ("sidora_window_place_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    EXPECT_EQ(sidora::data::read_window_place(dir), std::nullopt);
    const WindowPlace p{12, 34, 1024, 768, true};
    ASSERT_TRUE(sidora::data::save_window_place(dir, p));
    EXPECT_EQ(sidora::data::read_window_place(dir), p);
    std::ofstream(dir / WindowPlace::kFile, std::ios::binary) << "\x01\x02 garbage";
    EXPECT_EQ(sidora::data::read_window_place(dir), std::nullopt);
    std::filesystem::remove_all(dir);
}
