// One frame of the animation: a day step, the main window's tick with its day refresh, and
// the heliocentric and sphere pictures of it.
#include <benchmark/benchmark.h>

#include "models/animation.h"
#include "models/helio_view.h"
#include "models/sky_calendar.h"
#include "models/sphere_view.h"

using namespace sidora;

namespace {

data::AppState frozen_in_prague() {
    data::AppState s;
    s.current_place = {"Praha", 14, 25, 1, 50, 5, 1};
    s.start.auto_summer = 0;
    s.clock_running = false;
    s.current_moment = {1, 1, 1985, 12, 0, 0};
    return s;
}

}  // namespace

static void BM_AnimationFrame(benchmark::State& st) {
    data::AppState s = frozen_in_prague();
    models::SkyCalendar sky;
    models::Animation a;
    a.start(s, false);
    const auto stars = models::star_field(400, 1);
    models::HelioOptions o;
    o.real_distances = o.horoscope = true;
    for (auto _ : st) {
        if (a.tick(s) != models::AnimationTick::Stepped) {
            s.current_moment = {1, 1, 1985, 12, 0, 0};
            a.start(s, false);
        }
        const models::SkyView& v = sky.tick(s, s.current_moment);
        benchmark::DoNotOptimize(models::helio_view(v.bodies, o, stars).drawing.items.size());
        benchmark::DoNotOptimize(models::sphere_view(v.bodies).drawing.items.size());
    }
}
BENCHMARK(BM_AnimationFrame)->Unit(benchmark::kMillisecond);

static void BM_ViewModels(benchmark::State& st) {
    data::AppState s = frozen_in_prague();
    models::SkyCalendar sky;
    const models::SkyView& v = sky.tick(s, s.current_moment);
    const auto stars = models::star_field(400, 1);
    for (auto _ : st) {
        benchmark::DoNotOptimize(models::helio_view(v.bodies, {}, stars).drawing.items.size());
        benchmark::DoNotOptimize(models::sphere_view(v.bodies).drawing.items.size());
    }
}
BENCHMARK(BM_ViewModels)->Unit(benchmark::kMicrosecond);
