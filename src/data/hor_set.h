#pragma once
// hor.set: the natal window's fifteen drawing options, one byte 0/1 each.
#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace sidora::data {

struct HorSet {
    static constexpr std::size_t kSize = 15;
    static constexpr const char* kFile = "hor.set";
    // The check boxes in file order; 4..12 are the minor aspects Kvintil..Kvinkunx.
    static constexpr std::size_t kFirstMinor = 4, kLastMinor = 12, kDrawHouses = 13;
    std::array<bool, kSize> options{};
    friend bool operator==(const HorSet&, const HorSet&) = default;
};

// The check boxes' texts, in file order.
extern const std::array<const char*, HorSet::kSize> hor_set_labels;

// Without a usable file: everything off but "Kreslit domy".
HorSet default_hor_set();

std::string encode(const HorSet& v);
// Nothing (with the Czech reason) for a wrong size or a byte other than 0 and 1.
std::optional<HorSet> decode_hor_set(const std::string& bytes, std::string& why);

// The options in `dir`, or the defaults when the file is missing or unusable. The file is
// only read: a bad one is replaced when the window closes, not now.
HorSet read_hor_set(const std::filesystem::path& dir);
// Through the locked writer; throws io::FileError naming the file.
void save_hor_set(const std::filesystem::path& dir, const HorSet& v);

}  // namespace sidora::data
