// mista.dat: whole file images, then the texts and order the places window shows.
#include "data/places_store.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sidora::data;
    std::string why;
    const auto places = decode_places(sidora::fuzz::bytes_of(data, size), why);
    sidora::fuzz::expect(places.has_value(), why);
    if (!places) return 0;
    for (const auto& p : *places) {
        if (p.damaged != damaged_place_message(p).has_value()) __builtin_trap();
        // A record as read is written back to the same fields.
        const auto again = decode_place(encode(p));
        if (!again || again->name != p.name || again->lat_deg != p.lat_deg || again->lon_min != p.lon_min) __builtin_trap();
        latitude_text(p);
        longitude_text(p);
    }
    if (sorted_place_names(*places).size() != places->size()) __builtin_trap();
    return 0;
}
