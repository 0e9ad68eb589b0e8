// The sky calendar's tick: an ordinary second, and a second that starts a new day.
#include <benchmark/benchmark.h>

#include "models/sky_calendar.h"

using namespace sidora;

namespace {

data::AppState prague() {
    data::AppState s;
    s.current_place.name = "Praha";
    s.current_place.lat_deg = 50;
    s.current_place.lat_min = 5;
    s.current_place.lon_deg = 14;
    s.current_place.lon_min = 25;
    s.start.auto_summer = 0;
    return s;
}

}  // namespace

static void BM_SkyTick(benchmark::State& st) {
    data::AppState s = prague();
    models::SkyCalendar sky;
    engine::Moment m{15, 7, 1985, 12, 0, 0};
    sky.tick(s, m);
    for (auto _ : st) {
        m.second = static_cast<std::uint16_t>((m.second + 1) % 60);
        benchmark::DoNotOptimize(sky.tick(s, m).Tab10.at(2, 1).text);
    }
}
BENCHMARK(BM_SkyTick)->Unit(benchmark::kMicrosecond);

static void BM_SkyTickWithDayRefresh(benchmark::State& st) {
    data::AppState s = prague();
    models::SkyCalendar sky;
    engine::Moment m{1, 7, 1985, 12, 0, 0};
    for (auto _ : st) {
        m.day = static_cast<std::uint16_t>(m.day % 28 + 1);  // a new date every tick
        benchmark::DoNotOptimize(sky.tick(s, m).Tab5.at(1, 0).text);
    }
}
BENCHMARK(BM_SkyTickWithDayRefresh)->Unit(benchmark::kMicrosecond);
