#include "models/orb_editor.h"

#include <filesystem>

#include "io/files.h"

namespace sidora::models {

std::string orb_field_text(const std::string& text) {
    if (text.empty()) return text;
    if (text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return "0";
    const long v = std::stol(text);
    return v > 18 ? "18" : std::to_string(v);
}

void complete_orb_matrix(data::OrbTables& t) {
    auto& m = t.orb_matrix;
    for (int r = 1; r <= data::kOrbRows; ++r) {
        m[r][12] = m[r][11];
        m[r][14] = m[r][15] = m[r][16] = m[r][13];
        for (int c = 1; c < r; ++c) m[r][c] = m[c][r];
    }
}

std::optional<std::string> save_major_orbs(const data::OrbTables& t, const std::string& dir) {
    try {
        data::save_major_orbs(dir, t);
    } catch (const io::FileError&) {
        return "Nastavení nelze uložit!";
    }
    return std::nullopt;
}

std::optional<std::string> save_point_orbs(const data::OrbTables& t, const std::string& dir) {
    try {
        data::save_point_orbs(dir, t);
    } catch (const io::FileError&) {
        return "Nastavení se nepodařilo uložit!";
    }
    return std::nullopt;
}

}  // namespace sidora::models
