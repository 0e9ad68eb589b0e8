// sidora-cli animate: the moments the animation window would step the main window through.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/cli.h"
#include "cli/options.h"
#include "models/animation.h"

namespace sidora::cli {
namespace {

struct AnimateOptions {
    MomentOptions moment;
    OutputOptions out;
    std::string step = "den";
    bool back = false;
    int ticks = 10;
};

std::string iso(const engine::Moment& m) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", m.year, m.month, m.day, m.hour, m.minute, m.second);
    return buf;
}

int run(data::AppState& state, const AnimateOptions& o) {
    const ChosenMoment chosen = choose(o.moment, state);
    state.current_moment = chosen.moment;
    models::Animation a;
    a.unit = *models::animation_unit(o.step);
    a.start(state, o.back);

    Json moments = Json::array();
    bool limit = false;
    for (int t = 0; t < o.ticks && !limit; ++t) {
        limit = a.tick(state) == models::AnimationTick::Limit;
        ChosenMoment at = chosen;
        at.moment = state.current_moment;
        moments.push_back({{"at", iso(at.moment)}, {"zone_offset", at.zone_offset(state.engine)}});
    }
    const int year = state.current_moment.year;
    const std::string why = limit ? "Animace se zastavila na hranici roku " + std::to_string(year) + "."
                                  : "Proběhlo " + std::to_string(o.ticks) + " kroků.";
    if (!o.out.json) {
        for (const auto& m : moments) std::cout << m["at"].get<std::string>() << "\n";
        std::cout << why << "\n";
        return 0;
    }
    Json j = {{"step", o.step},
              {"back", o.back},
              {"start", iso(chosen.moment)},
              {"moments", moments},
              {"stopped", limit ? "limit" : "ticks"},
              {"message", why}};
    print_json(j, o.out);
    return 0;
}

std::string step_problem(const std::string& v) {
    return models::animation_unit(v) ? "" : "neplatný krok „" + v + "“ (minuta, hodina, den, mesic nebo rok)";
}

std::string ticks_problem(const std::string& v) {
    const bool digits = !v.empty() && v.size() <= 6 && v.find_first_not_of("0123456789") == std::string::npos;
    const int n = digits ? std::stoi(v) : 0;
    return n >= 1 && n <= 100000 ? "" : "neplatný počet kroků „" + v + "“ (1 až 100000)";
}

}  // namespace

void add_animate_command(Commands& c) {
    auto o = std::make_shared<AnimateOptions>();
    CLI::App* cmd = c.add(c.app(), "animate",
                          "Okamžiky, jimiž animace provede hlavní okno, krok za krokem, a proč skončila");
    add_moment_options(cmd, o->moment);
    cmd->get_option("--at")->required();
    cmd->add_option("--step", o->step, "Krok animace: minuta, hodina, den, mesic nebo rok")
        ->type_name("minuta|hodina|den|mesic|rok")
        ->check(czech_check(step_problem));
    cmd->add_flag("--back", o->back, "Do minulosti (jinak do budoucnosti)");
    cmd->add_option_function<std::string>("--ticks", [o](const std::string& v) { o->ticks = std::stoi(v); },
                                          "Počet tiků animace")
        ->type_name("N")
        ->required()
        ->check(czech_check(ticks_problem));
    add_output_options(cmd, o->out);
    c.on_run(cmd, [o](data::AppState& state) { return run(state, *o); });
}

}  // namespace sidora::cli
