// One natal horoscope of a stored person, from the birth moment to the evaluation.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "data/startup.h"
#include "horoscope/natal.h"

using namespace sidora;

static void BM_ComputeNatal(benchmark::State& st) {
    const std::filesystem::path dir = 
        std::filesystem::temp_directory_path() / ("sidora-natal-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    data::AppState state;
    data::start_up(state, {dir, std::filesystem::path(SIDORA_SOURCE_DIR) / "data"});
    // name, male, year, month, day, hour, minute, summer, zone, place, lon, east, lat, north, system
    const data::TOsoba person{"Jana Nováková", 0, 1975, 6, 15, 14, 30, 1, 2, "Brno", 16, 37, 1, 49, 12, 1, 1};
    for (auto _ : st) {
        const horoscope::NatalChart chart = horoscope::compute_natal(state, person);
        benchmark::DoNotOptimize(chart.evaluation.total_points);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ComputeNatal)->Unit(benchmark::kMicrosecond);
