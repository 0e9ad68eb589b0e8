#pragma once
// The four small settings files: one record each, read and written here only.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace sidora::data {

// start.mem, 264 bytes.
struct StartMem {
    static constexpr std::size_t kSize = 264;
    static constexpr const char* kFile = "start.mem";
    std::string home_place_name = "Praha";
    std::int32_t zone_index = 2;
    std::uint8_t summer_flag = 0;
    std::uint8_t auto_summer = 1;
    std::uint8_t rise_mode = 2;
    std::uint8_t start_tab = 1;
};

// astro.mem, 12 bytes.
struct AstroMem {
    static constexpr std::size_t kSize = 12;
    static constexpr const char* kFile = "astro.mem";
    std::uint8_t unused_first = 1;
    std::uint8_t angle_seconds = 0;
    std::int32_t current_house_system = 1;
    std::uint8_t zodiacal_notation = 1;
};

// num.set, 1 byte.
struct NumSet {
    static constexpr std::size_t kSize = 1;
    static constexpr const char* kFile = "num.set";
    std::uint8_t numerology_digits = 4;
};

// tattvy.set, 3 bytes.
struct TattvySet {
    static constexpr std::size_t kSize = 3;
    static constexpr const char* kFile = "tattvy.set";
    std::uint8_t first_tattva = 0;
    std::uint8_t tattva_system = 0;
    std::uint8_t house_system_index = 0;
};

std::string encode(const StartMem& v);
std::string encode(const AstroMem& v);
std::string encode(const NumSet& v);
std::string encode(const TattvySet& v);

// Decoding fails (nothing returned, `why` says why in Czech) for a record of the wrong size
// or a text longer than its field. Values out of their range are brought back to their
// defaults and reported in `fixed` so the caller can tell the user.
std::optional<StartMem> decode_start_mem(const std::string& bytes, std::string& why,
                                         std::string* fixed = nullptr);
std::optional<AstroMem> decode_astro_mem(const std::string& bytes, std::string& why,
                                         std::string* fixed = nullptr);
std::optional<NumSet> decode_num_set(const std::string& bytes, std::string& why);
std::optional<TattvySet> decode_tattvy_set(const std::string& bytes, std::string& why,
                                           std::string* fixed = nullptr);

// Each file saved in the data directory `dir` through the locked writer; throws io::FileError
// (a Czech message naming the file) when it cannot be written.
void save_start_mem(const std::filesystem::path& dir, const StartMem& v);
void save_astro_mem(const std::filesystem::path& dir, const AstroMem& v);
void save_num_set(const std::filesystem::path& dir, const NumSet& v);
void save_tattvy_set(const std::filesystem::path& dir, const TattvySet& v);

// Size message shared by the file modules: "má N bajtů, očekáváno M".
std::string size_mismatch(std::size_t got, std::size_t expected);

}  // namespace sidora::data
