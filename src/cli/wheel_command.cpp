// sidora-cli wheel and transits: the natal window's chart wheel with its overlay, and the
// transits over a person's chart at a moment.
#include <iostream>
#include <memory>

#include "cli/cli.h"
#include "cli/cycles_options.h"
#include "cli/options.h"
#include "data/hor_set.h"
#include "horoscope/natal.h"
#include "horoscope/wheel.h"
#include "models/natal_window.h"
#include "models/symbols.h"

#ifdef SIDORA_RENDER
#include "cli/wheel_files.h"
#endif

namespace sidora::cli {
namespace {

namespace h = horoscope;

struct WheelOptions {
    std::string person;
    std::optional<std::string> options, partner, png, svg, pdf;
    h::OverlayMode overlay = h::OverlayMode::Nic;
    bool overlay_given = false;
    MomentOptions moment;
    int size = h::kWheelSize;
    OutputOptions out;
};

Json point(const h::Point& p) { return Json::array({p.x, p.y}); }
Json rgb(const h::Colour& c) { return Json::array({c.r, c.g, c.b}); }

Json overlay_json(const h::Overlay& o) {
    Json glyphs = Json::array();
    for (const h::OverlayGlyph& g : o.glyphs) {
        glyphs.push_back({{"body", g.body},
                          {"longitude", g.longitude},
                          {"retrograde", g.retrograde},
                          {"house", g.house},
                          {"corner", point(g.corner)},
                          {"hint", g.hint}});
    }
    return {{"mode", h::overlay_mode_name(o.mode)}, {"label", o.label}, {"glyphs", glyphs}};
}

Json wheel_json(const h::WheelView& v) {
    Json glyphs = Json::array(), houses = Json::array(), numbers = Json::array(), aspects = Json::array();
    for (const h::WheelGlyph& g : v.glyphs) {
        glyphs.push_back({{"slot", g.slot},
                          {"letter", models::symbol_glyph(models::wheel_letter(g.slot))},
                          {"longitude", g.longitude},
                          {"radius", g.radius},
                          {"corner", point(g.corner)},
                          {"hint", g.hint},
                          {"shown", g.shown}});
    }
    for (const h::WheelLine& l : v.house_lines) {
        houses.push_back({{"n", l.n}, {"from", point(l.from)}, {"to", point(l.to)}, {"rgb", rgb(l.rgb)}, {"width", l.width}});
    }
    for (const h::HouseNumber& n : v.house_numbers) numbers.push_back({{"number", n.number}, {"at", point(n.at)}});
    for (const h::AspectLine& l : v.aspect_lines) {
        aspects.push_back({{"i", l.i},
                           {"j", l.j},
                           {"code", l.code},
                           {"from", point(l.from)},
                           {"to", point(l.to)},
                           {"rgb", rgb(l.rgb)},
                           {"width", l.width}});
    }
    return {{"size", v.size},          {"glyphs", glyphs},   {"house_lines", houses}, {"house_numbers", numbers},
            {"aspect_lines", aspects}, {"overlay", overlay_json(v.overlay)}};
}

void print_overlay(const h::Overlay& o) {
    if (!o.label.empty()) std::cout << printable(o.label) << "\n";
    for (const h::OverlayGlyph& g : o.glyphs) std::cout << "  " << g.hint << "\n";
}

// The chart of a stored person, or the refusal's status.
std::optional<int> chart_of(data::AppState& state, const std::string& name, h::NatalChart& chart) {
    std::string why;
    const auto person = person_named(state, name, why);
    if (!person) return refuse(why);
    try {
        chart = h::compute_natal(state, *person);
    } catch (const std::invalid_argument& e) {
        return refuse(e.what());
    }
    for (const auto& w : chart.warnings) std::cerr << w << "\n";
    return std::nullopt;
}

// The main window's bodies at the moment, as its tick computes them.
h::Overlay transits(data::AppState& state, const MomentOptions& options, const h::NatalChart& chart) {
    const ChosenMoment m = choose(options, state);
    state.engine.compute_main_window_bodies(m.moment, m.zone_offset(state.engine), 0);
    return h::place_overlay(h::OverlayMode::Tranzity, h::transit_source(state.engine.body_table), chart.houses(),
                            state.astro.zodiacal_notation != 0, h::transit_label(m.moment));
}

data::HorSet options_of(const data::AppState& state, const std::optional<std::string>& bits) {
    data::HorSet stored = data::read_hor_set(state.program_dir);
    if (bits) {
        for (std::size_t i = 0; i < data::HorSet::kSize; ++i) stored.options[i] = (*bits)[i] == '1';
    }
    // A minor aspect switched off in the orbs stays unticked, as in the window.
    return models::hor_set_of(models::option_boxes(stored, state.orbs));
}

std::optional<int> write_files(const h::WheelView& v, const WheelOptions& o, const std::string& title) {
    const std::pair<const std::optional<std::string>*, int> files[] = {{&o.png, 0}, {&o.svg, 1}, {&o.pdf, 2}};
    for (const auto& [file, kind] : files) {
        if (!*file) continue;
#ifdef SIDORA_RENDER
        const WheelFormat f = kind == 0 ? WheelFormat::Png : kind == 1 ? WheelFormat::Svg : WheelFormat::Pdf;
        if (!save_wheel(v, **file, f, title)) return refuse("Obrázek nelze uložit do " + printable(**file) + ".");
#else
        (void)v;
        (void)kind;
        (void)title;
        return refuse("Tento program obrázky nekreslí (sestaven bez Qt).");
#endif
    }
    return std::nullopt;
}

int run_wheel(data::AppState& state, const WheelOptions& o) {
    h::NatalChart chart;
    if (const auto refused = chart_of(state, o.person, chart)) return *refused;
    const bool zodiacal = state.astro.zodiacal_notation != 0;
    h::WheelView v = h::natal_wheel(chart, options_of(state, o.options), state.orbs.point_exclusions, zodiacal);
    v.size = o.size;
    if (o.overlay == h::OverlayMode::Tranzity) {
        v.overlay = transits(state, o.moment, chart);
    } else if (o.overlay == h::OverlayMode::Partneri) {
        h::NatalChart partner;
        if (const auto refused = chart_of(state, *o.partner, partner)) return *refused;
        v.overlay = h::place_overlay(h::OverlayMode::Partneri, h::chart_source(partner), chart.houses(), zodiacal,
                                     partner.person.name);
    }
    if (const auto refused = write_files(v, o, chart.person.name)) return *refused;
    if (o.out.json) {
        print_json(wheel_json(v), o.out);
        return 0;
    }
    std::cout << printable(chart.person.name) << "\n";
    for (const h::WheelGlyph& g : v.glyphs) {
        if (g.shown) std::cout << "  " << g.hint << "\n";
    }
    std::cout << "Domy: " << v.house_lines.size() << " os, aspekty: " << v.aspect_lines.size() << " čar\n";
    print_overlay(v.overlay);
    return 0;
}

std::string bits_problem(const std::string& v) {
    return v.size() == data::HorSet::kSize && v.find_first_not_of("01") == std::string::npos
               ? ""
               : "neplatné volby „" + v + "“ (15 znaků 0 nebo 1 v pořadí okna)";
}

std::string mode_problem(const std::string& v) {
    return v == "nic" || v == "tranzity" || v == "partneri" ? "" : "neplatné zobrazení „" + v + "“ (nic, tranzity, partneri)";
}

std::string wheel_size_problem(const std::string& v) {
    const bool digits = !v.empty() && v.size() <= 4 && v.find_first_not_of("0123456789") == std::string::npos;
    const int n = digits ? std::stoi(v) : 0;
    return n >= 100 && n <= 4000 ? "" : "neplatná velikost „" + v + "“ (100 až 4000 bodů)";
}

}  // namespace

void add_wheel_command(Commands& c) {
    auto o = std::make_shared<WheelOptions>();
    CLI::App* cmd = c.add(c.app(), "wheel",
                          "Kruh horoskopu uložené osoby jako na kartě Horoskop: značky, osy domů, aspekty a "
                          "tranzity nebo planety partnera (souřadnice v bodech kresby 297 × 297)");
    cmd->add_option("--person", o->person, "Osoba ze seznamu osob")->type_name("JMÉNO")->required();
    cmd->add_option("--options", o->options, "Volby karty (Sextil … Aspekty silnou čarou), jinak z hor.set")
        ->type_name("BITY15")
        ->check(czech_check(bits_problem));
    cmd->add_option_function<std::string>(
           "--overlay",
           [o](const std::string& v) {
               o->overlay_given = true;
               o->overlay = v == "tranzity" ? h::OverlayMode::Tranzity
                            : v == "partneri" ? h::OverlayMode::Partneri
                                              : h::OverlayMode::Nic;
           },
           "Zobraz: nic, tranzity (okamžik --at) nebo partneri (--partner)")
        ->type_name("nic|tranzity|partneri")
        ->check(czech_check(mode_problem));
    cmd->add_option("--partner", o->partner, "Druhá osoba pro zobrazení partneri")->type_name("JMÉNO");
    add_moment_options(cmd, o->moment);
    cmd->add_option_function<std::string>("--size", [o](const std::string& v) { o->size = std::stoi(v); },
                                          "Strana obrázku v bodech (jinak 297)")
        ->type_name("N")
        ->check(czech_check(wheel_size_problem));
    cmd->add_option("--png", o->png, "Uloží kruh do souboru PNG")->type_name("SOUBOR.png");
    cmd->add_option("--svg", o->svg, "Uloží kruh do souboru SVG")->type_name("SOUBOR.svg");
    cmd->add_option("--pdf", o->pdf, "Uloží kruh do souboru PDF")->type_name("SOUBOR.pdf");
    add_output_options(cmd, o->out);
    cmd->parse_complete_callback([o] {
        // --partner alone means the partner's planets.
        if (o->partner && !o->overlay_given) o->overlay = h::OverlayMode::Partneri;
        if (o->overlay == h::OverlayMode::Partneri && !o->partner) {
            throw CLI::ValidationError("--overlay partneri: zadává se spolu s --partner");
        }
        if (o->partner && o->overlay != h::OverlayMode::Partneri) {
            throw CLI::ValidationError("--partner: jen se zobrazením partneri");
        }
    });
    c.on_run(cmd, guarded([o](data::AppState& state) { return run_wheel(state, *o); }));

    struct TransitOptions {
        std::string person;
        MomentOptions moment;
        OutputOptions out;
    };
    auto t = std::make_shared<TransitOptions>();
    CLI::App* tr = c.add(c.app(), "transits",
                         "Tranzity nad horoskopem uložené osoby: Slunce … Pluto okamžiku v jejích domech, "
                         "jak je ukazuje karta Horoskop");
    tr->add_option("--person", t->person, "Osoba ze seznamu osob")->type_name("JMÉNO")->required();
    add_moment_options(tr, t->moment);
    add_output_options(tr, t->out);
    c.on_run(tr, guarded([t](data::AppState& state) {
                 h::NatalChart chart;
                 if (const auto refused = chart_of(state, t->person, chart)) return *refused;
                 const h::Overlay overlay = transits(state, t->moment, chart);
                 if (t->out.json) {
                     print_json(overlay_json(overlay), t->out);
                 } else {
                     print_overlay(overlay);
                 }
                 return 0;
             }));
}

}  // namespace sidora::cli
