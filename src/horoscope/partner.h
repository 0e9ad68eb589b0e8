#pragma once
// The partner horoscope: a second person's chart set against the natal one of the first,
// their counts compared, the second person's bodies and cusps placed in the first person's
// houses and the aspects between the two charts.
#include <array>
#include <cstdint>

#include "data/app_state.h"
#include "horoscope/chart.h"

namespace sidora::horoscope {

// The seven count tables of a chart.
struct CountTables {
    std::array<std::uint8_t, 3> kvalita_znameni{}, kvalita_domy{};
    std::array<std::uint8_t, 4> zivel_znameni{}, zivel_domy{};
    std::array<std::uint8_t, 2> polarita_znameni{}, polarita_domy{}, vychod_zapad{};
};
CountTables counts_of(const Evaluation& e);

// "Shoda" of the four count grids, whole per cent. The counts by sign total 15, by house 13
// and both together 28, so a chart compared with itself scores 100 everywhere.
struct Agreement {
    int kvalita_sign = 0, kvalita_house = 0, kvalita_total = 0;
    int zivel_sign = 0, zivel_house = 0, zivel_total = 0;
    int polarita_sign = 0, polarita_house = 0, polarita_total = 0;
    int vychod_zapad = 0;
    int celkova = 0;  // "Celková shoda:"
};
inline constexpr int kSignCountTotal = 15, kHouseCountTotal = 13, kCountTotal = 28;
// The whole part of Σ min(x_i, y_i) × 100 / n.
template <std::size_t N>
int shoda(const std::array<std::uint8_t, N>& x, const std::array<std::uint8_t, N>& y, int n) {
    int s = 0;
    for (std::size_t i = 0; i < N; ++i) s += x[i] < y[i] ? x[i] : y[i];
    return s * 100 / n;
}
Agreement agreement(const CountTables& first, const CountTables& second);

struct PartnerChart {
    // partner_chart is second.chart_table, partner_houses second.chart_houses.
    NatalChart second;
    CountTables first_counts, second_counts;
    Agreement shoda;
    // [a][b]: the second person's body a against the first person's body b.
    AspectTable aspects{};
    // 1..24: the first person's house of the second person's body; 0 when the first person
    // has no cusps.
    std::array<std::uint8_t, kChartBodies + 1> body_houses{};
    // 1..16 (cusps 1..12, ASC, MC, DSC, IC of the second person's own system): the first
    // person's house; all 0 unless both_houses_ok.
    std::array<std::uint8_t, 17> cusp_houses{};
    bool both_houses_ok = false;
    // Whether each body takes part (switched on, computed) in the second and the first chart.
    std::array<bool, kChartBodies + 1> second_present{}, first_present{};
};

// The second person's chart by the natal routine on an engine of its own, so the program's
// tables, zone offset and house system stay as they were. Throws as compute_natal does.
PartnerChart compute_partner(data::AppState& state, const NatalChart& first, const data::TOsoba& second);

// The quadrant systems (1..4) fail as a whole: cusp 1 of 999 means no cusps at all.
bool houses_failed(int house_system, const HouseRow& houses);
// House 1..12 of a longitude by the cusps of `houses` (c_n ≤ λ < c_n+1, across 0°), 0
// without cusps or for 999.
int house_in(double lon, const HouseRow& houses);

AspectTable find_partner_aspects(const NatalChart& second, const NatalChart& first, const data::OrbTables& orbs,
                                 const data::AspectDefs& defs);

}  // namespace sidora::horoscope
