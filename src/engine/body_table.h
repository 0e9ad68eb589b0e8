#pragma once
// The shared table of body positions and the heliocentric records.
#include <array>
#include <cstdint>
#include <string>

namespace sidora::engine {

struct TBodyRow {
    double longitude = 0;    // degrees 0..360, equinox of date
    double distance = 0;     // AU; the Sun and Mercury..Neptune only
    double latitude = 0;     // degrees
    double declination = 0;  // degrees
    double speed = 0;        // motion over the passes / reference motion
    std::uint8_t retrograde = 0;
    std::uint8_t dum = 0;      // house 1..12, 0 when the system has no cusps
    std::uint8_t znameni = 0;  // sign 1..12
};

// Body numbers.
enum Body : int {
    kMoon = -1, kSun = 0, kMercury = 1, kVenus = 2, kMars = 3, kJupiter = 4, kSaturn = 5,
    kUranus = 6, kNeptune = 7, kPluto = 8, kNorthNode = 9, kSouthNode = 10, kAscendant = 11,
    kMidheaven = 12, kBlackMoon = 13, kVertex = 14, kAntivertex = 15, kFirstAsteroid = 16,
    kSpareRow = 21,
};

// Rows -1..21 by body number.
class BodyTable {
public:
    TBodyRow& operator[](int body) { return rows_.at(static_cast<std::size_t>(body + 1)); }
    const TBodyRow& operator[](int body) const { return rows_.at(static_cast<std::size_t>(body + 1)); }

private:
    std::array<TBodyRow, 23> rows_{};
};

// Degrees per day that a speed of 1 stands for, bodies -1..8.
double reference_motion(int body);

// Heliocentric record: 0 Earth, 1..8 Mercury..Pluto. Longitude in radians in [0, 2π),
// ecliptic and mean equinox of date like every position; latitude in radians.
struct HelioRecord {
    std::string helio_distance_text;
    double r = 0;
    std::string geo_distance_text;
    double longitude = 0;
    double latitude = 0;
    std::string eccentricity_text;
    std::string inclination_text;
    double node = 0;
    std::string perihelion_text;
};

// A distance (or any value below 1000) with the given number of decimals and a full stop,
// rounded: 0.72 → "0.7200", 5.2 → "5.2000", 39.5 → "39.5000" with 4 decimals.
std::string fixed_point_text(double value, int decimals);

}  // namespace sidora::engine
