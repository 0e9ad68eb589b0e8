#include "data/settings_files.h"

#include "engine/zones.h"
#include "io/files.h"
#include "io/record.h"

namespace sidora::data {
namespace {

void note(std::string* fixed, const std::string& text) {
    if (!fixed) return;
    if (!fixed->empty()) *fixed += " ";
    *fixed += text;
}

bool size_ok(const std::string& bytes, std::size_t expected, std::string& why) {
    if (bytes.size() == expected) return true;
    why = size_mismatch(bytes.size(), expected);
    return false;
}

}  // namespace

std::string size_mismatch(std::size_t got, std::size_t expected) {
    return "soubor má " + std::to_string(got) + " bajtů, očekáváno " + std::to_string(expected) +
           ".";
}

void save_start_mem(const std::filesystem::path& dir, const StartMem& v) {
    io::replace_file(dir / StartMem::kFile, encode(v));
}
void save_astro_mem(const std::filesystem::path& dir, const AstroMem& v) {
    io::replace_file(dir / AstroMem::kFile, encode(v));
}
void save_num_set(const std::filesystem::path& dir, const NumSet& v) { io::replace_file(dir / NumSet::kFile, encode(v)); }
void save_tattvy_set(const std::filesystem::path& dir, const TattvySet& v) {
    io::replace_file(dir / TattvySet::kFile, encode(v));
}

std::string encode(const StartMem& v) {
    io::RecordWriter w(StartMem::kSize);
    w.short_string(0, 255, v.home_place_name);
    w.i32(256, v.zone_index);
    w.u8(260, v.summer_flag);
    w.u8(261, v.auto_summer);
    w.u8(262, v.rise_mode);
    w.u8(263, v.start_tab);
    return w.bytes();
}

std::string encode(const AstroMem& v) {
    io::RecordWriter w(AstroMem::kSize);
    w.u8(0, v.unused_first);
    w.u8(1, v.angle_seconds);
    w.i32(4, v.current_house_system);
    w.u8(8, v.zodiacal_notation);
    return w.bytes();
}

std::string encode(const NumSet& v) {
    io::RecordWriter w(NumSet::kSize);
    w.u8(0, v.numerology_digits);
    return w.bytes();
}

std::string encode(const TattvySet& v) {
    io::RecordWriter w(TattvySet::kSize);
    w.u8(0, v.first_tattva);
    w.u8(1, v.tattva_system);
    w.u8(2, v.house_system_index);
    return w.bytes();
}

std::optional<StartMem> decode_start_mem(const std::string& bytes, std::string& why,
                                         std::string* fixed) {
    if (!size_ok(bytes, StartMem::kSize, why)) return std::nullopt;
    io::RecordReader r(bytes);
    StartMem v;
    try {
        v.home_place_name = r.short_string(0, 255);
    } catch (const io::RecordError&) {
        why = "poškozený název domovského místa.";
        return std::nullopt;
    }
    v.zone_index = r.i32(256);
    if (!engine::valid_zone_index(v.zone_index)) {
        note(fixed, "Neplatné časové pásmo " + std::to_string(v.zone_index) +
                        ", použito pásmo +1 hod.");
        v.zone_index = 2;
    }
    v.summer_flag = r.u8(260) != 0;
    v.auto_summer = r.u8(261) != 0;
    v.rise_mode = r.u8(262);
    if (v.rise_mode > 4) {
        note(fixed, "Neplatný způsob výpočtu východu Slunce, použita výchozí hodnota.");
        v.rise_mode = 2;
    }
    v.start_tab = r.u8(263);
    if (v.start_tab < 1 || v.start_tab > 7) {
        note(fixed, "Neplatná úvodní záložka, použita záložka Čas.");
        v.start_tab = 1;
    }
    return v;
}

std::optional<AstroMem> decode_astro_mem(const std::string& bytes, std::string& why,
                                         std::string* fixed) {
    if (!size_ok(bytes, AstroMem::kSize, why)) return std::nullopt;
    io::RecordReader r(bytes);
    AstroMem v;
    v.unused_first = r.u8(0);
    v.angle_seconds = r.u8(1) != 0;
    v.current_house_system = r.i32(4);
    if (v.current_house_system < 1 || v.current_house_system > 16) {
        note(fixed, "Neplatný systém domů " + std::to_string(v.current_house_system) +
                        ", použit Placidus.");
        v.current_house_system = 1;
    }
    v.zodiacal_notation = r.u8(8) != 0;
    return v;
}

std::optional<NumSet> decode_num_set(const std::string& bytes, std::string& why) {
    if (!size_ok(bytes, NumSet::kSize, why)) return std::nullopt;
    return NumSet{static_cast<std::uint8_t>(bytes[0])};
}

std::optional<TattvySet> decode_tattvy_set(const std::string& bytes, std::string& why,
                                           std::string* fixed) {
    if (!size_ok(bytes, TattvySet::kSize, why)) return std::nullopt;
    io::RecordReader r(bytes);
    TattvySet v{r.u8(0), r.u8(1), r.u8(2)};
    if (v.first_tattva > 4 || v.tattva_system > 1 || v.house_system_index > 15) {
        note(fixed, "Neplatné nastavení tattev, použity výchozí hodnoty.");
        v = TattvySet{};
    }
    return v;
}

}  // namespace sidora::data
