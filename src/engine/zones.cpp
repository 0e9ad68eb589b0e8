#include "engine/zones.h"

#include "engine/time.h"

namespace sidora::engine {
namespace {

const std::array<std::string, kZoneCount + 1> kNames = {
    "",
    "0 hod: západoevropské, greenvichské",
    "+1 hod: středoevropské",
    "+2 hod: východoevropské",
    "+3 hod: volžské, kavkazské",
    "+4 hod: uralské, transkaspické",
    "+5 hod: madrazské, pamírské, západosibiřské",
    "+6 hod: kalkatské, tibetské, jenisejské",
    "+7 hod: indočínské, malajské, irkutské",
    "+8 hod: čínské, filipínské, amurské",
    "+9 hod: japonské, přímořské",
    "+10 hod: východoaustralské, ochotské",
    "+11 hod: novokaledonské, kamčatské",
    "+12 hod: novozélandské",
    "-11 hod: behringovo, čukotské",
    "-10 hod: aljašské, tahitské",
    "-9 hod: východokanadské, kolumbijské",
    "-8 hod: tichomořské, kalifornské",
    "-7 hod: horské",
    "-6 hod: středoamerické",
    "-5 hod: východoamerické, panamské",
    "-4 hod: interkoloniální",
    "-3 hod: brazilské",
    "-2 hod: atlantské, azorské",
    "-1 hod: senegalské, kanárské",
};

constexpr std::array<int, kZoneCount + 1> kOffsets = {0,   0,   1,   2,  3,  4,  5,  6,  7,
                                                     8,   9,   10,  11, 12, -11, -10, -9, -8,
                                                     -7,  -6,  -5,  -4, -3, -2, -1};

}  // namespace

bool valid_zone_index(int zone_index) { return zone_index >= 1 && zone_index <= kZoneCount; }

const std::string& zone_name(int zone_index) {
    return kNames[valid_zone_index(zone_index) ? static_cast<std::size_t>(zone_index) : 0];
}

int zone_offset_hours(int zone_index) {
    return valid_zone_index(zone_index) ? kOffsets[static_cast<std::size_t>(zone_index)] : 0;
}

int zone_index_of_name(const std::string& name) {
    for (int i = 1; i <= kZoneCount; ++i) {
        if (kNames[static_cast<std::size_t>(i)] == name) return i;
    }
    return 0;
}

TLetniRok summer_rule_not_introduced(int year) {
    TLetniRok r;
    r.rok = year;
    return r;
}

long hour_of_year(int year, int month, int day, int hour) {
    if (month < 1 || month > 12 || day < 1 || day > days_in_month(month, year)) return -1;
    long days = day - 1;
    for (int m = 1; m < month; ++m) days += days_in_month(m, year);
    return days * 24 + hour;
}

}  // namespace sidora::engine
