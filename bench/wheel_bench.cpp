// The chart wheel: placing the glyphs and the lines of one chart, and painting it to a PNG.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "data/startup.h"
#include "horoscope/natal.h"
#include "horoscope/wheel.h"
#ifdef SIDORA_BENCH_RENDER
#include <QGuiApplication>

#include "render/wheel_painter.h"
#endif

using namespace sidora;

namespace {

horoscope::NatalChart chart_of_jana(data::AppState& state, const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    data::start_up(state, {dir, std::filesystem::path(SIDORA_SOURCE_DIR) / "data"});
    const data::TOsoba person{"Jana Nováková", 0, 1975, 6, 15, 14, 30, 1, 2, "Brno", 16, 37, 1, 49, 12, 1, 1};
    return horoscope::compute_natal(state, person);
}

std::filesystem::path temp_dir() {
    return std::filesystem::temp_directory_path() / ("sidora-wheel-bench-" + std::to_string(std::random_device{}()));
}

data::HorSet everything() {
    data::HorSet o;
    o.options.fill(true);
    return o;
}

}  // namespace

static void BM_WheelLayout(benchmark::State& st) {
    const auto dir = temp_dir();
    data::AppState state;
    const horoscope::NatalChart chart = chart_of_jana(state, dir);
    for (auto _ : st) {
        const horoscope::WheelView v = horoscope::natal_wheel(chart, everything(), state.orbs.point_exclusions, true);
        benchmark::DoNotOptimize(v.aspect_lines.size());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WheelLayout)->Unit(benchmark::kMicrosecond);

#ifdef SIDORA_BENCH_RENDER
static void BM_WheelPng(benchmark::State& st) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "sidora-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    const auto dir = temp_dir();
    data::AppState state;
    const horoscope::NatalChart chart = chart_of_jana(state, dir);
    const horoscope::WheelView v = horoscope::natal_wheel(chart, everything(), state.orbs.point_exclusions, true);
    const QString file = QString::fromStdString((dir / "wheel.png").string());
    for (auto _ : st) benchmark::DoNotOptimize(render::save_wheel_png(v, file));
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WheelPng)->Unit(benchmark::kMillisecond);
#endif
