#pragma once
// The settings dialog without its widgets: its values on showing, and "Ulož", which writes
// num.set, start.mem and astro.mem and takes the stored settings back as at start.
#include <optional>
#include <string>

#include "data/app_state.h"

namespace sidora::models {

struct SettingsForm {
    std::string home_name;
    int zone_index = 2;
    bool summer_flag = false;
    bool auto_summer = true;
    int numerology_digits = 4;  // 3..9
    bool zodiacal = true;
    int start_tab = 1;  // 1..7
};

SettingsForm settings_form_of(const data::AppState& state);

// Writes the three files and reloads: the home place current, the zone offset from the home
// zone, angles without seconds. A file that cannot be written gives its numbered message and
// leaves the files not yet written as they were.
std::optional<std::string> save_settings(data::AppState& state, const SettingsForm& form);

}  // namespace sidora::models
