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

namespace {
// Degrees and minutes within their fields and the whole angle within `limit` degrees.
bool on_globe(std::int32_t deg, std::int32_t min, int limit) {
    return deg >= 0 && deg <= limit && min >= 0 && min <= 59 && (deg < limit || min == 0);
}
}  // namespace

std::optional<TMisto> decode_place(std::string_view record) {
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
    p.damaged = !on_globe(p.lat_deg, p.lat_min, 90) || !on_globe(p.lon_deg, p.lon_min, 180);
    return p;
}

std::optional<std::string> damaged_place_message(const TMisto& p) {
    if (!p.damaged) return std::nullopt;
    const bool lat_bad = !on_globe(p.lat_deg, p.lat_min, 90);
    const auto deg = lat_bad ? p.lat_deg : p.lon_deg;
    const auto min = lat_bad ? p.lat_min : p.lon_min;
    return "Záznam místa „" + p.name + "“ v souboru mista.dat je poškozený: zeměpisná " +
           (lat_bad ? "šířka " : "délka ") + std::to_string(deg) + "° " + std::to_string(min) +
           "´ leží mimo zeměkouli. Místo nelze použít; opravte je nebo smažte.";
}

std::optional<std::vector<TMisto>> decode_places(std::string_view bytes, std::string& why) {
    if (bytes.size() % TMisto::kSize != 0) {
        why = "délka souboru (" + std::to_string(bytes.size()) +
              " bajtů) není násobkem délky záznamu 68 bajtů; soubor je poškozený.";
        return std::nullopt;
    }
    std::vector<TMisto> places;
    places.reserve(bytes.size() / TMisto::kSize);
    for (std::size_t off = 0; off < bytes.size(); off += TMisto::kSize) {
        auto p = decode_place(bytes.substr(off, TMisto::kSize));
        if (!p) {
            why = "záznam " + std::to_string(off / TMisto::kSize + 1) + " má poškozený název.";
            return std::nullopt;
        }
        places.push_back(std::move(*p));
    }
    return places;
}

std::optional<std::vector<TMisto>> read_places(const std::filesystem::path& file, std::string& why) {
    const auto bytes = io::read_file(file);
    if (!bytes) {
        why = "soubor nelze otevřít.";
        return std::nullopt;
    }
    return decode_places(*bytes, why);
}

}  // namespace sidora::data
