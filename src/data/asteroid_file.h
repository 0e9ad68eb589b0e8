#pragma once
// The asteroid element files "ast1.kel" … "ast5.kel": 112-byte records of 80-bit reals.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/asteroid_elements.h"
#include "engine/engine_state.h"

namespace sidora::data {

inline constexpr std::size_t kAsteroidRecordSize = 112;

std::string asteroid_file_name(int n);
std::string encode(const engine::AsteroidElements& e);
// Every record; nothing (with `why` in Czech) for a size that is not whole records or no record.
std::optional<std::vector<engine::AsteroidElements>> decode_asteroid_file(const std::string& bytes, std::string& why);

// Loads the five element sets into the engine: the user's newer file in the data directory
// first, else the one shipped with the program. A set that cannot be had keeps its reason.
void load_asteroid_elements(engine::Engine& engine, const std::filesystem::path& data_dir,
                            const std::optional<std::filesystem::path>& shipped_dir);

}  // namespace sidora::data
