#include "data/startup.h"

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

// Reads a settings record, creating the file with its defaults when it is missing.
// create_code / read_code name the run-time errors of the two failures.
template <typename T, typename Decode>
T load_record(AppState& state, const T& defaults, int create_code, int read_code, Decode decode) {
    const fs::path path = state.program_dir / T::kFile;
    if (!file_exists(path) && !io::write_file_atomic(path, encode(defaults))) {
        throw StartupError(create_code, T::kFile, "soubor nelze vytvořit.");
    }
    const auto bytes = io::read_file(path);
    if (!bytes) throw StartupError(read_code, T::kFile, "soubor nelze přečíst.");
    std::string why;
    std::string fixed;
    auto value = decode(*bytes, why, &fixed);
    if (!value) throw StartupError(read_code, T::kFile, "soubor je poškozený: " + why);
    if (!fixed.empty()) state.startup_warnings.push_back(std::string(T::kFile) + ": " + fixed);
    return *value;
}

void load_tattvy(AppState& state) {
    const fs::path path = state.program_dir / TattvySet::kFile;
    state.tattvy = TattvySet{};
    if (!file_exists(path)) {
        io::write_file_atomic(path, encode(state.tattvy));  // failures are not fatal here
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
        io::write_file_atomic(path, encode(state.num));
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
    if (!io::write_file_atomic(path, encode(version_record()))) {
        state.startup_warnings.push_back("Soubor se nepodařilo vytvořit");
    }
}

void load_summer_rules(AppState& state) {
    const fs::path path = state.program_dir / kSummerFile;
    if (!file_exists(path) && !io::write_file_atomic(path, encode_summer_rules(default_summer_rules()))) {
        throw StartupError(23, kSummerFile, "soubor nelze vytvořit.");
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
        io::write_file_atomic(target, *bytes);
    }
}

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
    if (!file_exists(path) && !io::write_file_atomic(path, encode(default_place()))) {
        throw StartupError(22, kPlacesFile, "soubor nelze vytvořit.");
    }
    std::string why;
    const auto places = read_places(path, why);
    if (!places) throw StartupError(14, kPlacesFile, why);
    for (const auto& p : *places) {
        if (p.name == state.start.home_place_name) {
            state.current_place = p;
            return std::nullopt;
        }
    }
    // The home place was renamed or removed: go on with the first place of the file (or
    // Praha when the file is empty) and say so; start.mem keeps its name until the user
    // chooses a new home in the settings.
    state.current_place = places->empty() ? default_place() : places->front();
    return "Domovské místo „" + state.start.home_place_name +
           "“ v seznamu míst není. Výpočty probíhají pro místo „" + state.current_place.name +
           "“. Domovské místo lze nastavit v základním nastavení.";
}

void start_up(AppState& state, const StartupOptions& options) {
    std::error_code ec;
    fs::create_directories(options.data_dir, ec);
    install_shipped_rules(options);

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
