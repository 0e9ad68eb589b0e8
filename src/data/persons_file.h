#pragma once
// osoby.dat: a version record in the shape of a person, then 104-byte person records.
#include <cstdint>
#include <optional>
#include <string>

namespace sidora::data {

struct TOsoba {
    static constexpr std::size_t kSize = 104;
    static constexpr std::size_t kNameCapacity = 30;
    std::string name;
    std::uint8_t male = 1;
    std::int32_t year = 2000;
    std::uint8_t month = 1, day = 1, hour = 0, minute = 0;
    std::uint8_t summer = 0;
    std::uint8_t zone = 2;
    std::string place;
    std::int32_t lon_deg = 0, lon_min = 0;
    std::uint8_t east = 1;
    std::int32_t lat_deg = 0, lat_min = 0;
    std::uint8_t north = 1;
    std::uint8_t house_system = 1;
    friend bool operator==(const TOsoba&, const TOsoba&) = default;
};

inline constexpr const char* kPersonsFile = "osoby.dat";

// Record 0 of a new persons file.
TOsoba version_record();

std::string encode(const TOsoba& person);
// Nothing when the record has the wrong size or a text longer than its field.
std::optional<TOsoba> decode_person(const std::string& record);

}  // namespace sidora::data
