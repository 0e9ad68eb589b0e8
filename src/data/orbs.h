#pragma once
// Aspect kinds and the user's orb tables with their four files.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sidora::data {

struct TAspectDef {
    std::string name;     // at most 30 characters
    std::string zkratka;  // at most 3 characters
    std::uint8_t uhel = 0;
};
// Index 1..20 by aspect code; entry 0 unused.
using AspectDefs = std::array<TAspectDef, 21>;
AspectDefs make_aspect_defs();

struct TMinorOrb {
    std::uint8_t code = 0;
    std::uint8_t nepouzivat = 0;
    double orbis = 0;
    friend bool operator==(const TMinorOrb&, const TMinorOrb&) = default;
};

inline constexpr int kOrbBodies = 16;  // chart bodies 1..16 index the major-aspect orbs
inline constexpr int kOrbRows = 10;    // only Slunce..Pluto carry data

struct OrbTables {
    // [a][b], a and b chart body numbers 1..16; row and column 0 unused.
    std::array<std::array<double, kOrbBodies + 1>, kOrbBodies + 1> orb_matrix{};
    std::array<TMinorOrb, 13> minor_orbs{};           // rows 1..12
    std::array<std::uint8_t, 4> point_orbs{};         // 1 Černá Luna, 2 Vertex, 3 asteroids
    std::array<std::uint8_t, 8> point_exclusions{};   // 1..7, 1 = not used
};

inline constexpr const char* kOrbit1File = "orbit1.mem";
inline constexpr const char* kOrbit2File = "orbit2.mem";
inline constexpr const char* kOrbit3File = "orbit3.mem";
inline constexpr const char* kAsterFile = "aster.mem";

// Defaults of a fresh directory.
void default_orb_matrix(OrbTables& t);
void default_minor_orbs(OrbTables& t);

// File images of the four tables.
std::string encode_orbit1(const OrbTables& t);
std::string encode_orbit2(const OrbTables& t);
std::string encode_orbit3(const OrbTables& t);
std::string encode_aster(const OrbTables& t);

// Saving through the locked writer; each throws io::FileError (naming the file) on failure.
// orbit1.mem, then orbit2.mem (not tried when the first fails).
void save_major_orbs(const std::filesystem::path& dir, const OrbTables& t);
// orbit3.mem and aster.mem; the second is tried even when the first fails.
void save_point_orbs(const std::filesystem::path& dir, const OrbTables& t);

// Fills the tables from the four files in `dir`, creating a missing file with its defaults.
// A file that cannot be read whole keeps what could be read; problems are appended to
// `warnings` (Czech) and loading goes on. An existing file is never rewritten.
void load_orb_files(const std::filesystem::path& dir, OrbTables& t, std::vector<std::string>& warnings);

}  // namespace sidora::data
