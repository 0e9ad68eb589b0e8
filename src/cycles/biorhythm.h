#pragma once
// Biorhythms: the three cycles counted from the day of birth, the 30-day table, its curves,
// the partner comparison and the printed table.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace sidora::cycles {

inline constexpr std::array<int, 3> kPeriods = {23, 28, 33};  // physical, emotional, intellectual
inline constexpr int kTableRows = 30;

struct CivilDate {
    int year = 2000, month = 1, day = 1;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Whole days from `birth` to `date`: Julian days at 12:00 without zone, rounded.
int age_days(const CivilDate& birth, const CivilDate& date);

// '!' on x = 0 and x = P div 2, '+' between them, '-' after.
char phase_mark(int position, int period);

// What the "Dítě" column suggests for a day.
enum class Child { Man, Unsure, Boy, BoyLikely, Girl, GirlLikely };
// For a woman by the physical and emotional positions; later rules override earlier ones.
Child child_of(bool male, int f, int e);
// "---------", "?", "Kluk", "Kluk!", "Holka", "Holka!".
const char* child_text(Child child);

struct BioRow {
    CivilDate date;
    std::string date_text;  // "5.3.1970"
    int age = 0;
    std::array<int, 3> positions{};  // F, E, I
    std::array<char, 3> marks{};
    Child child = Child::Man;
};

// "Nelze spočítat biorytmy pro dobu před narozením!"
inline constexpr const char* kBeforeBirth = "Nelze spočítat biorytmy pro dobu před narozením!";
// "Datum narození mimo povolené rozmezí let 1800 až 2100!"
std::string year_range_message();
bool year_in_range(int year);

// The table's 30 rows from `start`; nothing when `start` lies before the birth.
std::optional<std::vector<BioRow>> bio_rows(const CivilDate& birth, bool male, const CivilDate& start);

// "d.m.y" without leading zeros.
std::string dotted_date(const CivilDate& date);

// The curve chart of a paint box `width` pixels wide.
struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};
inline constexpr int kAxisY = 125;
// Points k = 0..30 of cycle `cycle` (0 F, 1 E, 2 I) whose position on the start date is x0.
std::vector<Point> curve_points(int width, int cycle, int x0);
// x of the ticks k = 1..29.
std::vector<int> tick_positions(int width);
// The axis segment of row 1..30: from a·(r − 1) to a·r.
std::pair<int, int> row_segment(int width, int row);

// Partner comparison of two birth dates.
struct Harmony {
    std::string cycle;    // "Fyzický" …, "Průměr"
    int percent = 0;
    std::string text;     // "100%  Mimořádně harmonický vztah!"
};
struct Comparison {
    int days = 0;
    std::array<Harmony, 4> rows;
};
Comparison compare(const CivilDate& first, const CivilDate& second);
const char* harmony_verdict(int percent);

// The printed table: lines of columns, measured in millimetres from the page's top left.
struct PrintItem {
    double x = 0, y = 0;  // mm, baseline
    std::string text;
    double size = 10;     // points
    bool bold = false;
    friend bool operator==(const PrintItem&, const PrintItem&) = default;
};
struct PrintPage {
    std::vector<PrintItem> items;
};
// "+++++", "---------" or "!!!!!!!!!!!!".
const char* print_mark(char mark);
PrintPage print_layout(const std::string& name, const std::string& birth_text, bool male,
                       const std::vector<BioRow>& rows);

}  // namespace sidora::cycles
