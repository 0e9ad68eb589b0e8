#include "data/asteroid_file.h"

#include <cmath>
#include <cstdio>

#include "data/settings_files.h"
#include "io/extended80.h"
#include "io/files.h"
#include "io/record.h"

namespace sidora::data {

std::string asteroid_file_name(int n) { return "ast" + std::to_string(n) + ".kel"; }

std::string encode(const engine::AsteroidElements& e) {
    std::string r(kAsteroidRecordSize, '\0');
    auto put = [&r](std::size_t off, double v) {
        const auto b = io::encode_extended80(v);
        for (std::size_t i = 0; i < b.size(); ++i) r[off + i] = static_cast<char>(b[i]);
    };
    put(0, e.epoch);
    io::RecordWriter year(4);
    year.i32(0, e.year);
    r.replace(12, 4, year.bytes());
    put(16, e.mean_anomaly);
    put(32, e.perihelion_arg);
    put(48, e.node);
    put(64, e.inclination);
    put(80, e.eccentricity);
    put(96, e.daily_motion);
    return r;
}

namespace {

std::string number_text(double v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "+nekonečno" : "−nekonečno";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

// The first field of a record outside its range, as "<field> <value> ...", or nothing.
std::optional<std::string> field_fault(const engine::AsteroidElements& e) {
    struct Field {
        const char* name;
        double value;
        double low, high;
        bool open_low, open_high;
    };
    // Wide enough for any real element set; narrow enough that the orbit arithmetic (the
    // node's year difference, Kepler's equation) stays defined.
    const Field fields[] = {
        {"epocha", e.epoch, 0, 5'400'000, false, false},
        {"rok ekvinokcia uzlu", static_cast<double>(e.year), -10'000, 10'000, false, false},
        {"střední anomálie", e.mean_anomaly, -360, 720, false, false},
        {"argument perihelu", e.perihelion_arg, -360, 720, false, false},
        {"délka výstupného uzlu", e.node, -360, 720, false, false},
        {"sklon dráhy", e.inclination, 0, 180, false, false},
        {"výstřednost", e.eccentricity, 0, 1, false, true},
        {"denní pohyb", e.daily_motion, 0, 360, true, false},
    };
    for (const auto& f : fields) {
        const bool low_ok = f.open_low ? f.value > f.low : f.value >= f.low;
        const bool high_ok = f.open_high ? f.value < f.high : f.value <= f.high;
        if (std::isfinite(f.value) && low_ok && high_ok) continue;
        return std::string(f.name) + " " + number_text(f.value) + " leží mimo rozsah " + number_text(f.low) +
               " až " + number_text(f.high);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<engine::AsteroidElements>> decode_asteroid_file(const std::string& bytes, std::string& why) {
    if (bytes.empty() || bytes.size() % kAsteroidRecordSize != 0) {
        why = bytes.empty() ? "soubor neobsahuje žádné elementy."
                            : "délka souboru (" + std::to_string(bytes.size()) +
                                  " bajtů) není násobkem délky záznamu 112 bajtů.";
        return std::nullopt;
    }
    std::vector<engine::AsteroidElements> out;
    const auto* base = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t off = 0; off < bytes.size(); off += kAsteroidRecordSize) {
        const unsigned char* r = base + off;
        engine::AsteroidElements e;
        e.epoch = io::decode_extended80(r);
        e.year = io::RecordReader(std::string_view(bytes).substr(off, kAsteroidRecordSize)).i32(12);
        e.mean_anomaly = io::decode_extended80(r + 16);
        e.perihelion_arg = io::decode_extended80(r + 32);
        e.node = io::decode_extended80(r + 48);
        e.inclination = io::decode_extended80(r + 64);
        e.eccentricity = io::decode_extended80(r + 80);
        e.daily_motion = io::decode_extended80(r + 96);
        if (const auto fault = field_fault(e)) {
            why = "záznam " + std::to_string(off / kAsteroidRecordSize + 1) + " nemá platné elementy dráhy: " +
                  *fault + ".";
            return std::nullopt;
        }
        out.push_back(e);
    }
    return out;
}

void load_asteroid_elements(engine::Engine& engine, const std::filesystem::path& data_dir,
                            const std::optional<std::filesystem::path>& shipped_dir) {
    for (int n = 1; n <= 5; ++n) {
        const std::string name = asteroid_file_name(n);
        auto bytes = io::read_file(data_dir / name);
        if (!bytes && shipped_dir) bytes = io::read_file(*shipped_dir / name);
        auto& error = engine.asteroid_load_error[static_cast<std::size_t>(n)];
        auto& set = engine.asteroid_elements[static_cast<std::size_t>(n)];
        set.clear();
        if (!bytes) {
            error = "Soubor " + name + " s elementy planetky nebyl nalezen.";
            continue;
        }
        std::string why;
        if (auto records = decode_asteroid_file(*bytes, why)) {
            set = std::move(*records);
            error.clear();
        } else {
            error = "Soubor " + name + " je poškozený: " + why;
        }
    }
}

}  // namespace sidora::data
