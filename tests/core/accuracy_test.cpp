// The engine against an independent ephemeris (see tests/data/README.md) at 300 moments of
// 1800..2100: maximum and RMS error per body, printed whatever the outcome.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "data/asteroid_file.h"
#include "engine/engine_state.h"
#include "io/cp1250.h"

using namespace sidora::engine;

namespace {

struct Row {
    std::map<std::string, double> v;
};

std::vector<Row> read_reference() {
    std::ifstream in(SIDORA_SOURCE_DIR "/tests/data/reference_positions.csv");
    std::string line;
    std::getline(in, line);
    std::vector<std::string> names;
    std::stringstream header(line);
    for (std::string cell; std::getline(header, cell, ',');) names.push_back(cell);
    std::vector<Row> rows;
    while (std::getline(in, line)) {
        std::stringstream ss(line);
        Row r;
        std::size_t i = 0;
        for (std::string cell; std::getline(ss, cell, ',') && i < names.size(); ++i) r.v[names[i]] = std::stod(cell);
        rows.push_back(r);
    }
    return rows;
}

Moment moment_of(const Row& r) {
    auto u16 = [&](const char* k) { return static_cast<std::uint16_t>(r.v.at(k)); };
    return {u16("day"), u16("month"), u16("year"), u16("hour"), u16("minute"), u16("second")};
}

double arcsec_diff(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    return d * 3600;
}

struct Stat {
    double max = 0, sum2 = 0;
    int n = 0;
    void add(double e) {
        max = std::max(max, std::fabs(e));
        sum2 += e * e;
        ++n;
    }
    double rms() const { return n ? std::sqrt(sum2 / n) : 0; }
};

}  // namespace

TEST(Accuracy, PositionsAgainstTheReference) {
    const auto rows = read_reference();
    ASSERT_GE(rows.size(), 200u);
    Engine e;
    sidora::data::load_asteroid_elements(e, SIDORA_SOURCE_DIR "/data", std::nullopt);

    struct Check {
        const char* name;
        int body;
        const char* column;
        double limit;  // arcseconds
    };
    const Check checks[] = {
        {"Slunce", kSun, "sun_lon", 30},         {"Měsíc", kMoon, "moon_lon", 40},
        {"Měsíc (šířka)", kMoon, "moon_lat", 25},
        // Mercury and Venus keep their own short theories and the constant correction of
        // 20.49"/distance, which near inferior conjunction is far larger than the true
        // aberration and light time (Venus at 0.29 AU: -71" against +3"): 60" and 100" are
        // out of reach for them; these bounds hold what the kept formulas give, and the
        // test below holds the theories themselves to 60" and 100".
        {"Merkur", kMercury, "mercury_lon", 65},  {"Venuše", kVenus, "venus_lon", 125},
        {"Mars", kMars, "mars_lon", 75},
        {"Jupiter", kJupiter, "jupiter_lon", 45}, {"Saturn", kSaturn, "saturn_lon", 45},
        {"Uran", kUranus, "uranus_lon", 45},      {"Neptun", kNeptune, "neptune_lon", 45},
        {"Pluto", kPluto, "pluto_lon", 60},       {"Vzestupný uzel", kNorthNode, "mean_node_lon", 2},
        {"Ceres", 16, "ceres_lon", 120},          {"Pallas", 17, "pallas_lon", 120},
        {"Juno", 18, "juno_lon", 120},            {"Vesta", 19, "vesta_lon", 120},
        {"Chiron", 20, "chiron_lon", 120},
    };
    std::map<std::string, Stat> stats;
    for (const Row& r : rows) {
        const Moment m = moment_of(r);
        e.compute_main_window_bodies(m, 0, 0);
        for (int n = 1; n <= 5; ++n) e.asteroid_positions(n, m.year, m.month, m.day, m.hour, m.minute, m.second, 0, 0);
        for (const Check& c : checks) {
            const bool latitude = std::string(c.column).ends_with("_lat");
            const TBodyRow& row = e.body_table[c.body];
            stats[c.name].add(arcsec_diff(latitude ? row.latitude : row.longitude, r.v.at(c.column)));
        }
    }
    for (const Check& c : checks) {
        const Stat& s = stats[c.name];
        const std::string name = c.name + std::string(16 - sidora::io::utf8_length(c.name), ' ');
        std::printf("%s max %7.1f\"  rms %6.1f\"  (limit %4.0f\")\n", name.c_str(), s.max, s.rms(), c.limit);
        EXPECT_LE(s.max, c.limit) << c.name;
    }
}

// Mercury and Venus with the constant 20.49"/distance step taken back off, against the
// geometric reference: the theories alone, apart from the apparent-place step.
TEST(Accuracy, MercuryAndVenusTheoriesBeforeTheConstantCorrection) {
    const auto rows = read_reference();
    Engine e;
    Stat mercury, venus;
    for (const Row& r : rows) {
        const Moment m = moment_of(r);
        e.compute_main_window_bodies(m, 0, 0);
        auto geometric = [&](int body) {
            const TBodyRow& row = e.body_table[body];
            return row.longitude + 0.0056916667 / row.distance;
        };
        mercury.add(arcsec_diff(geometric(kMercury), r.v.at("mercury_geo_lon")));
        venus.add(arcsec_diff(geometric(kVenus), r.v.at("venus_geo_lon")));
    }
    std::printf("Merkur (geometricky) max %5.1f\"  rms %5.1f\"\n", mercury.max, mercury.rms());
    std::printf("Venuše (geometricky) max %5.1f\"  rms %5.1f\"\n", venus.max, venus.rms());
    EXPECT_LE(mercury.max, 60);
    EXPECT_LE(venus.max, 100);
}
