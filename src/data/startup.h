#pragma once
// Program start: load every settings file, creating a missing one with its defaults.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/app_state.h"
#include "data/startup_error.h"

namespace sidora::data {

struct StartupOptions {
    std::filesystem::path data_dir;
    // Shipped read-only data (summer-time rules ...); nothing = none installed.
    std::optional<std::filesystem::path> shipped_dir;
};

// Creates the data directory when missing, copies the shipped summer-time rules into it
// when it has none, then runs the start-up sequence. Throws StartupError.
void start_up(AppState& state, const StartupOptions& options);

// The question the window asks about a damaged settings file (a damaged_settings() error).
std::string damaged_settings_question(const StartupError& error, const std::filesystem::path& data_dir);
// Renames the damaged settings file to NAME.poskozeny (NAME.poskozeny.2 ... when that is
// taken), so that the next start_up writes its defaults. Returns the new path; throws
// StartupError (naming both files) when the file cannot be renamed.
std::filesystem::path set_aside_damaged(const StartupError& error, const std::filesystem::path& data_dir);

// Reads tattvy.set and start.mem, derives zone_offset and fills the aspect definitions.
void load_start_files(AppState& state);
// Makes current_place the record of mista.dat named home_place_name. When no record bears
// that name, the first place of the file is taken and a Czech warning returned.
// A places file that cannot be read is error 14.
std::optional<std::string> load_home_place(AppState& state);

// Progress of the text installation, for the progress window.
struct InstallProgress {
    std::function<void(const std::string& caption, int maximum)> begin;
    std::function<void(int position)> step;
    std::function<void()> end;
    std::function<void(const std::string& text)> warn;
};

// One text of a sum file: "@NAME" starts it, its lines follow (each ends in CR LF in the text).
struct SumText {
    std::string name;  // UTF-8, as written in the file: not yet checked to be a safe file name
    std::string content;
};
std::vector<SumText> parse_sum_file(std::string_view sum);

// Whether the marker asking for the installation of interpretation texts is present.
bool installation_requested(const AppState& state);
// The kinds (directories) the marker names, one a line; all three when it names none.
std::vector<std::string> requested_kinds(const AppState& state);
// Copies the shipped sum files into the data directory and names their kinds in the marker:
// for a kind whose directory is missing, or for all when `again`.
void deliver_texts(const std::filesystem::path& data_dir, const std::optional<std::filesystem::path>& shipped_dir,
                   bool again);
// Unpacks the three sum files into their directories, keeping every text that exists.
void install_interpretations(const AppState& state, const InstallProgress& progress);

}  // namespace sidora::data
