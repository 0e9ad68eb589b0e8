#pragma once
// LC.dat: the summer-time rules of 1916..2030, one 20-byte record a year, no header.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/zones.h"

namespace sidora::data {

inline constexpr const char* kSummerFile = "LC.dat";
inline constexpr std::size_t kSummerRecordSize = 20;

std::string encode(const engine::TLetniRok& rule);
std::string encode_summer_rules(const std::vector<engine::TLetniRok>& rules);
// The 115 file records; nothing (with `why` in Czech) for a file of the wrong size, years
// out of sequence, flag bytes other than 0/1 or a period that is not a date.
std::optional<std::vector<engine::TLetniRok>> decode_summer_rules(const std::string& bytes,
                                                                  std::string& why);
// Saves the rules as LC.dat in `dir` through the locked writer; throws io::FileError.
void save_summer_rules(const std::filesystem::path& dir, const std::vector<engine::TLetniRok>& rules);

// The file a new data directory gets when no rules ship with the program.
std::vector<engine::TLetniRok> default_summer_rules();

}  // namespace sidora::data
