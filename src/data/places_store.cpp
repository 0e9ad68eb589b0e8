#include "data/places_store.h"

#include <algorithm>

#include "io/cp1250.h"
#include "io/files.h"

namespace sidora::data {

std::vector<TMisto> PlacesStore::read_all() const {
    std::string why;
    auto places = read_places(file_, why);
    if (!places) throw PlacesError(72, why);
    return std::move(*places);
}

std::optional<TMisto> PlacesStore::find_place(const std::string& name) const {
    for (auto& p : read_all()) {
        if (p.name == name) return p;
    }
    return std::nullopt;
}

void PlacesStore::change(int code,
                         const std::function<void(std::string& bytes, const std::vector<TMisto>& places)>& edit) {
    try {
        io::change_file(file_, [&](const std::optional<std::string>& current) -> std::optional<std::string> {
            if (!current) throw PlacesError(72, "soubor nelze otevřít.");
            std::string why;
            const auto places = decode_places(*current, why);
            // A damaged file is never rewritten: the user may still repair it.
            if (!places) throw PlacesError(72, why);
            std::string bytes = *current;
            edit(bytes, *places);
            return bytes;
        });
    } catch (const io::FileError& e) {
        throw PlacesError::whole(code, e.what());
    }
}

namespace {
// Index of the first record named `name`; the error code names the operation that looked for it.
std::size_t index_named(const std::vector<TMisto>& places, const std::string& name, int code) {
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].name == name) return i;
    }
    throw PlacesError(code, "místo „" + name + "“ v souboru není.");
}

bool name_taken(const std::vector<TMisto>& places, const std::string& name, std::size_t except) {
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (i != except && places[i].name == name) return true;
    }
    return false;
}
}  // namespace

void PlacesStore::append(const TMisto& place) {
    change(96, [&](std::string& bytes, const std::vector<TMisto>& places) {
        if (name_taken(places, place.name, places.size())) throw PlaceNameTaken(place.name);
        bytes += encode(place);
    });
}

void PlacesStore::rewrite(const std::string& name, const TMisto& place) {
    change(97, [&](std::string& bytes, const std::vector<TMisto>& places) {
        const std::size_t i = index_named(places, name, 94);
        if (name_taken(places, place.name, i)) throw PlaceNameTaken(place.name);
        bytes.replace(i * TMisto::kSize, TMisto::kSize, encode(place));
    });
}

void PlacesStore::remove(const std::string& name) {
    change(68, [&](std::string& bytes, const std::vector<TMisto>& places) {
        const std::size_t i = index_named(places, name, 62);
        const std::size_t last = places.size() - 1;
        if (i != last) bytes.replace(i * TMisto::kSize, TMisto::kSize, bytes, last * TMisto::kSize, TMisto::kSize);
        bytes.resize(last * TMisto::kSize);
    });
}

namespace {

// Czech alphabet: primary rank of a letter; ch is its own letter after h, č ř š ž follow
// their base letters; accents on other letters only break ties.

// Base letter and accent of a lower-case character.
std::pair<char32_t, int> base_of(char32_t c) {
    switch (c) {
        case U'á': return {U'a', 1};
        case U'ä': return {U'a', 2};
        case U'ď': return {U'd', 1};
        case U'é': return {U'e', 1};
        case U'ě': return {U'e', 2};
        case U'í': return {U'i', 1};
        case U'ĺ': case U'ľ': return {U'l', 1};
        case U'ň': return {U'n', 1};
        case U'ó': return {U'o', 1};
        case U'ô': return {U'o', 2};
        case U'ö': return {U'o', 3};
        case U'ŕ': return {U'r', 1};
        case U'ť': return {U't', 1};
        case U'ú': return {U'u', 1};
        case U'ů': return {U'u', 2};
        case U'ü': return {U'u', 3};
        case U'ý': return {U'y', 1};
        default: return {c, 0};
    }
}

char32_t lower(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    // Latin Extended-A pairs: upper case at even code points.
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        const bool odd_upper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (odd_upper ? (c % 2 == 1) : (c % 2 == 0)) return c + 1;
    }
    return c;
}

// The sort key of a name as one byte string, so that names compare by one string comparison:
// the primary ranks (biased to stay positive, 4 bytes each, big-endian), four zero bytes (a
// name that is a prefix of another sorts first), then the accents.
std::string key_of(const std::string& s) {
    const std::u32string u = io::utf8_to_u32(s);
    std::string primary, secondary;
    primary.reserve(u.size() * 4 + 4);
    secondary.reserve(u.size());
    for (std::size_t i = 0; i < u.size(); ++i) {
        const char32_t c = lower(u[i]);
        const auto [base, accent] = base_of(c);
        int rank;
        if (base == U'c' && i + 1 < u.size() && lower(u[i + 1]) == U'h') {
            rank = ('h' - 'a') * 4 + 2;  // ch after h
            ++i;
        } else if (base >= U'a' && base <= U'z') {
            rank = static_cast<int>(base - U'a') * 4;
        } else if (base == U'č') {
            rank = ('c' - 'a') * 4 + 1;
        } else if (base == U'ř') {
            rank = ('r' - 'a') * 4 + 1;
        } else if (base == U'š') {
            rank = ('s' - 'a') * 4 + 1;
        } else if (base == U'ž') {
            rank = ('z' - 'a') * 4 + 1;
        } else if (base < U'a') {
            rank = -1000 + static_cast<int>(base);  // spaces, digits and marks before letters
        } else {
            rank = 1000 + static_cast<int>(base);
        }
        const auto v = static_cast<std::uint32_t>(rank + 2000);
        for (int shift = 24; shift >= 0; shift -= 8) primary += static_cast<char>((v >> shift) & 0xFF);
        secondary += static_cast<char>(accent);
    }
    primary.append(4, '\0');
    return primary + secondary;
}

// Same letters and accents: lower case first (its bytes are the greater ones).
bool keyed_less(const std::string& ka, const std::string& a, const std::string& kb, const std::string& b) {
    if (const int c = ka.compare(kb); c != 0) return c < 0;
    return a > b;
}

}  // namespace

bool czech_less(const std::string& a, const std::string& b) { return keyed_less(key_of(a), a, key_of(b), b); }

std::vector<std::string> czech_sorted(std::vector<std::string> names) {
    // Each key once: a gazetteer of 200,000 places would otherwise build millions of them.
    std::vector<std::string> keys;
    keys.reserve(names.size());
    for (const auto& n : names) keys.push_back(key_of(n));
    std::vector<std::size_t> order(names.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return keyed_less(keys[a], names[a], keys[b], names[b]);
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const std::size_t i : order) sorted.push_back(std::move(names[i]));
    return sorted;
}

std::vector<std::string> sorted_place_names(const std::vector<TMisto>& places) {
    std::vector<std::string> names;
    names.reserve(places.size());
    for (const auto& p : places) names.push_back(p.name);
    return czech_sorted(std::move(names));
}

std::string latitude_text(const TMisto& p) {
    return std::to_string(p.lat_deg) + "° " + std::to_string(p.lat_min) + "´ " + (p.north ? "severně" : "jižně");
}

std::string longitude_text(const TMisto& p) {
    return std::to_string(p.lon_deg) + "° " + std::to_string(p.lon_min) + "´ " + (p.east ? "východně" : "západně");
}

}  // namespace sidora::data
