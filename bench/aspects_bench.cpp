// The four aspect searches and the evaluation of one fixed chart.
#include <benchmark/benchmark.h>

#include <cmath>

#include "data/orbs.h"
#include "horoscope/aspects.h"
#include "horoscope/evaluation.h"

using namespace sidora;
using namespace sidora::horoscope;

namespace {

struct Fixture {
    ChartTable chart{};
    SensitivePoints points{};
    FixedStars stars{};
    data::OrbTables orbs;
    data::AspectDefs defs = data::make_aspect_defs();
    Present present{};

    Fixture() {
        // Spread irregularly, so that some pairs meet and most do not.
        for (int b = 1; b <= kChartBodies; ++b) {
            auto& r = chart[static_cast<std::size_t>(b)];
            r.longitude = std::fmod(b * 47.3 + b * b * 3.1, 360.0);
            r.latitude = std::sin(b * 1.7) * 5;
            r.declination = std::cos(b * 0.9) * 23;
            r.speed = 0.5 + (b % 4) * 0.4;
            r.retrograde = b % 5 == 0;
            r.dum = static_cast<std::uint8_t>(b % 12 + 1);
            r.znameni = static_cast<std::uint8_t>(sign_of(r.longitude));
        }
        for (int p = 1; p <= kSensitivePoints; ++p)
            points[static_cast<std::size_t>(p)].lon = p % 9 == 0 ? kNone : std::fmod(p * 29.7, 360.0);
        for (int s = 1; s <= kFixedStars; ++s) stars[static_cast<std::size_t>(s)].lon = std::fmod(s * 5.53, 360.0);
        data::default_orb_matrix(orbs);
        data::default_minor_orbs(orbs);
        orbs.point_orbs = {0, 2, 2, 2};
        present = present_bodies(orbs, {false, true, true, true, true, true});
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

}  // namespace

static void BM_FindAspects(benchmark::State& st) {
    const Fixture& f = fixture();
    for (auto _ : st) benchmark::DoNotOptimize(find_aspects(f.chart, f.orbs, f.defs, f.present));
}
BENCHMARK(BM_FindAspects)->Unit(benchmark::kMicrosecond);

static void BM_FindParallels(benchmark::State& st) {
    const Fixture& f = fixture();
    AspectTable lat{}, decl{};
    for (auto _ : st) {
        find_parallels(f.chart, f.orbs, f.present, lat, decl);
        benchmark::DoNotOptimize(lat[1][2].kod);
        benchmark::DoNotOptimize(decl[1][2].kod);
    }
}
BENCHMARK(BM_FindParallels)->Unit(benchmark::kMicrosecond);

static void BM_FindPointAspects(benchmark::State& st) {
    const Fixture& f = fixture();
    for (auto _ : st) benchmark::DoNotOptimize(find_point_aspects(f.chart, f.points, f.orbs, f.defs, f.present));
}
BENCHMARK(BM_FindPointAspects)->Unit(benchmark::kMicrosecond);

static void BM_FindStarConjunctions(benchmark::State& st) {
    const Fixture& f = fixture();
    for (auto _ : st) benchmark::DoNotOptimize(find_star_conjunctions(f.chart, f.stars, f.orbs, f.present));
}
BENCHMARK(BM_FindStarConjunctions)->Unit(benchmark::kMicrosecond);

static void BM_EvaluateNatal(benchmark::State& st) {
    const Fixture& f = fixture();
    const AspectTable aspects = find_aspects(f.chart, f.orbs, f.defs, f.present);
    const StarTable stars = find_star_conjunctions(f.chart, f.stars, f.orbs, f.present);
    for (auto _ : st) benchmark::DoNotOptimize(evaluate_natal(f.chart, aspects, stars));
}
BENCHMARK(BM_EvaluateNatal)->Unit(benchmark::kMicrosecond);
