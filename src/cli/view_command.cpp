// sidora-cli view helio|sphere: the pictures of the views for one tick of the main window,
// every drawn element with its pixels, colour and hint.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/cli.h"
#include "cli/options.h"
#include "cli/view_json.h"
#include "models/helio_view.h"
#include "models/sphere_view.h"
#include "models/symbols.h"
#ifdef SIDORA_RENDER
#include "cli/view_png.h"
#endif

namespace sidora::cli {
namespace {

// The stars of the command line's pictures are always the same.
constexpr std::uint32_t kStarSeed = 1;

struct HelioCommand {
    MomentOptions moment;
    OutputOptions out;
    std::optional<std::string> png;
    std::string distances = "stejne";
    bool inner = false, horoscope = false;
    int size = models::kHelioMinimumView;
};

struct SphereCommand {
    MomentOptions moment;
    PlaceOptions place;
    OutputOptions out;
    std::optional<std::string> png;
};

// The picture into a file when asked; the refusal's status when it cannot be written.
std::optional<int> write_png(const std::optional<std::string>& file, const models::Drawing& drawing) {
    if (!file) return std::nullopt;
#ifdef SIDORA_RENDER
    if (save_drawing_png(drawing, *file)) return std::nullopt;
    return refuse("Obrázek nelze uložit do " + printable(*file) + ".");
#else
    (void)drawing;
    return refuse("Tento program obrázky nekreslí (sestaven bez Qt).");
#endif
}

// One tick of the main window at the chosen moment and place.
const models::SkyView& tick(data::AppState& state, models::SkyCalendar& sky, const ChosenMoment& m,
                            const data::TMisto& place) {
    state.current_place = place;
    state.start.zone_index = static_cast<std::uint8_t>(m.zone_index);
    state.start.auto_summer = m.summer == models::SummerMode::Auto;
    state.start.summer_flag = m.summer == models::SummerMode::Yes;
    state.clock_running = !m.frozen;
    state.current_moment = m.moment;
    return sky.tick(state, m.moment);
}

int run_helio(data::AppState& state, const HelioCommand& o) {
    models::HelioOptions h;
    h.real_distances = o.distances == "skutecne";
    h.inner_only = o.inner;
    h.horoscope = o.horoscope;
    h.view_size = o.size;
    if (h.horoscope && !h.real_distances) return refuse("Horoskop lze ukázat jen se skutečnými vzdálenostmi planet.");
    models::SkyCalendar sky;
    const models::SkyView& v = tick(state, sky, choose(o.moment, state), state.current_place);
    const models::HelioView view = models::helio_view(v.bodies, h, models::star_field(h.view_size, kStarSeed));
    if (const auto refused = write_png(o.png, view.drawing)) return *refused;
    if (!o.out.json) {
        std::cout << view.caption << "\n";
        for (const auto& p : view.planets) {
            if (p.visible) std::cout << "  " << p.hint << "   [" << p.x << ", " << p.y << "]\n";
        }
        return 0;
    }
    Json planets = Json::array();
    for (const auto& p : view.planets) {
        planets.push_back({{"name", p.name}, {"label", p.label}, {"ring", p.ring}, {"radius", p.radius},
                           {"x", p.x}, {"y", p.y}, {"left", p.x - 7}, {"top", p.y - 7}, {"visible", p.visible},
                           {"longitude", p.longitude}, {"hint", p.hint}});
    }
    Json j = {{"caption", view.caption},
              {"view_size", view.view_size},
              {"scale", view.scale},
              {"horoscope_enabled", view.horoscope_enabled},
              {"horoscope_drawn", view.horoscope_drawn},
              {"earth_centre", {view.earth_x, view.earth_y}},
              {"planets", planets},
              {"drawing", drawing_json(view.drawing)}};
    print_json(j, o.out);
    return 0;
}

int run_sphere(data::AppState& state, const SphereCommand& o) {
    std::string why;
    const auto place = choose(o.place, state, why);
    if (!place) return refuse(why);
    models::SkyCalendar sky;
    const models::SkyView& v = tick(state, sky, choose(o.moment, state), *place);
    const models::SphereView view = models::sphere_view(v.bodies);
    if (const auto refused = write_png(o.png, view.drawing)) return *refused;
    if (!o.out.json) {
        std::cout << view.caption << "\n" << models::sky_legend()[static_cast<std::size_t>(view.sky_state - 1)].text
                  << "\n";
        for (const auto& b : view.bodies) std::cout << "  " << b.hint << "   [" << b.left << ", " << b.top << "]\n";
        return 0;
    }
    Json bodies = Json::array();
    for (const auto& b : view.bodies) {
        bodies.push_back({{"name", b.name}, {"label", b.label}, {"left", b.left}, {"top", b.top},
                          {"altitude", b.altitude}, {"azimuth", b.azimuth}, {"hint", b.hint}});
    }
    Json legend = Json::array();
    for (const auto& l : models::sky_legend()) legend.push_back({{"text", l.text}, {"color", colour_text(l.colour)}});
    Json j = {{"caption", view.caption}, {"sky_state", view.sky_state},   {"bodies", bodies},
              {"legend", legend},        {"drawing", drawing_json(view.drawing)}};
    print_json(j, o.out);
    return 0;
}

std::string distances_problem(const std::string& v) {
    return v == "stejne" || v == "skutecne" ? "" : "neplatné vzdálenosti „" + v + "“ (stejne nebo skutecne)";
}

std::string size_problem(const std::string& v) {
    const bool digits = !v.empty() && v.size() <= 4 && v.find_first_not_of("0123456789") == std::string::npos;
    const int n = digits ? std::stoi(v) : 0;
    return n >= models::kHelioMinimumView && n <= 4000 ? "" : "neplatná velikost „" + v + "“ (400 až 4000 bodů)";
}

}  // namespace

std::string colour_text(const models::Rgb& c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

Json drawing_json(const models::Drawing& d) {
    using K = models::DrawItem::Kind;
    Json items = Json::array();
    for (const auto& i : d.items) {
        Json item;
        switch (i.kind) {
            case K::Fill: item = {{"kind", "fill"}, {"x", i.x}, {"y", i.y}, {"w", i.w}, {"h", i.h}}; break;
            case K::Frame: item = {{"kind", "frame"}, {"x", i.x}, {"y", i.y}, {"w", i.w}, {"h", i.h}}; break;
            case K::Line:
                item = {{"kind", "line"}, {"x1", i.x}, {"y1", i.y}, {"x2", i.x2}, {"y2", i.y2}, {"dashed", i.dashed}};
                break;
            case K::Ellipse: item = {{"kind", "ellipse"}, {"x", i.x}, {"y", i.y}, {"w", i.w}, {"h", i.h}}; break;
            case K::Body:
                item = {{"kind", "body"}, {"x", i.x}, {"y", i.y}, {"w", i.w}, {"h", i.h}, {"fill", colour_text(i.fill)}};
                break;
            case K::Text:
                item = {{"kind", "text"}, {"x", i.x}, {"y", i.y}, {"w", i.w}, {"h", i.h},
                        {"align", i.align == 1 ? "left" : i.align == 2 ? "right" : "centre"}};
                break;
        }
        item["color"] = colour_text(i.color);
        if (i.kind == K::Text && i.filled) item["fill"] = colour_text(i.fill);
        if (!i.text.empty()) item["text"] = i.symbol ? models::symbol_text(i.text) : i.text;
        if (!i.name.empty()) item["name"] = i.name;
        if (!i.hint.empty()) item["hint"] = i.hint;
        items.push_back(std::move(item));
    }
    return {{"width", d.width}, {"height", d.height}, {"items", items}};
}

void add_view_command(Commands& c) {
    CLI::App* view = c.add(c.app(), "view", "Obrázky pohledů pro jeden tik hlavního okna: každý kreslený prvek");
    view->require_subcommand(1);

    auto h = std::make_shared<HelioCommand>();
    CLI::App* helio = c.add(*view, "helio", "Heliocentrická poloha planet");
    add_moment_options(helio, h->moment);
    helio->add_option("--distances", h->distances, "Vzdálenosti planet: stejne (stejné kruhy) nebo skutecne")
        ->type_name("stejne|skutecne")
        ->check(czech_check(distances_problem));
    helio->add_flag("--inner", h->inner, "Jen vnitřní planety");
    helio->add_flag("--horoscope", h->horoscope, "Směry znamení od Země (jen se skutečnými vzdálenostmi)");
    helio->add_option_function<std::string>("--size", [h](const std::string& v) { h->size = std::stoi(v); },
                                            "Strana čtvercové kresby v bodech (400 a více)")
        ->type_name("N")
        ->check(czech_check(size_problem));
    helio->add_option_function<std::string>("--png", [h](const std::string& v) { h->png = v; },
                                            "Uloží i obrázek pohledu do souboru PNG")
        ->type_name("SOUBOR.png");
    add_output_options(helio, h->out);
    c.on_run(helio, [h](data::AppState& state) { return run_helio(state, *h); });

    auto s = std::make_shared<SphereCommand>();
    CLI::App* sphere = c.add(*view, "sphere", "Planety na obloze: azimut a výška, barva oblohy podle Slunce");
    add_moment_options(sphere, s->moment);
    add_place_options(sphere, s->place);
    sphere->add_option_function<std::string>("--png", [s](const std::string& v) { s->png = v; },
                                             "Uloží i obrázek pohledu do souboru PNG")
        ->type_name("SOUBOR.png");
    add_output_options(sphere, s->out);
    c.on_run(sphere, guarded([s](data::AppState& state) { return run_sphere(state, *s); }));
}

}  // namespace sidora::cli
