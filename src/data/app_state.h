#pragma once
// The program-wide values that start-up fills and the windows share.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "data/orbs.h"
#include "data/persons_file.h"
#include "data/places_file.h"
#include "data/settings_files.h"
#include "engine/engine_state.h"

namespace sidora::data {

struct AppState {
    std::filesystem::path program_dir;  // the data directory: every data file lives here

    engine::Engine engine;

    // Settings files as last loaded.
    StartMem start;
    AstroMem astro;
    NumSet num;
    TattvySet tattvy;

    // Derived at start and by the windows.
    int zone_offset = 1;
    int zone_minutes = 0;
    std::string current_zone_name = "+1 hod: středoevropské";
    bool date_dialog_summer = false;

    TMisto current_place;
    engine::Moment current_moment;
    bool clock_running = true;
    // The animation steps current_moment; the main window and the heliocentric view tick faster.
    bool animation_running = false;
    bool first_run = true;
    // A horoscope window computes with the shared engine tables; the sky calendar waits.
    bool engine_busy = false;
    // Size of a printed window: 0 small, 1 as on screen, 2 the whole page.
    std::uint8_t print_size = 1;

    AspectDefs aspect_defs;
    OrbTables orbs;

    std::array<TOsoba, 3> person_slots{};  // slots 1 and 2
    // The slot the person chooser and editor work on.
    int person_slot = 1;
    // Empty: the editors create a person; otherwise they edit the person of this name.
    std::string edited_person;
    // Who opened the person editor.
    enum class EditorCaller { Chooser = 1, Numerology = 2 };
    EditorCaller editor_caller = EditorCaller::Chooser;
    // "&Pouze nastav" filled the slot without saving; cleared when the chooser closes.
    bool set_without_saving = false;

    // Problems met at start-up that did not stop it (Czech, for the warning window).
    std::vector<std::string> startup_warnings;
};

// The one rate of the main window's and the heliocentric view's timers, for every restart.
inline int timer_interval_ms(const AppState& state) { return state.animation_running ? 500 : 1000; }

}  // namespace sidora::data
