// One partner horoscope against a computed natal chart: the second chart on its own engine,
// the counts, the placements and the aspects between the charts.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "data/startup.h"
#include "horoscope/natal.h"
#include "horoscope/partner.h"

using namespace sidora;

static void BM_ComputePartner(benchmark::State& st) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("sidora-partner-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    data::AppState state;
    data::start_up(state, {dir, std::filesystem::path(SIDORA_SOURCE_DIR) / "data"});
    // name, male, year, month, day, hour, minute, summer, zone, place, lon, east, lat, north, system
    const data::TOsoba first{"Jan Novák", 1, 1970, 3, 5, 8, 5, 0, 2, "Praha", 14, 25, 1, 50, 5, 1, 1};
    const data::TOsoba second{"Jana Nováková", 0, 1975, 6, 15, 14, 30, 1, 2, "Brno", 16, 37, 1, 49, 12, 1, 4};
    const horoscope::NatalChart chart = horoscope::compute_natal(state, first);
    for (auto _ : st) {
        const horoscope::PartnerChart p = horoscope::compute_partner(state, chart, second);
        benchmark::DoNotOptimize(p.shoda.celkova);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ComputePartner)->Unit(benchmark::kMicrosecond);
