// sidora-cli time: the zone offset, summer time, Julian day and sidereal time of a moment.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/cli.h"
#include "cli/options.h"
#include "engine/zones.h"
#include "models/time_report.h"

namespace sidora::cli {
namespace {

struct TimeOptions {
    MomentOptions moment;
    PlaceOptions place;
    OutputOptions out;
};

int run(data::AppState& state, const TimeOptions& o) {
    const ChosenMoment m = choose(o.moment, state);
    std::string why;
    const auto place = choose(o.place, state, why);
    if (!place) return refuse(why);
    models::TimeRequest req;
    req.moment = m.moment;
    req.zone_index = m.zone_index;
    req.summer = m.summer;
    req.lon_deg = place->lon_deg;
    req.lon_min = place->lon_min;
    req.east = place->east != 0;

    const models::TimeReport r = models::compute_time_report(state.engine, req);
    if (o.out.json) {
        print_json({{"jd", r.jd},
                    {"zone_offset", r.zone_offset},
                    {"summer", r.summer},
                    {"summer_text", r.summer_text},
                    {"weekday", r.weekday},
                    {"sidereal_degrees", r.sidereal_degrees},
                    {"sidereal_text", r.sidereal_text}},
                   o.out);
        return 0;
    }
    const engine::Moment& t = req.moment;
    char jd[32];
    std::snprintf(jd, sizeof jd, "%.6f", r.jd);
    char deg[32];
    std::snprintf(deg, sizeof deg, "%.4f", r.sidereal_degrees);
    std::cout << "Okamžik: " << t.day << "." << t.month << "." << t.year << " " << t.hour << ":"
              << (t.minute < 10 ? "0" : "") << t.minute << ":" << (t.second < 10 ? "0" : "") << t.second
              << " (" << r.weekday << ")\n"
              << "Časové pásmo: " << engine::zone_name(req.zone_index) << "\n"
              << "Posun od světového času: " << (r.zone_offset >= 0 ? "+" : "") << r.zone_offset << " h\n"
              << "Letní čas: " << (r.summer ? "ano" : "ne") << "\n";
    if (!r.summer_text.empty()) std::cout << r.summer_text << "\n";
    std::cout << "Juliánské datum: " << jd << "\n"
              << "Místní hvězdný čas: " << r.sidereal_text << " (" << deg << "°)\n";
    return 0;
}

}  // namespace

void add_time_command(Commands& c) {
    auto o = std::make_shared<TimeOptions>();
    CLI::App* cmd = c.add(c.app(), "time",
                          "Juliánské datum, posun pásma, letní čas podle pravidel roku, den v týdnu a místní "
                          "hvězdný čas okamžiku");
    add_moment_options(cmd, o->moment);
    add_place_options(cmd, o->place);
    add_output_options(cmd, o->out);
    c.on_run(cmd, [o](data::AppState& state) { return run(state, *o); });
}

}  // namespace sidora::cli
