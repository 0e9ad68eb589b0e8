#include "models/settings_dialog.h"

#include "data/startup.h"
#include "engine/zones.h"
#include "io/files.h"

namespace sidora::models {
namespace {

std::string write_failed(int code, const char* file) {
    return data::StartupError(code, file, "soubor nelze zapsat.").message();
}

}  // namespace

SettingsForm settings_form_of(const data::AppState& s) {
    SettingsForm f;
    f.home_name = s.start.home_place_name;
    f.zone_index = s.start.zone_index;
    f.summer_flag = s.start.summer_flag != 0;
    f.auto_summer = s.start.auto_summer != 0;
    f.numerology_digits = s.num.numerology_digits;
    f.zodiacal = s.astro.zodiacal_notation != 0;
    f.start_tab = s.start.start_tab;
    return f;
}

std::optional<std::string> save_settings(data::AppState& s, const SettingsForm& f) {
    s.num.numerology_digits = static_cast<std::uint8_t>(f.numerology_digits);
    // Failures of num.set go unreported, as the value is in force anyway.
    try {
        data::save_num_set(s.program_dir, s.num);
    } catch (const io::FileError&) {
    }

    data::StartMem start = s.start;
    start.home_place_name = f.home_name;
    start.zone_index = engine::valid_zone_index(f.zone_index) ? f.zone_index : s.start.zone_index;
    start.summer_flag = f.summer_flag ? 1 : 0;
    start.auto_summer = f.auto_summer ? 1 : 0;
    // The stored setting, not the engine's working value (a day refresh leaves that at 3).
    start.rise_mode = s.start.rise_mode;
    start.start_tab = static_cast<std::uint8_t>(f.start_tab);
    try {
        data::save_start_mem(s.program_dir, start);
    } catch (const io::FileError&) {
        return write_failed(84, data::StartMem::kFile);
    }

    data::AstroMem astro = s.astro;
    astro.zodiacal_notation = f.zodiacal ? 1 : 0;
    try {
        data::save_astro_mem(s.program_dir, astro);
    } catch (const io::FileError&) {
        return write_failed(8, data::AstroMem::kFile);
    }
    s.astro.zodiacal_notation = astro.zodiacal_notation;

    const data::TattvySet tattvy = s.tattvy;  // the main window's choices stay in force
    std::optional<std::string> warning;
    try {
        data::load_start_files(s);
        s.current_zone_name = engine::zone_name(s.start.zone_index);
        warning = data::load_home_place(s);
    } catch (const data::StartupError& e) {
        warning = e.message();
    }
    s.tattvy = tattvy;
    s.astro.angle_seconds = 0;
    return warning;
}

}  // namespace sidora::models
