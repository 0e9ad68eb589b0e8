// One full body table in the main window's order, and the five asteroids.
#include <benchmark/benchmark.h>

#include "data/asteroid_file.h"
#include "engine/engine_state.h"
#include "models/day_report.h"

using namespace sidora;

static void BM_MainWindowBodies(benchmark::State& st) {
    engine::Engine e;
    unsigned minute = 0;
    for (auto _ : st) {
        e.compute_main_window_bodies(engine::Moment{15, 7, 1985, 12, static_cast<std::uint16_t>(minute++ % 60), 0}, 2, 0);
        benchmark::DoNotOptimize(e.body_table[engine::kPluto].longitude);
    }
}
BENCHMARK(BM_MainWindowBodies)->Unit(benchmark::kMicrosecond);

static void BM_Asteroids(benchmark::State& st) {
    engine::Engine e;
    data::load_asteroid_elements(e, SIDORA_SOURCE_DIR "/data", std::nullopt);
    for (auto _ : st) {
        for (int n = 1; n <= 5; ++n) e.asteroid_positions(n, 1985, 7, 15, 12, 0, 0, 2, 0);
        benchmark::DoNotOptimize(e.body_table[20].longitude);
    }
}
BENCHMARK(BM_Asteroids)->Unit(benchmark::kMicrosecond);

static void BM_LoadAsteroidFiles(benchmark::State& st) {
    engine::Engine e;
    for (auto _ : st) {
        data::load_asteroid_elements(e, SIDORA_SOURCE_DIR "/data", std::nullopt);
        benchmark::DoNotOptimize(e.asteroid_elements[1].size());
    }
}
BENCHMARK(BM_LoadAsteroidFiles)->Unit(benchmark::kMicrosecond);

static void BM_Houses(benchmark::State& st) {
    engine::Engine e;
    e.compute_main_window_bodies(engine::Moment{15, 7, 1985, 12, 0, 0}, 2, 0);
    for (auto _ : st) {
        e.local_sidereal_time(15, 7, 1985, 12, 0, 0, 14, 25, true, 2, 0);
        e.compute_houses(15, 7, 1985, 50, 5, true, 14, 25, true, 2, 0);
        e.house_of_bodies(1);
        benchmark::DoNotOptimize(e.house_table[0][1]);
    }
}
BENCHMARK(BM_Houses)->Unit(benchmark::kMicrosecond);

static void BM_SunDayAndTattvas(benchmark::State& st) {
    engine::Engine e;
    for (auto _ : st) {
        e.sun_day(15, 7, 1985, 50, 5, 14, 25, true, true, false, 2, 0);
        e.tattva_table(engine::Moment{15, 7, 1985, 12, 0, 0}, 50, 5, true, 14, 25, true, 2, 0, 0);
        benchmark::DoNotOptimize(e.tattva_times[59]);
    }
}
BENCHMARK(BM_SunDayAndTattvas)->Unit(benchmark::kMicrosecond);

static void BM_DayRefresh(benchmark::State& st) {
    engine::Engine e;
    const data::TMisto prague = data::default_place();
    for (auto _ : st) {
        const auto r = models::day_refresh(e, 15, 7, 1985, prague, 2, 0);
        benchmark::DoNotOptimize(r.phases[3].at.minute);
    }
}
BENCHMARK(BM_DayRefresh)->Unit(benchmark::kMillisecond);
