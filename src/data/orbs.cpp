#include "data/orbs.h"

#include <cmath>
#include <functional>
#include <optional>

#include "data/settings_files.h"
#include "io/files.h"
#include "io/record.h"

namespace sidora::data {
namespace fs = std::filesystem;

AspectDefs make_aspect_defs() {
    return AspectDefs{{
        {},
        {"konjunkce", "K", 0},
        {"sextil", "S", 60},
        {"kvadratura", "Q", 90},
        {"trigon", "T", 120},
        {"opozice", "O", 180},
        {"kvintil", "KV", 72},
        {"bikvintil", "BKV", 144},
        {"semikvadratura", "SQ", 45},
        {"seskvikvadrát", "SSQ", 135},
        {"novil", "NO", 40},
        {"binovil", "BNO", 80},
        {"kvartinovil", "KNO", 160},
        {"polosextil", "PS", 30},
        {"kvinkunx", "KVK", 150},
        {"šířková paralela", "SP", 0},
        {"šiřková kontraparalela", "KSP", 0},
        {"deklinační paralela", "DP", 0},
        {"deklinační kontraparalela", "KDP", 0},
        {"Body", "CB", 0},
        {"Stálice", "ST", 0},
    }};
}

void default_orb_matrix(OrbTables& t) {
    for (auto& row : t.orb_matrix) row.fill(0);
    for (int a = 1; a <= kOrbRows; ++a) {
        for (int b = 1; b <= kOrbBodies; ++b) {
            const bool a_light = a <= 2;
            const bool b_light = b <= 2;
            double orb = 0;
            if (b > kOrbRows) orb = a_light ? 3 : 2;
            else if (a_light && b_light) orb = (a == 2 && b == 2) ? 9 : 12;
            else if (a_light || b_light) orb = 9;
            else orb = a == b ? 5 : 7;
            t.orb_matrix[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = orb;
        }
    }
}

void default_minor_orbs(OrbTables& t) {
    static constexpr std::uint8_t kCodes[12] = {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18};
    for (std::size_t row = 1; row <= 12; ++row) {
        const double orb = row <= 4 ? 3 : row <= 9 ? 2 : 1;
        t.minor_orbs[row] = TMinorOrb{kCodes[row - 1], 0, orb};
    }
}

std::string encode_orbit1(const OrbTables& t) {
    io::RecordWriter w(kOrbRows * kOrbBodies * 8);
    std::size_t off = 0;
    for (std::size_t a = 1; a <= kOrbRows; ++a) {
        for (std::size_t b = 1; b <= kOrbBodies; ++b, off += 8) w.f64(off, t.orb_matrix[a][b]);
    }
    return w.bytes();
}

std::string encode_orbit2(const OrbTables& t) {
    io::RecordWriter w(12 * 16);
    for (std::size_t row = 1; row <= 12; ++row) {
        const std::size_t off = (row - 1) * 16;
        w.u8(off, t.minor_orbs[row].code);
        w.u8(off + 1, t.minor_orbs[row].nepouzivat);
        w.f64(off + 8, t.minor_orbs[row].orbis);
    }
    return w.bytes();
}

std::string encode_orbit3(const OrbTables& t) {
    return std::string(reinterpret_cast<const char*>(&t.point_orbs[1]), 3);
}

std::string encode_aster(const OrbTables& t) {
    return std::string(reinterpret_cast<const char*>(&t.point_exclusions[1]), 7);
}

namespace {

// An orb read from a file: a value that is no usable orb counts as 0.
double sane_orb(double v, bool& bad) {
    if (std::isfinite(v) && v >= 0 && v <= 360) return v;
    bad = true;
    return 0;
}

// Reads an existing file; a missing one is created from `make` (after `set_defaults`).
// Returns the bytes that could be read, padded with zeros to `size`, or nothing when the
// file was created (or could not be).
std::optional<std::string> open_or_create(const fs::path& dir, const char* name, std::size_t size,
                                          const std::function<void()>& set_defaults,
                                          const std::function<std::string()>& make,
                                          std::vector<std::string>& warnings) {
    const fs::path path = dir / name;
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        set_defaults();
        try {
            // Created under the lock; one another program made meanwhile holds the same defaults.
            io::change_file(path, [&](const std::optional<std::string>& current) -> std::optional<std::string> {
                if (current) return std::nullopt;
                return make();
            });
        } catch (const io::FileError& e) {
            warnings.push_back(e.what());
        }
        return std::nullopt;
    }
    auto bytes = io::read_file(path);
    if (!bytes) {
        warnings.push_back(std::string("Soubor ") + name + " nelze přečíst.");
        return std::string(size, '\0');
    }
    if (bytes->size() != size) {
        warnings.push_back(std::string("Soubor ") + name + " je poškozený: " +
                           size_mismatch(bytes->size(), size) + " Použito, co se dalo přečíst.");
        bytes->resize(size, '\0');
    }
    return bytes;
}

}  // namespace

void save_major_orbs(const fs::path& dir, const OrbTables& t) {
    io::replace_file(dir / kOrbit1File, encode_orbit1(t));
    io::replace_file(dir / kOrbit2File, encode_orbit2(t));
}

void save_point_orbs(const fs::path& dir, const OrbTables& t) {
    std::optional<io::FileError> first;
    try {
        io::replace_file(dir / kOrbit3File, encode_orbit3(t));
    } catch (const io::FileError& e) {
        first = e;
    }
    io::replace_file(dir / kAsterFile, encode_aster(t));
    if (first) throw *first;
}

void load_orb_files(const fs::path& dir, OrbTables& t, std::vector<std::string>& warnings) {
    t = OrbTables{};

    if (auto bytes = open_or_create(dir, kOrbit1File, kOrbRows * kOrbBodies * 8,
                                    [&] { default_orb_matrix(t); },
                                    [&] { return encode_orbit1(t); }, warnings)) {
        io::RecordReader r(*bytes);
        bool bad = false;
        std::size_t off = 0;
        for (std::size_t a = 1; a <= kOrbRows; ++a) {
            for (std::size_t b = 1; b <= kOrbBodies; ++b, off += 8) {
                t.orb_matrix[a][b] = sane_orb(r.f64(off), bad);
            }
        }
        if (bad) warnings.push_back("Soubor orbit1.mem obsahuje neplatné orbisy; ty jsou brány jako 0.");
        if (t.orb_matrix[1][1] == 0) t.orb_matrix[1][1] = 12;
        if (t.orb_matrix[2][2] == 0) t.orb_matrix[2][2] = 9;
        for (std::size_t a = 3; a <= kOrbRows; ++a) {
            if (t.orb_matrix[a][a] == 0) t.orb_matrix[a][a] = 5;
        }
    }

    if (auto bytes = open_or_create(dir, kOrbit2File, 12 * 16, [&] { default_minor_orbs(t); },
                                    [&] { return encode_orbit2(t); }, warnings)) {
        io::RecordReader r(*bytes);
        bool bad = false;
        for (std::size_t row = 1; row <= 12; ++row) {
            const std::size_t off = (row - 1) * 16;
            t.minor_orbs[row].code = r.u8(off);
            t.minor_orbs[row].nepouzivat = r.u8(off + 1) != 0;
            t.minor_orbs[row].orbis = sane_orb(r.f64(off + 8), bad);
        }
        if (bad) warnings.push_back("Soubor orbit2.mem obsahuje neplatné orbisy; ty jsou brány jako 0.");
    }

    if (auto bytes = open_or_create(dir, kOrbit3File, 3, [&] { t.point_orbs = {0, 2, 2, 2}; },
                                    [&] { return encode_orbit3(t); }, warnings)) {
        for (std::size_t i = 0; i < 3; ++i) t.point_orbs[i + 1] = static_cast<std::uint8_t>((*bytes)[i]);
    }

    if (auto bytes = open_or_create(dir, kAsterFile, 7, [&] { t.point_exclusions.fill(0); },
                                    [&] { return encode_aster(t); }, warnings)) {
        for (std::size_t i = 0; i < 7; ++i) {
            t.point_exclusions[i + 1] = (*bytes)[i] != 0;
        }
    }
}

}  // namespace sidora::data
