#pragma once
// mista.dat: a bare sequence of 68-byte place records.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sidora::data {

struct TMisto {
    static constexpr std::size_t kSize = 68;
    static constexpr std::size_t kNameCapacity = 40;
    std::string name;
    std::int32_t lon_deg = 0, lon_min = 0;
    std::uint8_t east = 1;
    std::int32_t lat_deg = 0, lat_min = 0;
    std::uint8_t north = 1;
    friend bool operator==(const TMisto&, const TMisto&) = default;
};

inline constexpr const char* kPlacesFile = "mista.dat";

// The place a new places file starts with.
TMisto default_place();

std::string encode(const TMisto& place);
// Nothing when the record's name is longer than its field.
std::optional<TMisto> decode_place(const std::string& record);

// All records of the file in file order. Fails (nothing returned, `why` in Czech) when the
// file cannot be read, its size is not a whole number of records, or a record is garbled.
std::optional<std::vector<TMisto>> read_places(const std::filesystem::path& file, std::string& why);

}  // namespace sidora::data
