#pragma once
// Where the user's data live and where the program's shipped data are installed.
#include <filesystem>
#include <optional>
#include <string>

namespace sidora::data {

// --dir DIR, else $SIDORA_DIR, else $XDG_DATA_HOME/sidora, else ~/.local/share/sidora.
// An empty --dir is refused with a StartupError.
std::filesystem::path resolve_data_dir(const std::optional<std::string>& dir_option);

// Read-only data installed with the program: <exe dir>/share in the build tree (or one
// level up, for the tests), <exe dir>/../share/sidora when installed. Nothing when none exists.
std::optional<std::filesystem::path> shipped_data_dir();

}  // namespace sidora::data
