#include "data/places_file.h"

#include "io/files.h"
#include "io/record.h"

namespace sidora::data {

TMisto default_place() {
    TMisto p;
    p.name = "Praha";
    p.lon_deg = 14;
    p.lon_min = 25;
    p.east = 1;
    p.lat_deg = 50;
    p.lat_min = 5;
    p.north = 1;
    return p;
}

std::string encode(const TMisto& p) {
    io::RecordWriter w(TMisto::kSize);
    w.short_string(0, TMisto::kNameCapacity, p.name);
    w.i32(44, p.lon_deg);
    w.i32(48, p.lon_min);
    w.u8(52, p.east);
    w.i32(56, p.lat_deg);
    w.i32(60, p.lat_min);
    w.u8(64, p.north);
    return w.bytes();
}

std::optional<TMisto> decode_place(const std::string& record) {
    if (record.size() != TMisto::kSize) return std::nullopt;
    io::RecordReader r(record);
    TMisto p;
    try {
        p.name = r.short_string(0, TMisto::kNameCapacity);
    } catch (const io::RecordError&) {
        return std::nullopt;
    }
    p.lon_deg = r.i32(44);
    p.lon_min = r.i32(48);
    p.east = r.u8(52) != 0;
    p.lat_deg = r.i32(56);
    p.lat_min = r.i32(60);
    p.north = r.u8(64) != 0;
    return p;
}

std::optional<std::vector<TMisto>> read_places(const std::filesystem::path& file, std::string& why) {
    const auto bytes = io::read_file(file);
    if (!bytes) {
        why = "soubor nelze otevřít.";
        return std::nullopt;
    }
    if (bytes->size() % TMisto::kSize != 0) {
        why = "délka souboru (" + std::to_string(bytes->size()) +
              " bajtů) není násobkem délky záznamu 68 bajtů; soubor je poškozený.";
        return std::nullopt;
    }
    std::vector<TMisto> places;
    for (std::size_t off = 0; off < bytes->size(); off += TMisto::kSize) {
        auto p = decode_place(bytes->substr(off, TMisto::kSize));
        if (!p) {
            why = "záznam " + std::to_string(off / TMisto::kSize + 1) + " má poškozený název.";
            return std::nullopt;
        }
        places.push_back(std::move(*p));
    }
    return places;
}

}  // namespace sidora::data
