#pragma once
// The four tables of the table window: rising and setting, the detailed and the simple
// ephemeris, and the lunar phases by lunation. Every cell as the window shows it, and the
// numbers behind the cells for the command line.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/places_file.h"
#include "engine/engine_state.h"
#include "tables/choice.h"

namespace sidora::tables {

struct Column {
    std::string header;
    int width = 0;  // pixels
};

struct TableContext {
    int zone_offset = 1;  // taken once for the whole table
    data::TMisto place;
    bool zodiacal = true;
    bool seconds = false;
    int threads = 2;  // the simple ephemeris splits its days between this many engines
};

struct EphemerisTable {
    std::string caption, label1, label2;
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;  // row 0 is the header
    int last_row_index = 0;

    // Per day (tables 2 and 3): the rows of the shown bodies, and the note (table 2).
    struct Day {
        Instant date;
        std::vector<engine::TBodyRow> bodies;
        std::string note;
    };
    std::vector<Day> days;
    std::vector<int> items;  // the list item of each body column (tables 2 and 3)
    // Per lunation (table 4): its number and the phases by column (new, first quarter,
    // full, last quarter).
    struct Lunation {
        int number = 0;
        std::array<std::optional<Instant>, 4> phases;
    };
    std::vector<Lunation> lunations;
};

// Called after each row with the bar's value and maximum and the window's caption; false
// asks the table to stop.
using Progress = std::function<bool(int value, int maximum, const std::string& caption)>;

inline constexpr double kSynodicMonth = 29.530588853;

// The table of a checked choice on the caller's engine (rise_mode and planet_selection are
// put back); nothing when stopped.
std::optional<EphemerisTable> compute_table(engine::Engine& engine, const TableChoice& choice,
                                            const TableContext& context, const Progress& progress = {});

// Lunation number of the new moon on a date: whole mean months since that of 17.1.1923.
int lunation_number(const Instant& new_moon_date);

}  // namespace sidora::tables
