// sidora-cli time: the zone offset, summer time, Julian day and sidereal time of a moment.
#include <cstdio>
#include <iostream>
#include <optional>

#include "cli/cli.h"
#include "cli/json.h"
#include "cli/moment_options.h"
#include "engine/zones.h"
#include "models/time_report.h"

namespace sidora::cli {

int run_time_command(data::AppState& state, Args& args) {
    MomentOptions o(state, true);
    while (!args.empty()) {
        const std::string opt = args.next();
        if (!o.take(opt, args)) throw UsageError("neznámá volba „" + opt + "“");
    }
    o.finish();
    models::TimeRequest req;
    req.moment = o.moment;
    req.zone_index = o.zone_index;
    req.summer = o.summer;
    req.lon_deg = o.lon ? o.lon->deg : state.current_place.lon_deg;
    req.lon_min = o.lon ? o.lon->min : state.current_place.lon_min;
    req.east = o.lon ? o.lon->positive : state.current_place.east != 0;
    const bool json = o.json;

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
