#include "data/window_place.h"

#include <sstream>

#include "io/files.h"

namespace sidora::data {

std::optional<WindowPlace> parse_window_place(const std::string& text) {
    if (text.size() > 200) return std::nullopt;
    std::istringstream in(text);
    WindowPlace p;
    int maximized = 0;
    if (!(in >> p.x >> p.y >> p.width >> p.height >> maximized)) return std::nullopt;
    in >> std::ws;
    if (!in.eof()) return std::nullopt;
    auto within = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    if (!within(p.x, -20000, 20000) || !within(p.y, -20000, 20000) || !within(p.width, 100, 20000) ||
        !within(p.height, 100, 20000) || !within(maximized, 0, 1)) {
        return std::nullopt;
    }
    p.maximized = maximized == 1;
    return p;
}

std::string format_window_place(const WindowPlace& p) {
    return std::to_string(p.x) + " " + std::to_string(p.y) + " " + std::to_string(p.width) + " " +
           std::to_string(p.height) + " " + (p.maximized ? "1" : "0") + "\n";
}

std::optional<WindowPlace> read_window_place(const std::filesystem::path& dir) {
    const auto text = io::read_file(dir / WindowPlace::kFile);
    if (!text) return std::nullopt;
    return parse_window_place(*text);
}

bool save_window_place(const std::filesystem::path& dir, const WindowPlace& place) {
    return io::write_file_atomic(dir / WindowPlace::kFile, format_window_place(place));
}

}  // namespace sidora::data
