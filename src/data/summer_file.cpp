#include "data/summer_file.h"

#include "data/settings_files.h"
#include "io/files.h"
#include "io/record.h"

namespace sidora::data {

using engine::TLetniRok;

std::string encode(const TLetniRok& r) {
    io::RecordWriter w(kSummerRecordSize);
    w.i32(0, r.rok);
    const std::uint8_t b[16] = {r.zaveden,   r.nezaveden, r.cely_rok,  r.dvakrat,
                                r.od_mesic,  r.od_den,    r.od_hodina, r.do_mesic,
                                r.do_den,    r.do_hodina, r.od2_mesic, r.od2_den,
                                r.od2_hodina, r.do2_mesic, r.do2_den,  r.do2_hodina};
    for (std::size_t i = 0; i < 16; ++i) w.u8(4 + i, b[i]);
    return w.bytes();
}

std::string encode_summer_rules(const std::vector<TLetniRok>& rules) {
    std::string out;
    for (const auto& r : rules) out += encode(r);
    return out;
}

std::optional<std::vector<TLetniRok>> decode_summer_rules(const std::string& bytes,
                                                          std::string& why) {
    const std::size_t expected = engine::kSummerFileYears * kSummerRecordSize;
    if (bytes.size() != expected) {
        why = size_mismatch(bytes.size(), expected);
        return std::nullopt;
    }
    std::vector<TLetniRok> rules;
    for (int i = 0; i < engine::kSummerFileYears; ++i) {
        io::RecordReader rd(std::string_view(bytes).substr(static_cast<std::size_t>(i) * kSummerRecordSize,
                                                           kSummerRecordSize));
        TLetniRok r;
        r.rok = rd.i32(0);
        std::uint8_t* f[16] = {&r.zaveden,   &r.nezaveden, &r.cely_rok,  &r.dvakrat,
                               &r.od_mesic,  &r.od_den,    &r.od_hodina, &r.do_mesic,
                               &r.do_den,    &r.do_hodina, &r.od2_mesic, &r.od2_den,
                               &r.od2_hodina, &r.do2_mesic, &r.do2_den,  &r.do2_hodina};
        for (std::size_t k = 0; k < 16; ++k) *f[k] = rd.u8(4 + k);
        const int year = engine::kSummerFirstYear + i;
        const std::string where = "záznam roku " + std::to_string(year) + ": ";
        if (r.rok != year) {
            why = "záznam " + std::to_string(i + 1) + " nese rok " + std::to_string(r.rok) +
                  " místo " + std::to_string(year) + ".";
            return std::nullopt;
        }
        if (r.zaveden > 1 || r.nezaveden > 1 || r.cely_rok > 1 || r.dvakrat > 1) {
            why = where + "neplatný příznak.";
            return std::nullopt;
        }
        auto valid = [&](int m, int d, int h) {
            return engine::hour_of_year(year, m, d, 0) >= 0 && h >= 0 && h <= 24;
        };
        const bool first_used = r.nezaveden == 0 && r.cely_rok == 0 && (r.zaveden || r.dvakrat);
        const bool second_used = first_used && r.zaveden == 0 && r.dvakrat == 1;
        if ((first_used && (!valid(r.od_mesic, r.od_den, r.od_hodina) ||
                            !valid(r.do_mesic, r.do_den, r.do_hodina))) ||
            (second_used && (!valid(r.od2_mesic, r.od2_den, r.od2_hodina) ||
                             !valid(r.do2_mesic, r.do2_den, r.do2_hodina)))) {
            why = where + "neplatné datum nebo hodina období letního času.";
            return std::nullopt;
        }
        rules.push_back(r);
    }
    return rules;
}

std::vector<TLetniRok> default_summer_rules() {
    std::vector<TLetniRok> rules;
    for (int y = engine::kSummerFirstYear; y <= engine::kSummerFileLastYear; ++y) {
        rules.push_back(engine::summer_rule_not_introduced(y));
    }
    return rules;
}

void save_summer_rules(const std::filesystem::path& dir, const std::vector<TLetniRok>& rules) {
    io::replace_file(dir / kSummerFile, encode_summer_rules(rules));
}

}  // namespace sidora::data
