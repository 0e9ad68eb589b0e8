// sidora-cli time: the zone offset, summer time, Julian day and sidereal time of a moment.
#include <cstdio>
#include <iostream>
#include <optional>

#include "cli/cli.h"
#include "cli/json.h"
#include "engine/zones.h"
#include "models/moment_args.h"
#include "models/time_report.h"

namespace sidora::cli {

int run_time_command(data::AppState& state, Args& args) {
    models::TimeRequest req;
    req.moment = models::local_now();
    req.zone_index = state.start.zone_index;
    req.summer = state.start.auto_summer ? models::SummerMode::Auto
                 : state.start.summer_flag ? models::SummerMode::Yes
                                           : models::SummerMode::No;
    req.lon_deg = state.current_place.lon_deg;
    req.lon_min = state.current_place.lon_min;
    req.east = state.current_place.east != 0;
    std::optional<models::Coordinate> lat, lon;
    bool json = false;

    while (!args.empty()) {
        const std::string opt = args.next();
        if (opt == "--json") {
            json = true;
        } else if (opt == "--at") {
            const std::string v = args.value_of(opt);
            const auto m = models::parse_moment(v);
            if (!m) throw UsageError("neplatný okamžik „" + v + "“ (očekáváno RRRR-MM-DDTHH:MM[:SS])");
            req.moment = *m;
        } else if (opt == "--zone") {
            const std::string v = args.value_of(opt);
            int z = 0;
            try {
                std::size_t used = 0;
                z = std::stoi(v, &used);
                if (used != v.size()) z = 0;
            } catch (const std::exception&) {
                z = 0;
            }
            if (!engine::valid_zone_index(z)) throw UsageError("neplatné časové pásmo „" + v + "“ (1 až 24)");
            req.zone_index = z;
        } else if (opt == "--summer") {
            const std::string v = args.value_of(opt);
            if (v == "auto") req.summer = models::SummerMode::Auto;
            else if (v == "yes") req.summer = models::SummerMode::Yes;
            else if (v == "no") req.summer = models::SummerMode::No;
            else throw UsageError("neplatná hodnota --summer „" + v + "“ (auto, yes nebo no)");
        } else if (opt == "--lat") {
            const std::string v = args.value_of(opt);
            lat = models::parse_latitude(v);
            if (!lat) throw UsageError("neplatná zeměpisná šířka „" + v + "“ (očekáváno DD:MM a N nebo S)");
        } else if (opt == "--lon") {
            const std::string v = args.value_of(opt);
            lon = models::parse_longitude(v);
            if (!lon) throw UsageError("neplatná zeměpisná délka „" + v + "“ (očekáváno DDD:MM a E nebo W)");
        } else {
            throw UsageError("neznámá volba „" + opt + "“");
        }
    }
    if (lat.has_value() != lon.has_value()) throw UsageError("--lat a --lon se zadávají spolu");
    if (lon) {
        req.lon_deg = lon->deg;
        req.lon_min = lon->min;
        req.east = lon->positive;
    }

    const models::TimeReport r = models::compute_time_report(state.engine, req);
    if (json) {
        std::cout << JsonObject()
                         .num("jd", r.jd)
                         .integer("zone_offset", r.zone_offset)
                         .boolean("summer", r.summer)
                         .str("summer_text", r.summer_text)
                         .str("weekday", r.weekday)
                         .num("sidereal_degrees", r.sidereal_degrees)
                         .str("sidereal_text", r.sidereal_text)
                         .text()
                  << "\n";
        return 0;
    }
    const engine::Moment& m = req.moment;
    char jd[32];
    std::snprintf(jd, sizeof jd, "%.6f", r.jd);
    char deg[32];
    std::snprintf(deg, sizeof deg, "%.4f", r.sidereal_degrees);
    std::cout << "Okamžik: " << m.day << "." << m.month << "." << m.year << " " << m.hour << ":"
              << (m.minute < 10 ? "0" : "") << m.minute << ":" << (m.second < 10 ? "0" : "") << m.second
              << " (" << r.weekday << ")\n"
              << "Časové pásmo: " << engine::zone_name(req.zone_index) << "\n"
              << "Posun od světového času: " << (r.zone_offset >= 0 ? "+" : "") << r.zone_offset << " h\n"
              << "Letní čas: " << (r.summer ? "ano" : "ne") << "\n";
    if (!r.summer_text.empty()) std::cout << r.summer_text << "\n";
    std::cout << "Juliánské datum: " << jd << "\n"
              << "Místní hvězdný čas: " << r.sidereal_text << " (" << deg << "°)\n";
    return 0;
}

}  // namespace sidora::cli
