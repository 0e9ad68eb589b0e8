#pragma once
// One natal horoscope: the chart table, its houses and every table the searches, the
// points and the evaluation fill. A chart is a value: the natal window, the report, the
// partner window and the command line each hold the one they computed.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/persons_file.h"
#include "engine/body_table.h"
#include "engine/engine_state.h"

namespace sidora::horoscope {

inline constexpr double kNone = 999;  // no position: shown "------"

// Chart body numbers.
enum ChartBody : int {
    kSlunce = 1, kMesic = 2, kMerkur = 3, kVenuse = 4, kMars = 5, kJupiter = 6, kSaturn = 7,
    kUran = 8, kNeptun = 9, kPluto = 10, kVUzel = 11, kSUzel = 12, kAsc = 13, kDsc = 14,
    kMc = 15, kIc = 16, kCernaLuna = 17, kVertex = 18, kAntivertex = 19, kCeres = 20,
    kPallas = 21, kJuno = 22, kVesta = 23, kChiron = 24,
};
inline constexpr int kChartBodies = 24;
inline constexpr int kSensitivePoints = 37;
inline constexpr int kFixedStars = 65;

// The layout of the engine's body row; `dum` 0 where the system has no cusps.
using TChartRow = engine::TBodyRow;
using ChartTable = std::array<TChartRow, 26>;  // rows 1..25 by chart body number

// 16 systems × (cusps 1..12, ASC, MC, DSC, IC); kNone where a system has no cusps.
using ChartHouses = engine::HouseTable;
using HouseRow = std::array<double, 16>;

struct THouseRuler {
    std::string jmeno;  // "" when the house has no cusp
    std::uint8_t vladce = 0, vladce2 = 0;
    std::uint8_t dum_vladce = 0, dum_vladce2 = 0;
};
using HouseRulers = std::array<THouseRuler, 17>;  // 1..16: cusps 1..12, ASC, MC, DSC, IC

struct TAspectCell {
    std::uint8_t kod = 0;  // aspect code 1..20, 0 = none
    double odchylka = 0;   // degrees from the exact angle
};
using AspectTable = std::array<std::array<TAspectCell, kChartBodies + 1>, kChartBodies + 1>;  // [a][b]
using PointAspectTable = std::array<std::array<TAspectCell, kSensitivePoints + 1>, kChartBodies + 1>;
using StarTable = std::array<std::array<double, kFixedStars + 1>, kChartBodies + 1>;  // −1 = none

struct TSensitivePoint {
    double lon = kNone;
    std::uint8_t dum = 0;  // 0 when the point or the cusps are missing
};
using SensitivePoints = std::array<TSensitivePoint, kSensitivePoints + 1>;  // 1..37

struct TStar {
    std::string name;
    double lon = 0;
};
using FixedStars = std::array<TStar, kFixedStars + 1>;  // 1..65

struct TDignity {
    std::uint8_t dom = 0, povyseni = 0, exil = 0, pad = 0, recepce = 0, recepce_s = 0;
    std::uint8_t zivel = 0, dekan = 0, tvar = 0, hranice = 0, peregrin = 0;
};

struct Evaluation {
    std::array<std::uint8_t, 3> kvalita_znameni{}, kvalita_domy{};
    std::array<std::uint8_t, 4> zivel_znameni{}, zivel_domy{};
    std::array<std::uint8_t, 2> polarita_znameni{}, polarita_domy{}, vychod_zapad{};
    std::string chart_ruler_name;
    int chart_ruler_body = 0;  // 1..7
    std::array<TDignity, 11> dignities{};            // 1..10 Slunce..Pluto
    std::array<std::int8_t, 11> planet_points{};     // 1..10
    int total_points = 0;
    std::string dominant_traits;
};

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

struct NatalChart {
    data::TOsoba person;
    // Header texts.
    std::string date_line, place_line, house_system_name, weekday;
    double jd = 0;
    int zone_offset = 0;          // the zone's hours, summer hour included
    double sidereal_degrees = 0;  // what compute_vertex read
    double obliquity = 0;         // the Vertex's ε, degrees
    bool is_day = false;
    std::string asteroid_quality;
    std::array<bool, 6> asteroid_present{};  // 1..5; false: "------", out of the searches
    std::vector<std::string> warnings;

    ChartTable chart_table{};
    ChartHouses chart_houses{};
    HouseRulers house_rulers{};
    std::array<std::uint8_t, 26> dispositors{};  // 1..25

    AspectTable aspect_table{}, lat_parallel_table{}, decl_parallel_table{};
    PointAspectTable point_aspect_table{};
    StarTable star_conjunction_table{};
    SensitivePoints sensitive_points{};
    FixedStars fixed_stars{};
    Evaluation evaluation;

    // The row of the person's house system in chart_houses.
    const HouseRow& houses() const { return chart_houses.at(static_cast<std::size_t>(person.house_system - 1)); }
};

// Sign 1..12 of a longitude in [0, 360).
inline int sign_of(double lon) { return static_cast<int>(lon / 30) % 12 + 1; }
// A longitude brought into [0, 360).
double normalize(double lon);
// Angular distance of two longitudes, 0..180.
double arc_distance(double l1, double l2);
// Chart body ruling a sign 1..12 in the traditional scheme.
int traditional_ruler(int sign);

}  // namespace sidora::horoscope
