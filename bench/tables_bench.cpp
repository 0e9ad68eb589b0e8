// The simple ephemeris of all eighteen bodies, daily 1800–2100, on one and two threads; the
// same table from the Swiss Ephemeris where its library is installed; one year of each search.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "data/asteroid_file.h"
#include "tables/ephemeris.h"
#include "tables/search.h"

#if SIDORA_BENCH_SWE
#include <swephexp.h>
#endif

using namespace sidora;

namespace {

tables::TableContext praha(int threads) {
    tables::TableContext x;
    x.zone_offset = 1;
    x.place.name = "Praha";
    x.place.lat_deg = 50;
    x.place.lat_min = 5;
    x.place.lon_deg = 14;
    x.place.lon_min = 25;
    x.threads = threads;
    return x;
}

engine::Engine loaded() {
    engine::Engine e;
    data::load_asteroid_elements(e, SIDORA_SOURCE_DIR "/data", std::nullopt);
    return e;
}

void BM_SimpleEphemeris1800To2100(benchmark::State& st) {
    engine::Engine e = loaded();
    tables::TableChoice c;
    c.kind = tables::TableKind::Simple;
    c.span = {1, 1800, 12, 2100};
    c.bodies.fill(true);
    for (auto _ : st) {
        const auto t = tables::compute_table(e, c, praha(static_cast<int>(st.range(0))));
        benchmark::DoNotOptimize(t->rows.size());
    }
}
BENCHMARK(BM_SimpleEphemeris1800To2100)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

#if SIDORA_BENCH_SWE
// The baseline: 17 bodies by swe_calc, the south node opposite the north one, one CSV line a day.
void BM_SweSimpleEphemeris1800To2100(benchmark::State& st) {
    static const int bodies[] = {SE_SUN,    SE_MOON,   SE_MERCURY, SE_VENUS, SE_MARS,  SE_JUPITER,
                                 SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE, SE_MEAN_APOG,
                                 SE_CERES,  SE_PALLAS, SE_JUNO,    SE_VESTA, SE_CHIRON};
    for (auto _ : st) {
        const double start = swe_julday(1800, 1, 1, -1, SE_GREG_CAL), end = swe_julday(2100, 12, 31, -1, SE_GREG_CAL);
        std::size_t bytes = 0;
        for (double jd = start; jd <= end + 0.5; jd += 1) {
            std::string line;
            char cell[32], err[256];
            double xx[6];
            for (int b : bodies) {
                swe_calc(jd, b, SEFLG_SWIEPH | SEFLG_NONUT | SEFLG_SPEED, xx, err);
                std::snprintf(cell, sizeof cell, "%.4f;", xx[0]);
                line += cell;
                if (b == SE_MEAN_NODE) {
                    std::snprintf(cell, sizeof cell, "%.4f;", std::fmod(xx[0] + 180, 360));
                    line += cell;
                }
            }
            bytes += line.size() + 2;
        }
        benchmark::DoNotOptimize(bytes);
    }
    swe_close();
}
BENCHMARK(BM_SweSimpleEphemeris1800To2100)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
#endif

void BM_SearchOneYear(benchmark::State& st) {
    engine::Engine e = loaded();
    const int kind = static_cast<int>(st.range(0));
    for (auto _ : st) {
        std::optional<tables::SearchResult> r;
        if (kind < 2) {
            tables::SkyQuery q;
            q.span = {1, 2024, 12, 2024};
            q.body = 1;
            if (kind == 1) {
                q.mode = tables::SkyQuery::Mode::Aspect;
                q.aspect_name = "trigon";
                q.angle = 120;
                q.with = 0;
            }
            r = tables::search_sky(e, q, praha(1));
        } else {
            tables::TransitQuery q;
            q.span = {1, 2024, 12, 2024};
            q.body = 1;
            for (int b = 1; b <= 24; ++b) q.natal_longitude[static_cast<std::size_t>(b)] = 14.0 * b;
            q.mode = kind == 2 ? tables::TransitQuery::Mode::Aspect : tables::TransitQuery::Mode::Phase;
            q.aspect_code = 4;
            q.aspect_name = "trigon";
            q.angle = 120;
            q.orb = 5;
            r = tables::search_transit(e, q, praha(1));
        }
        benchmark::DoNotOptimize(r->lines.size());
    }
}
// 0 the Moon in Beran, 1 the Moon trigon the Sun, 2 a transit aspect of the Moon, 3 the birth phase.
BENCHMARK(BM_SearchOneYear)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
