// A world gazetteer in mista.dat: 200,000 places (13.6 MB), made here at run time. Every
// command reads it at start; the places list sorts it; a change rewrites it under the lock.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "data/places_store.h"
#include "data/startup.h"
#include "models/places_window.h"

using namespace sidora;
namespace fs = std::filesystem;

namespace {

constexpr int kPlaces = 200'000;

// A data directory holding the gazetteer, made once and removed at exit.
struct Gazetteer {
    fs::path dir;
    Gazetteer() {
        dir = fs::temp_directory_path() / ("sidora-bench-places-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const char* syllables[] = {"Čes", "ké", "Bu", "dě", "jo", "vi", "ce", "Ústí", "nad", "La", "bem",
                                   "Chrud", "im", "Žďár", "Říč", "any", "Ostr", "ava", "Plz", "eň"};
        std::mt19937 rng(2026);
        std::uniform_int_distribution<int> syllable(0, 19), count(2, 5), deg(0, 89), lon(0, 179), min(0, 59);
        std::string bytes;
        bytes.reserve(std::size_t(kPlaces) * data::TMisto::kSize);
        bytes += data::encode(data::default_place());
        for (int i = 1; i < kPlaces; ++i) {
            data::TMisto p;
            const int n = count(rng);
            for (int s = 0; s < n; ++s) p.name += syllables[syllable(rng)];
            p.name += " " + std::to_string(i);  // unique, as the file's names are
            p.lat_deg = deg(rng);
            p.lat_min = min(rng);
            p.lon_deg = lon(rng);
            p.lon_min = min(rng);
            bytes += data::encode(p);
        }
        std::ofstream(dir / data::kPlacesFile, std::ios::binary) << bytes;
    }
    ~Gazetteer() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

const Gazetteer& gazetteer() {
    static const Gazetteer g;
    return g;
}

}  // namespace

static void BM_Places200k_ReadFile(benchmark::State& st) {
    const data::PlacesStore store(gazetteer().dir / data::kPlacesFile);
    for (auto _ : st) benchmark::DoNotOptimize(store.read_all());
}
BENCHMARK(BM_Places200k_ReadFile)->Unit(benchmark::kMillisecond);

static void BM_Places200k_StartUp(benchmark::State& st) {
    for (auto _ : st) {
        data::AppState state;
        data::start_up(state, {gazetteer().dir, std::nullopt});
        benchmark::DoNotOptimize(state.current_place);
    }
}
BENCHMARK(BM_Places200k_StartUp)->Unit(benchmark::kMillisecond);

// The places window's list: read and sorted in Czech order.
static void BM_Places200k_WindowList(benchmark::State& st) {
    data::AppState state;
    data::start_up(state, {gazetteer().dir, std::nullopt});
    models::PlacesWindow window(state);
    for (auto _ : st) {
        window.show();
        benchmark::DoNotOptimize(window.names().data());
    }
}
BENCHMARK(BM_Places200k_WindowList)->Unit(benchmark::kMillisecond);

// Adding a place and deleting it again: two locked rewrites of the whole file.
static void BM_Places200k_AddAndDelete(benchmark::State& st) {
    data::PlacesStore store(gazetteer().dir / data::kPlacesFile);
    data::TMisto p = data::default_place();
    p.name = "Nové místo";
    for (auto _ : st) {
        store.append(p);
        store.remove(p.name);
    }
}
BENCHMARK(BM_Places200k_AddAndDelete)->Unit(benchmark::kMillisecond);
