#include "data/hor_set.h"

#include "data/settings_files.h"
#include "io/files.h"

namespace sidora::data {

const std::array<const char*, HorSet::kSize> hor_set_labels{
    "Sextil",  "Kvadratura", "Trigon",      "Opozice",    "Kvintil",  "Bikvintil",    "Semikvadratura",
    "Seskvikvadrát", "Novil", "Binovil", "Kvartinovil", "Polosextil", "Kvinkunx", "Kreslit domy",
    "Aspekty silnou čarou"};

HorSet default_hor_set() {
    HorSet v;
    v.options[HorSet::kDrawHouses] = true;
    return v;
}

std::string encode(const HorSet& v) {
    std::string bytes(HorSet::kSize, '\0');
    for (std::size_t i = 0; i < HorSet::kSize; ++i) bytes[i] = v.options[i] ? '\1' : '\0';
    return bytes;
}

std::optional<HorSet> decode_hor_set(const std::string& bytes, std::string& why) {
    if (bytes.size() != HorSet::kSize) {
        why = size_mismatch(bytes.size(), HorSet::kSize);
        return std::nullopt;
    }
    HorSet v;
    for (std::size_t i = 0; i < HorSet::kSize; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b > 1) {
            why = "bajt " + std::to_string(i + 1) + " má hodnotu " + std::to_string(b) + ", očekáváno 0 nebo 1.";
            return std::nullopt;
        }
        v.options[i] = b == 1;
    }
    return v;
}

HorSet read_hor_set(const std::filesystem::path& dir) {
    const auto bytes = io::read_file(dir / HorSet::kFile);
    std::string why;
    if (!bytes) return default_hor_set();
    return decode_hor_set(*bytes, why).value_or(default_hor_set());
}

void save_hor_set(const std::filesystem::path& dir, const HorSet& v) {
    io::replace_file(dir / HorSet::kFile, encode(v));
}

}  // namespace sidora::data
