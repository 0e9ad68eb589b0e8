#pragma once
// Numerology of a birth date: the digit grid, the vibration digit, the eight lines, the
// weekday and its ruler, the planetary hour of birth and the names of the texts it reads.
#include <array>
#include <string>
#include <vector>

#include "data/persons_file.h"
#include "engine/engine_state.h"

namespace sidora::cycles {

// n reduced to one decimal digit by summing its digits.
int reduce(int n);

struct Line {
    const char* key;   // for the command line's JSON
    const char* hint;  // the cell's hint in the window
    int value = 0;
};

struct NumerologyGrid {
    std::vector<int> digits;     // of day, month and year written one after another
    std::array<int, 10> counts{};  // c1..c9 (index 0 unused)
    int subtotal = 0;            // S
    int vibration = 0;           // V
    std::array<Line, 8> lines{};
};
NumerologyGrid numerology_grid(int day, int month, int year);

// 1 = Sunday … 7 = Saturday and "Slunce" … "Saturn".
const char* day_ruler(int weekday);

// The planetary hour of birth. Without a place or where the Sun does not rise: "?", "????".
struct PlanetaryHour {
    bool known = false;
    int hour = 0;               // 1..24, 13..24 the night hours
    std::string text = "?";     // "8. noční"
    std::string ruler = "????";
};
// Uses sun_day at the geometric horizon in the person's zone and summer time; the engine's
// rise_mode is put back afterwards, since the main window's next day refresh reads it.
PlanetaryHour planetary_hour(engine::Engine& engine, const data::TOsoba& person);
// The ruler of hour k (1..24) of the day whose first hour belongs to `weekday`.
const char* hour_ruler(int weekday, int k);

// "V7.txt"; "C1x2.txt", or "C1xn.txt" for a count above `max_count`.
std::string vibration_file(int digit);
std::string digit_file(int digit, int count, int max_count);
// "Vibrační číslo: 7"; "Číslice 1: 2 krát".
std::string vibration_heading(int digit);
std::string digit_heading(int digit, int count);

}  // namespace sidora::cycles
