#include "cli/options.h"

#include "data/places_file.h"
#include "data/places_store.h"
#include "engine/zones.h"

namespace sidora::cli {

CLI::Validator czech_check(std::function<std::string(const std::string&)> why) {
    return CLI::Validator(
        [why = std::move(why)](std::string& v) {
            if (v.size() > 2 && v.rfind("--", 0) == 0) return "chybí hodnota (následuje „" + v + "“)";
            return why(v);
        },
        "");
}

namespace {

std::string moment_problem(const std::string& v, Years years) {
    const auto m = models::parse_moment(v);
    if (!m) return "neplatný okamžik „" + v + "“ (očekáváno RRRR-MM-DDTHH:MM[:SS])";
    if (years == Years::Program && (m->year < kYearMin || m->year > kYearMax)) {
        return "okamžik „" + v + "“ leží mimo roky " + std::to_string(kYearMin) + " až " + std::to_string(kYearMax);
    }
    return "";
}

std::string zone_problem(const std::string& v) {
    const bool digits = !v.empty() && v.size() <= 2 && v.find_first_not_of("0123456789") == std::string::npos;
    const int n = digits ? std::stoi(v) : 0;
    if (n < 1 || n > engine::kZoneCount) {
        return "neplatné časové pásmo „" + v + "“ (1 až " + std::to_string(engine::kZoneCount) + ")";
    }
    return "";
}

std::string summer_problem(const std::string& v) {
    return v == "auto" || v == "yes" || v == "no" ? "" : "neplatná hodnota „" + v + "“ (auto, yes nebo no)";
}

}  // namespace

std::string latitude_problem(const std::string& v) {
    return models::parse_latitude(v) ? ""
                                     : "neplatná zeměpisná šířka „" + v + "“ (očekáváno DD:MM a N nebo S, nejvýše 90:00)";
}

std::string longitude_problem(const std::string& v) {
    return models::parse_longitude(v)
               ? ""
               : "neplatná zeměpisná délka „" + v + "“ (očekáváno DDD:MM a E nebo W, nejvýše 180:00)";
}

void add_moment_options(CLI::App* cmd, MomentOptions& o, Years years) {
    const char* group = "Okamžik";
    cmd->add_option_function<std::string>(
           "--at", [&o](const std::string& v) { o.at = models::parse_moment(v); },
           years == Years::Program ? "Okamžik v pásmovém čase, roky 1800 až 2100 (jinak nyní)"
                                   : "Okamžik v pásmovém čase (jinak nyní); rok mimo 1800 až 2100 okno ohlásí")
        ->type_name("RRRR-MM-DDTHH:MM[:SS]")
        ->check(czech_check([years](const std::string& v) { return moment_problem(v, years); }))
        ->group(group);
    cmd->add_option_function<std::string>(
           "--zone", [&o](const std::string& v) { o.zone = std::stoi(v); },
           "Časové pásmo, řádek seznamu pásem: 1 = 0 hod, 2 = +1 hod (středoevropské), 14 až 24 západní "
           "(jinak uložené)")
        ->type_name("1..24")
        ->check(czech_check(zone_problem))
        ->group(group);
    cmd->add_option_function<std::string>(
           "--summer",
           [&o](const std::string& v) {
               o.summer = v == "auto" ? models::SummerMode::Auto
                          : v == "yes" ? models::SummerMode::Yes
                                       : models::SummerMode::No;
           },
           "Letní čas: auto podle pravidel roku, yes nebo no (jinak uložený)")
        ->type_name("auto|yes|no")
        ->check(czech_check(summer_problem))
        ->group(group);
}

ChosenMoment choose(const MomentOptions& o, const data::AppState& state) {
    const models::SummerMode stored = state.start.auto_summer   ? models::SummerMode::Auto
                                      : state.start.summer_flag ? models::SummerMode::Yes
                                                                : models::SummerMode::No;
    return ChosenMoment{o.at.value_or(models::local_now()), o.zone.value_or(state.start.zone_index),
                        o.summer.value_or(stored), o.at.has_value()};
}

int ChosenMoment::zone_offset(engine::Engine& engine) const {
    return engine
        .zone_offset_of(zone_index, summer == models::SummerMode::Auto, summer == models::SummerMode::Yes,
                        moment.year, moment.month, moment.day, moment.hour)
        .hours;
}

void add_place_options(CLI::App* cmd, PlaceOptions& o) {
    const char* group = "Místo";
    CLI::Option* place = cmd->add_option_function<std::string>(
                                "--place", [&o](const std::string& v) { o.place = v; },
                                "Místo ze seznamu míst (jinak domov)")
                             ->type_name("NÁZEV")
                             ->group(group);
    CLI::Option* lat = cmd->add_option_function<std::string>(
                              "--lat", [&o](const std::string& v) { o.lat = models::parse_latitude(v); },
                              "Zeměpisná šířka, se zeměpisnou délkou")
                           ->type_name("DD:MM(N|S)")
                           ->check(czech_check(latitude_problem))
                           ->group(group);
    CLI::Option* lon = cmd->add_option_function<std::string>(
                              "--lon", [&o](const std::string& v) { o.lon = models::parse_longitude(v); },
                              "Zeměpisná délka, se zeměpisnou šířkou")
                           ->type_name("DDD:MM(E|W)")
                           ->check(czech_check(longitude_problem))
                           ->group(group);
    lat->needs(lon);
    lon->needs(lat);
    place->excludes(lat);
    place->excludes(lon);
}

std::optional<data::TMisto> choose(const PlaceOptions& o, const data::AppState& state, std::string& why) {
    if (o.place) {
        data::PlacesStore store(state.program_dir / data::kPlacesFile);
        auto found = store.find_place(*o.place);
        if (!found) why = "Místo „" + printable(*o.place) + "“ v seznamu není!";
        if (found && found->damaged) {
            why = printable(*data::damaged_place_message(*found));
            return std::nullopt;
        }
        return found;
    }
    data::TMisto p = state.current_place;
    if (o.lat && o.lon) {
        p.name.clear();
        p.lat_deg = o.lat->deg;
        p.lat_min = o.lat->min;
        p.north = o.lat->positive;
        p.lon_deg = o.lon->deg;
        p.lon_min = o.lon->min;
        p.east = o.lon->positive;
    }
    return p;
}

void add_house_system_option(CLI::App* cmd, std::optional<int>& system) {
    cmd->add_option_function<std::string>(
           "--system", [&system](const std::string& v) { system = std::stoi(v); },
           "Systém domů 1 až 16 (jinak uložený)")
        ->type_name("1..16")
        ->check(czech_check([](const std::string& v) {
            const bool digits = !v.empty() && v.size() <= 2 && v.find_first_not_of("0123456789") == std::string::npos;
            const int n = digits ? std::stoi(v) : 0;
            return n >= 1 && n <= 16 ? std::string() : "neplatné číslo systému domů „" + v + "“ (1 až 16)";
        }));
}

void add_output_options(CLI::App* cmd, OutputOptions& o) {
    cmd->add_flag("--json", o.json, "Výstup v JSON")->group("Výstup");
    cmd->add_flag("--compact", o.compact, "JSON na jednom řádku i na terminálu")->group("Výstup");
}

}  // namespace sidora::cli
