// Speed of the routines every one-second tick and every table row call.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "data/startup.h"
#include "engine/angles.h"
#include "engine/engine_state.h"

using namespace sidora;

static void BM_JulianDay(benchmark::State& st) {
    unsigned s = 0;
    for (auto _ : st) {
        benchmark::DoNotOptimize(engine::julian_day(15, 7, 1985, 12, 30, s++ % 60, 2, 0));
    }
}
BENCHMARK(BM_JulianDay);

static void BM_LocalSiderealTime(benchmark::State& st) {
    engine::Engine e;
    for (auto _ : st) {
        e.local_sidereal_time(15, 7, 1985, 12, 30, 0, 14, 25, true, 2, 0);
        benchmark::DoNotOptimize(e.sidereal_degrees);
    }
}
BENCHMARK(BM_LocalSiderealTime);

static void BM_SummerTimeInEffect(benchmark::State& st) {
    engine::Engine e;
    for (auto _ : st) benchmark::DoNotOptimize(e.summer_time_in_effect(1985, 7, 15, 12));
}
BENCHMARK(BM_SummerTimeInEffect);

static void BM_FormatAngle(benchmark::State& st) {
    double x = 0;
    for (auto _ : st) {
        benchmark::DoNotOptimize(engine::format_angle(false, true, true, x));
        x += 0.37;
        if (x >= 360) x -= 360;
    }
}
BENCHMARK(BM_FormatAngle);

// Start-up on a directory that already holds every file: what each program start costs.
static void BM_StartUp(benchmark::State& st) {
    const auto dir = std::filesystem::temp_directory_path() / "sidora-bench-startup";
    std::filesystem::remove_all(dir);
    {
        data::AppState first;
        data::start_up(first, {dir, std::nullopt});
    }
    for (auto _ : st) {
        data::AppState state;
        data::start_up(state, {dir, std::nullopt});
        benchmark::DoNotOptimize(state.zone_offset);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
