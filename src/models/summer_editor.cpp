#include "models/summer_editor.h"

#include <filesystem>

#include "data/startup_error.h"
#include "data/summer_file.h"
#include "io/files.h"

namespace sidora::models {
namespace {

std::filesystem::path file_in(const std::string& dir) { return std::filesystem::path(dir) / data::kSummerFile; }

std::vector<engine::TLetniRok> file_years(const engine::Engine& e) {
    return {e.summer_rules.begin(), e.summer_rules.begin() + engine::kSummerFileYears};
}

bool day_missing(int day, int month, int year) {
    return month < 1 || month > 12 || day > engine::days_in_month(month, year);
}

}  // namespace

engine::TLetniRok& summer_rule(engine::Engine& e, int year) {
    return e.summer_rules.at(static_cast<std::size_t>(year - engine::kSummerFirstYear));
}

SummerPeriods summer_periods(const engine::TLetniRok& r) {
    if (r.dvakrat) return {true, true};
    if (r.zaveden) return {true, false};
    return {};
}

std::optional<SummerFault> find_summer_fault(const engine::Engine& e) {
    for (int y = engine::kSummerFirstYear; y <= engine::kSummerFileLastYear; ++y) {
        const auto& r = e.summer_rules[static_cast<std::size_t>(y - engine::kSummerFirstYear)];
        if (r.nezaveden || r.cely_rok) continue;
        if (day_missing(r.od_den, r.od_mesic, y)) return SummerFault{y, SummerDayBox::Start};
        if (day_missing(r.do_den, r.do_mesic, y)) return SummerFault{y, SummerDayBox::End};
    }
    for (int y = engine::kSummerFirstYear; y <= engine::kSummerFileLastYear; ++y) {
        const auto& r = e.summer_rules[static_cast<std::size_t>(y - engine::kSummerFirstYear)];
        if (!r.dvakrat) continue;
        if (day_missing(r.od2_den, r.od2_mesic, y)) return SummerFault{y, SummerDayBox::SecondStart};
        if (day_missing(r.do2_den, r.do2_mesic, y)) return SummerFault{y, SummerDayBox::SecondEnd};
    }
    return std::nullopt;
}

std::optional<std::string> save_summer_rules(const engine::Engine& e, const std::string& dir) {
    try {
        data::save_summer_rules(dir, file_years(e));
    } catch (const io::FileError&) {
        return data::StartupError(53, data::kSummerFile, "soubor nelze zapsat.").message();
    }
    return std::nullopt;
}

std::optional<std::string> reload_summer_rules(engine::Engine& e, const std::string& dir) {
    const auto bytes = io::read_file(file_in(dir));
    if (!bytes) return data::StartupError(50, data::kSummerFile, "soubor nelze přečíst.").message();
    std::string why;
    const auto rules = data::decode_summer_rules(*bytes, why);
    if (!rules) return data::StartupError(50, data::kSummerFile, "soubor je poškozený: " + why).message();
    e.set_summer_rules(*rules);
    return std::nullopt;
}

bool summer_rules_unsaved(const engine::Engine& e, const std::string& dir) {
    const auto bytes = io::read_file(file_in(dir));
    return !bytes || *bytes != data::encode_summer_rules(file_years(e));
}

}  // namespace sidora::models
