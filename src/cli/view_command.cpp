// sidora-cli view helio|sphere|side: the pictures of the views, for one tick of the main
// window or of a natal horoscope, every drawn element with its pixels, colour and hint.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <vector>

#include "cli/birth_options.h"
#include "cli/cli.h"
#include "cli/options.h"
#include "cli/view_json.h"
#include "data/hor_set.h"
#include "horoscope/natal.h"
#include "models/helio_view.h"
#include "models/side_view.h"
#include "models/sphere_view.h"
#include "models/symbols.h"
#ifdef SIDORA_RENDER
#include "cli/view_png.h"
#endif

namespace sidora::cli {
namespace {

// The stars of the command line's pictures are always the same.
constexpr std::uint32_t kStarSeed = 1;

// --png and --svg of every view.
struct PictureOptions {
    std::optional<std::string> png, svg;
};

struct HelioCommand {
    MomentOptions moment;
    OutputOptions out;
    PictureOptions picture;
    std::string distances = "stejne";
    bool inner = false, horoscope = false;
    int size = models::kHelioMinimumView;
};

struct SphereCommand {
    MomentOptions moment;
    PlaceOptions place;
    OutputOptions out;
    PictureOptions picture;
};

struct SideCommand {
    BirthOptions birth;
    OutputOptions out;
    PictureOptions picture;
    std::string axis = "sirka";
    std::vector<int> aspects;
    bool parallels = false, houses = false;
    int width = models::kSideWindowWidth;
};

// The picture into the files asked for; the refusal's status when one cannot be written.
std::optional<int> write_pictures(const PictureOptions& files, const models::Drawing& drawing, const std::string& title) {
    if (!files.png && !files.svg) return std::nullopt;
#ifdef SIDORA_RENDER
    if (files.png && !save_drawing_png(drawing, *files.png)) {
        return refuse("Obrázek nelze uložit do " + printable(*files.png) + ".");
    }
    if (files.svg && !save_drawing_svg(drawing, *files.svg, title)) {
        return refuse("Obrázek nelze uložit do " + printable(*files.svg) + ".");
    }
    return std::nullopt;
#else
    (void)drawing;
    (void)title;
    return refuse("Tento program obrázky nekreslí (sestaven bez Qt).");
#endif
}

void add_picture_options(CLI::App* command, PictureOptions& files) {
    command->add_option_function<std::string>("--png", [&files](const std::string& v) { files.png = v; },
                                              "Uloží i obrázek pohledu do souboru PNG")
        ->type_name("SOUBOR.png");
    command->add_option_function<std::string>("--svg", [&files](const std::string& v) { files.svg = v; },
                                              "Uloží i obrázek pohledu do souboru SVG")
        ->type_name("SOUBOR.svg");
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
    if (const auto refused = write_pictures(o.picture, view.drawing, view.caption)) return *refused;
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
    if (const auto refused = write_pictures(o.picture, view.drawing, view.caption)) return *refused;
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

// "2,3,14" as codes; empty when any part is not a code.
std::vector<int> aspect_codes(const std::string& v) {
    std::vector<int> codes;
    std::size_t start = 0;
    while (start <= v.size()) {
        const std::size_t comma = std::min(v.find(',', start), v.size());
        const std::string part = v.substr(start, comma - start);
        const bool digits = !part.empty() && part.size() <= 2 && part.find_first_not_of("0123456789") == std::string::npos;
        const int k = digits ? std::stoi(part) : 0;
        if (k < 2 || k > 14) return {};
        codes.push_back(k);
        start = comma + 1;
    }
    return codes;
}

std::string aspects_problem(const std::string& v) {
    return aspect_codes(v).empty() ? "neplatné aspekty „" + v + "“ (kódy 2 až 14 oddělené čárkou)" : "";
}

std::string axis_problem(const std::string& v) {
    return v == "sirka" || v == "deklinace" ? "" : "neplatná osa „" + v + "“ (sirka nebo deklinace)";
}

std::string width_problem(const std::string& v) {
    const bool digits = !v.empty() && v.size() <= 4 && v.find_first_not_of("0123456789") == std::string::npos;
    const int n = digits ? std::stoi(v) : 0;
    return n >= models::kSideWindowWidth && n <= 4000 ? "" : "neplatná šířka „" + v + "“ (630 až 4000 bodů)";
}

Json boxes_json(const models::SideBoxes& boxes) {
    Json out = Json::array();
    for (const auto& b : boxes) out.push_back({{"text", b.text}, {"enabled", b.enabled}, {"checked", b.checked}});
    return out;
}

int run_side(data::AppState& state, const SideCommand& o) {
    data::TOsoba person;
    if (const auto refusal = choose_birth(state, o.birth, person)) return refuse(*refusal);
    const horoscope::NatalChart chart = horoscope::compute_natal(state, person);
    for (const auto& w : chart.warnings) std::cerr << w << "\n";
    // The boxes the options tick; those the orb tables switch off stay unticked, as in the window.
    data::HorSet ticked;
    for (int k : o.aspects) ticked.options[static_cast<std::size_t>(k - 2)] = true;
    ticked.options[data::HorSet::kDrawHouses] = o.houses;
    models::SideBoxes boxes = models::side_boxes(ticked, state.orbs);
    boxes[models::kSideParallel].checked = boxes[models::kSideParallel].enabled && o.parallels;
    boxes[models::kSideContraparallel].checked = boxes[models::kSideContraparallel].enabled && o.parallels;
    for (int k : o.aspects) {
        if (!boxes[static_cast<std::size_t>(k - 2)].enabled) {
            std::cerr << "Aspekt " << boxes[static_cast<std::size_t>(k - 2)].text << " je v orbisech vypnut.\n";
        }
    }
    if (o.parallels && !boxes[models::kSideParallel].enabled) std::cerr << "Paralely jsou v orbisech vypnuty.\n";

    const models::SideAxis axis = o.axis == "deklinace" ? models::SideAxis::Declination : models::SideAxis::Latitude;
    const models::SideData data = models::side_data(chart, state.orbs);
    const models::SideView view =
        models::side_view(data, axis, boxes, o.width, state.astro.zodiacal_notation != 0);
    if (const auto refused = write_pictures(o.picture, view.drawing, view.caption)) return *refused;
    const models::SidePlacement& p = view.placed;
    if (!o.out.json) {
        std::cout << printable(view.caption) << "\n" << p.middle_label << ", " << p.top_label << " až "
                  << p.bottom_label << "\n";
        for (const auto& b : p.bodies) std::cout << "  " << b.hint << "   [" << b.x << ", " << b.y << "]\n";
        return 0;
    }
    Json bodies = Json::array();
    for (const auto& b : p.bodies) {
        const auto& row = data.rows[static_cast<std::size_t>(b.body)];
        bodies.push_back({{"number", b.body}, {"name", b.name}, {"longitude", row.longitude}, {"value", b.value},
                          {"x", b.x}, {"y", b.y}, {"left", b.left}, {"top", b.top}, {"hint", b.hint}});
    }
    Json cusps = Json::array();
    for (std::size_t i = 0; i < 12; ++i) cusps.push_back(data.houses[i]);
    Json j = {{"caption", view.caption},
              {"axis", o.axis},
              {"scale", {{"m", p.m}, {"top", p.top_label}, {"bottom", p.bottom_label}, {"middle", p.middle_label}}},
              {"boxes", boxes_json(boxes)},
              {"cusps", cusps},
              {"bodies", bodies},
              {"drawing", drawing_json(view.drawing)}};
    print_json(j, o.out);
    return 0;
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
                item = {{"kind", "line"}, {"x1", i.x}, {"y1", i.y}, {"x2", i.x2}, {"y2", i.y2}, {"dashed", i.dashed},
                        {"pen", i.pen}};
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
    add_picture_options(helio, h->picture);
    add_output_options(helio, h->out);
    c.on_run(helio, [h](data::AppState& state) { return run_helio(state, *h); });

    auto s = std::make_shared<SphereCommand>();
    CLI::App* sphere = c.add(*view, "sphere", "Planety na obloze: azimut a výška, barva oblohy podle Slunce");
    add_moment_options(sphere, s->moment);
    add_place_options(sphere, s->place);
    add_picture_options(sphere, s->picture);
    add_output_options(sphere, s->out);
    c.on_run(sphere, guarded([s](data::AppState& state) { return run_sphere(state, *s); }));

    auto b = std::make_shared<SideCommand>();
    CLI::App* side = c.add(*view, "side", "Horoskop z boku: planety podle délky a šířky nebo deklinace, aspekty, "
                                          "paralely a domy");
    add_birth_options(side, b->birth);
    side->add_option("--axis", b->axis, "Osa Y: sirka (šířka, jinak) nebo deklinace")
        ->type_name("sirka|deklinace")
        ->check(czech_check(axis_problem));
    side->add_option_function<std::string>("--aspects", [b](const std::string& v) { b->aspects = aspect_codes(v); },
                                           "Kreslené aspekty, kódy 2 (sextil) až 14 (kvinkunx) oddělené čárkou")
        ->type_name("2,3,…")
        ->check(czech_check(aspects_problem));
    side->add_flag("--parallels", b->parallels, "Kreslí paralely a kontraparalely");
    side->add_flag("--houses", b->houses, "Kreslí domy");
    side->add_option_function<std::string>("--width", [b](const std::string& v) { b->width = std::stoi(v); },
                                           "Šířka okna v bodech (630 a více, pruh je o 10 užší)")
        ->type_name("N")
        ->check(czech_check(width_problem));
    add_picture_options(side, b->picture);
    add_output_options(side, b->out);
    c.on_run(side, guarded([b](data::AppState& state) { return run_side(state, *b); }));
}

}  // namespace sidora::cli
