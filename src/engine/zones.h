#pragma once
// The 24 whole-hour time zones and the yearly summer-time rules.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sidora::engine {

inline constexpr int kZoneCount = 24;
// Rows 1..24 (index 0 unused).
const std::string& zone_name(int zone_index);
int zone_offset_hours(int zone_index);
// The first row whose name equals the text, or 0 when none does.
int zone_index_of_name(const std::string& name);
bool valid_zone_index(int zone_index);

// One year's summer-time rule. Start hours are standard time, end hours are labelled in
// summer time; both are compared with the tested clock hour as they stand.
struct TLetniRok {
    std::int32_t rok = 0;
    std::uint8_t zaveden = 0, nezaveden = 1, cely_rok = 0, dvakrat = 0;
    std::uint8_t od_mesic = 3, od_den = 28, od_hodina = 2;
    std::uint8_t do_mesic = 9, do_den = 28, do_hodina = 2;
    std::uint8_t od2_mesic = 3, od2_den = 28, od2_hodina = 2;
    std::uint8_t do2_mesic = 9, do2_den = 28, do2_hodina = 2;
    friend bool operator==(const TLetniRok&, const TLetniRok&) = default;
};

inline constexpr int kSummerFirstYear = 1916;
inline constexpr int kSummerFileLastYear = 2030;  // last year kept in the rule file
inline constexpr int kSummerLastYear = 2100;      // last year of the table in memory
inline constexpr int kSummerFileYears = kSummerFileLastYear - kSummerFirstYear + 1;  // 115

// A year that has no summer time.
TLetniRok summer_rule_not_introduced(int year);

// Hour count of a date and hour within its year (1 January 0 h is 0); -1 when the month
// or day does not exist.
long hour_of_year(int year, int month, int day, int hour);

}  // namespace sidora::engine
