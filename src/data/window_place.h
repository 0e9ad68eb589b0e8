#pragma once
// okno.txt: where the main window was when it closed, so the next start puts it back.
// A file of this program only, apart from the settings files: one line
// "x y width height maximized" (whole numbers, maximized 0 or 1).
#include <filesystem>
#include <optional>
#include <string>

namespace sidora::data {

struct WindowPlace {
    static constexpr const char* kFile = "okno.txt";
    int x = 0, y = 0, width = 0, height = 0;
    bool maximized = false;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The place in the text; nothing for text that is not one line of five sane numbers
// (a size from 100 to 20000 pixels, a position within ±20000).
std::optional<WindowPlace> parse_window_place(const std::string& text);
std::string format_window_place(const WindowPlace& place);

// Nothing when the file is missing or damaged: the window then takes its own size.
std::optional<WindowPlace> read_window_place(const std::filesystem::path& dir);
// False when the file cannot be written (the place is then simply not remembered).
bool save_window_place(const std::filesystem::path& dir, const WindowPlace& place);

}  // namespace sidora::data
