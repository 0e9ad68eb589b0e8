#include "data/startup.h"

#include <fcntl.h>
#include <stdio.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "data/asteroid_file.h"
#include "data/summer_file.h"
#include "engine/zones.h"
#include "io/files.h"

namespace sidora::data {
namespace fs = std::filesystem;

namespace {

bool file_exists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

// Writes a missing file with its defaults; one another program created meanwhile is kept.
// Throws io::FileError.
void create_missing(const fs::path& path, const std::string& bytes) {
    io::change_file(path, [&](const std::optional<std::string>& current) -> std::optional<std::string> {
        if (current) return std::nullopt;
        return bytes;
    });
}

bool try_create_missing(const fs::path& path, const std::string& bytes) {
    try {
        create_missing(path, bytes);
        return true;
    } catch (const io::FileError&) {
        return false;
    }
}

// The first of NAME.poskozeny, NAME.poskozeny.2 ... that does not exist.
fs::path aside_name(const fs::path& path) {
    for (int n = 1;; ++n) {
        fs::path p = path;
        p += n == 1 ? std::string(".poskozeny") : ".poskozeny." + std::to_string(n);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(p, ec))) return p;
    }
}

// Reads a settings record, creating the file with its defaults when it is missing.
// create_code / read_code name the run-time errors of the two failures.
template <typename T, typename Decode>
T load_record(AppState& state, const T& defaults, int create_code, int read_code, Decode decode) {
    const fs::path path = state.program_dir / T::kFile;
    if (!file_exists(path)) {
        try {
            create_missing(path, encode(defaults));
        } catch (const io::FileError& e) {
            throw StartupError(create_code, T::kFile, e.what());
        }
    }
    const auto bytes = io::read_file(path);
    if (!bytes) throw StartupError::damaged_settings(read_code, T::kFile, "soubor nelze přečíst.");
    std::string why;
    std::string fixed;
    auto value = decode(*bytes, why, &fixed);
    if (!value) throw StartupError::damaged_settings(read_code, T::kFile, "soubor je poškozený: " + why);
    if (!fixed.empty()) state.startup_warnings.push_back(std::string(T::kFile) + ": " + fixed);
    return *value;
}

void load_tattvy(AppState& state) {
    const fs::path path = state.program_dir / TattvySet::kFile;
    state.tattvy = TattvySet{};
    if (!file_exists(path)) {
        try_create_missing(path, encode(state.tattvy));  // failures are not fatal here
        return;
    }
    std::string why;
    std::string fixed;
    const auto bytes = io::read_file(path);
    const auto v = bytes ? decode_tattvy_set(*bytes, why, &fixed) : std::nullopt;
    if (v) {
        state.tattvy = *v;
        if (!fixed.empty()) state.startup_warnings.push_back(std::string(TattvySet::kFile) + ": " + fixed);
    } else {
        state.startup_warnings.push_back(std::string(TattvySet::kFile) +
                                         ": soubor nelze přečíst, použity výchozí hodnoty. " + why);
    }
}

void load_num_set(AppState& state) {
    const fs::path path = state.program_dir / NumSet::kFile;
    state.num = NumSet{};
    if (!file_exists(path)) {
        try_create_missing(path, encode(state.num));
        return;
    }
    std::string why;
    const auto bytes = io::read_file(path);
    const auto v = bytes ? decode_num_set(*bytes, why) : std::nullopt;
    if (v) {
        state.num = *v;
    } else {
        state.startup_warnings.push_back(std::string(NumSet::kFile) +
                                         ": soubor nelze přečíst, použita výchozí hodnota. " + why);
    }
}

void ensure_persons_file(AppState& state) {
    const fs::path path = state.program_dir / kPersonsFile;
    if (file_exists(path)) return;
    try {
        create_missing(path, encode(version_record()));
    } catch (const io::FileError& e) {
        state.startup_warnings.push_back(e.what());
    }
}

void load_summer_rules(AppState& state) {
    const fs::path path = state.program_dir / kSummerFile;
    if (!file_exists(path)) {
        try {
            create_missing(path, encode_summer_rules(default_summer_rules()));
        } catch (const io::FileError& e) {
            throw StartupError(23, kSummerFile, e.what());
        }
    }
    const auto bytes = io::read_file(path);
    if (!bytes) throw StartupError(15, kSummerFile, "soubor nelze přečíst.");
    std::string why;
    const auto rules = decode_summer_rules(*bytes, why);
    if (!rules) throw StartupError(15, kSummerFile, "soubor je poškozený: " + why);
    state.engine.set_summer_rules(*rules);
}

// A data directory without summer-time rules gets the shipped ones.
void install_shipped_rules(const StartupOptions& options) {
    if (!options.shipped_dir) return;
    const fs::path target = options.data_dir / kSummerFile;
    if (file_exists(target)) return;
    if (const auto bytes = io::read_file(*options.shipped_dir / kSummerFile)) {
        try_create_missing(target, *bytes);
    }
}

}  // namespace

// A data directory without a kind's texts gets the shipped sum files, and the marker names the
// kinds, so that the first tick installs them. The natal texts bring the partner texts along.
void deliver_texts(const fs::path& data_dir, const std::optional<fs::path>& shipped_dir, bool again) {
    if (!shipped_dir) return;
    struct Delivery {
        const char* directory;
        const char* sum_file;
    };
    struct Package {
        const char* key;  // the directory whose absence asks for the delivery
        std::vector<Delivery> parts;
    };
    const Package packages[] = {{"texty", {{"texty", "Tsuma.dat"}, {"Partner", "Psuma.dat"}}},
                                {"numera", {{"numera", "Nsuma.dat"}}}};
    for (const Package& package : packages) {
        std::error_code ec;
        if (!again && fs::exists(data_dir / package.key, ec)) continue;
        for (const Delivery& d : package.parts) {
            const auto bytes = io::read_file(*shipped_dir / d.directory / d.sum_file);
            if (!bytes) continue;
            const fs::path target = data_dir / d.directory;
            fs::create_directory(target, ec);
            if (!fs::is_directory(target, ec)) continue;
            try {
                io::replace_file(target / d.sum_file, *bytes);
                io::change_file(data_dir / "prvni.dat", [&](const std::optional<std::string>& current) {
                    const std::string line = std::string(d.directory) + "\r\n";
                    const std::string now = current.value_or("");
                    return now.find(line) == std::string::npos ? now + line : now;
                });
            } catch (const io::FileError&) {
                // Without its sum file the directory stays empty; the texts can still be written by hand.
            }
        }
    }
}

namespace {

}  // namespace

void load_start_files(AppState& state) {
    load_tattvy(state);
    state.start = load_record(state, StartMem{}, 19, 4,
                              [](const std::string& b, std::string& why, std::string* fixed) {
                                  return decode_start_mem(b, why, fixed);
                              });
    state.engine.rise_mode = state.start.rise_mode;
    state.zone_offset = engine::zone_offset_hours(state.start.zone_index) + (state.start.summer_flag ? 1 : 0);
    state.aspect_defs = make_aspect_defs();
}

std::optional<std::string> load_home_place(AppState& state) {
    const fs::path path = state.program_dir / kPlacesFile;
    if (!file_exists(path)) {
        try {
            create_missing(path, encode(default_place()));
        } catch (const io::FileError& e) {
            throw StartupError(22, kPlacesFile, e.what());
        }
    }
    std::string why;
    const auto places = read_places(path, why);
    if (!places) throw StartupError(14, kPlacesFile, why);
    const TMisto* home = nullptr;
    for (const auto& p : *places) {
        if (p.name == state.start.home_place_name) {
            home = &p;
            break;
        }
    }
    if (home && !home->damaged) {
        state.current_place = *home;
        return std::nullopt;
    }
    // The home place was renamed, removed or damaged: go on with the first usable place of
    // the file (or Praha) and say so; start.mem keeps its name until the user chooses a new
    // home in the settings.
    const auto usable = std::find_if(places->begin(), places->end(), [](const TMisto& p) { return !p.damaged; });
    state.current_place = usable == places->end() ? default_place() : *usable;
    const std::string instead = "Výpočty probíhají pro místo „" + state.current_place.name +
                                "“. Domovské místo lze nastavit v základním nastavení.";
    if (home) return *damaged_place_message(*home) + " " + instead;
    return "Domovské místo „" + state.start.home_place_name + "“ v seznamu míst není. " + instead;
}

std::string damaged_settings_question(const StartupError& error, const fs::path& data_dir) {
    return error.message() + "\n\nPokračovat s výchozím nastavením? Poškozený soubor bude uschován jako „" +
           aside_name(data_dir / error.file()).filename().string() + "“.";
}

fs::path set_aside_damaged(const StartupError& error, const fs::path& data_dir) {
    const fs::path from = data_dir / error.file();
    // Never over an earlier damaged copy, even one made meanwhile.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path to = aside_name(from);
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return to;
        if (errno != EEXIST) {
            throw StartupError::whole("Soubor „" + from.string() + "“ nelze přejmenovat na „" + to.string() +
                                      "“: " + std::strerror(errno) + ".");
        }
    }
    throw StartupError::whole("Soubor „" + from.string() + "“ nelze přejmenovat.");
}

void start_up(AppState& state, const StartupOptions& options) {
    std::error_code ec;
    fs::create_directories(options.data_dir, ec);
    if (!fs::is_directory(options.data_dir, ec)) {
        // Every file of the directory would fail; say what is wrong with the directory itself.
        throw StartupError::whole("Datový adresář „" + options.data_dir.string() + "“ nelze použít: " +
                                  (fs::exists(fs::symlink_status(options.data_dir, ec))
                                       ? "není to adresář."
                                       : "nelze jej vytvořit."));
    }
    install_shipped_rules(options);
    deliver_texts(options.data_dir, options.shipped_dir, false);

    state.program_dir = options.data_dir;
    state.startup_warnings.clear();
    state.clock_running = true;
    state.zone_minutes = 0;
    state.engine.planet_selection = -1;
    state.first_run = true;

    load_start_files(state);
    if (auto warning = load_home_place(state)) state.startup_warnings.push_back(*warning);
    ensure_persons_file(state);
    load_num_set(state);
    load_summer_rules(state);
    load_orb_files(state.program_dir, state.orbs, state.startup_warnings);
    state.astro = load_record(state, AstroMem{}, 20, 10,
                              [](const std::string& b, std::string& why, std::string* fixed) {
                                  return decode_astro_mem(b, why, fixed);
                              });
    load_asteroid_elements(state.engine, state.program_dir, options.shipped_dir);
    state.current_zone_name = engine::zone_name(state.start.zone_index);
    state.date_dialog_summer = state.start.summer_flag != 0;

    fs::remove(state.program_dir / "literatura.rtf", ec);
    const fs::path partner = state.program_dir / "Partner";
    if (!fs::is_directory(partner, ec)) fs::create_directory(partner, ec);
}

}  // namespace sidora::data
