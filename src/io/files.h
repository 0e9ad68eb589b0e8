#pragma once
// Whole-file reads and safe whole-file writes.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sidora::io {

// The file's bytes, or nothing when it cannot be opened (missing, unreadable, a directory).
std::optional<std::string> read_file(const std::filesystem::path& path);

// Writes the bytes to a temporary file beside the target and renames it over the target,
// so the target is either the old file or the complete new one. Returns false on failure
// (the temporary file is removed then).
bool write_file_atomic(const std::filesystem::path& path, std::string_view bytes);

}  // namespace sidora::io
