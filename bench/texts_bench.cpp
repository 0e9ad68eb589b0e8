// The natal report with every section, and installing the natal and partner text packages.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "data/startup.h"
#include "horoscope/natal.h"
#include "io/files.h"
#include "models/report_selection.h"

using namespace sidora;
namespace fs = std::filesystem;

namespace {

fs::path fresh_dir(const char* name) {
    const fs::path dir = fs::temp_directory_path() / (std::string(name) + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    return dir;
}

const fs::path kShipped = fs::path(SIDORA_SOURCE_DIR) / "data";

// The two sum files in place and the marker naming them, as start-up delivers them.
void deliver_both(const fs::path& dir) {
    for (const char* kind : {"texty", "Partner"}) {
        fs::remove_all(dir / kind);
        fs::create_directory(dir / kind);
    }
    fs::copy_file(kShipped / "texty" / "Tsuma.dat", dir / "texty" / "Tsuma.dat");
    fs::copy_file(kShipped / "Partner" / "Psuma.dat", dir / "Partner" / "Psuma.dat");
    io::replace_file(dir / "prvni.dat", "texty\r\nPartner\r\n");
}

const data::InstallProgress kQuiet{[](const std::string&, int) {}, [](int) {}, [] {}, [](const std::string&) {}};

}  // namespace

static void BM_NatalReportAllFlags(benchmark::State& st) {
    const fs::path dir = fresh_dir("sidora-report-bench-");
    data::AppState state;
    data::start_up(state, {dir, kShipped});
    data::install_interpretations(state, kQuiet);
    // name, male, year, month, day, hour, minute, summer, zone, place, lon, east, lat, north, system
    const data::TOsoba person{"Jana Nováková", 0, 1975, 6, 15, 14, 30, 1, 2, "Brno", 16, 37, 1, 49, 12, 1, 1};
    const horoscope::NatalChart chart = horoscope::compute_natal(state, person);
    data::ReportFlags all;
    all.fill(true);
    std::size_t lines = 0, lookups = 0;
    for (auto _ : st) {
        const models::BuiltReport report = models::build_report(state, chart, all);
        lines = report.doc.lines().size();
        lookups = report.lookups.size();
        benchmark::DoNotOptimize(lines);
    }
    st.counters["lines"] = static_cast<double>(lines);
    st.counters["lookups"] = static_cast<double>(lookups);
    fs::remove_all(dir);
}
BENCHMARK(BM_NatalReportAllFlags)->Unit(benchmark::kMillisecond);

static void BM_InstallNatalAndPartnerTexts(benchmark::State& st) {
    const fs::path dir = fresh_dir("sidora-install-bench-");
    data::AppState state;
    data::start_up(state, {dir, std::nullopt});
    std::size_t files = 0;
    for (auto _ : st) {
        st.PauseTiming();
        deliver_both(dir);
        st.ResumeTiming();
        data::install_interpretations(state, kQuiet);
    }
    for (const char* kind : {"texty", "Partner"})
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir / kind)) ++files;
    st.counters["texts"] = static_cast<double>(files);
    fs::remove_all(dir);
}
BENCHMARK(BM_InstallNatalAndPartnerTexts)->Unit(benchmark::kMillisecond);
