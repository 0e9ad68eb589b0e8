#pragma once
// mista.dat: a bare sequence of 68-byte place records.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
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
    // Set when read: a coordinate off the globe. Such a record is listed but never used.
    bool damaged = false;
    friend bool operator==(const TMisto&, const TMisto&) = default;
};

inline constexpr const char* kPlacesFile = "mista.dat";

// The place a new places file starts with.
TMisto default_place();

std::string encode(const TMisto& place);
// Nothing when the record's name is longer than its field. A record whose coordinates lie
// off the globe comes back with `damaged` set.
std::optional<TMisto> decode_place(std::string_view record);

// Why a place cannot be used, naming the record and the file; nothing for a sound place.
std::optional<std::string> damaged_place_message(const TMisto& place);

// The records of a file image; fails (nothing, `why` in Czech) like read_places.
std::optional<std::vector<TMisto>> decode_places(std::string_view bytes, std::string& why);

// All records of the file in file order. Fails (nothing returned, `why` in Czech) when the
// file cannot be read, its size is not a whole number of records, or a record is garbled.
std::optional<std::vector<TMisto>> read_places(const std::filesystem::path& file, std::string& why);

}  // namespace sidora::data
