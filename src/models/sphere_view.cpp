#include "models/sphere_view.h"

#include <cmath>
#include <iterator>

#include "data/places_store.h"
#include "engine/angles.h"

namespace sidora::models {
namespace {

int iround(double v) { return static_cast<int>(std::lround(v)); }

struct BodyLook {
    const char* name;
    const char* label;
    char letter;
    Rgb disc;
};

// The rows of the horizon table: Moon, Sun, Mercury..Pluto.
constexpr BodyLook kBodies[10] = {
    {"Image38", "Měsíc", 'R', {230, 230, 230}},  {"Image25", "Slunce", 'Q', {255, 200, 0}},
    {"Image39", "Merkur", 'S', {176, 160, 144}}, {"Image40", "Venuše", 'T', {230, 200, 110}},
    {"Image41", "Mars", 'U', {220, 70, 40}},     {"Image42", "Jupiter", 'V', {210, 160, 110}},
    {"Image43", "Saturn", 'W', {220, 200, 130}}, {"Image44", "Uran", 'X', {120, 210, 220}},
    {"Image45", "Neptun", 'Y', {80, 110, 230}},  {"Image46", "Pluto", 'Z', {170, 140, 120}},
};

DrawItem rect(DrawItem::Kind kind, int x1, int y1, int x2, int y2, Rgb colour) {
    DrawItem i;
    i.kind = kind;
    i.x = x1;
    i.y = y1;
    i.w = x2 - x1;
    i.h = y2 - y1;
    i.color = colour;
    return i;
}

DrawItem line(int x1, int y1, int x2, int y2, Rgb colour, bool dashed = false) {
    return line_item(x1, y1, x2, y2, colour, dashed);
}

// A label in the rectangle x, y, w, h; `align` as the renderer takes it (0 centred, 1 left, 2 right).
DrawItem label(const std::string& name, const std::string& text, int x, int y, int w, Rgb colour, int align = 0) {
    return text_item(name, text, x, y, w, 16, 12, colour, align);
}

std::string caption_of(const SkyView::Bodies& b) {
    const engine::Moment& m = b.moment;
    return std::to_string(m.day) + "." + std::to_string(m.month) + "." + std::to_string(m.year) + ", " +
           std::to_string(m.hour) + ":" + std::to_string(m.minute) + ":" + std::to_string(m.second) + " UTC" +
           (b.zone_offset >= 0 ? "+" : "") + std::to_string(b.zone_offset) + ", " + b.place_name;
}

}  // namespace

int sky_state(double h) {
    if (h >= 0) return 1;
    if (h >= -6) return 2;
    if (h >= -12) return 3;
    if (h >= -18) return 4;
    return 5;
}

Rgb sky_colour(int state) {
    switch (state) {
        case 1: return colors::kAqua;
        case 2: return {204, 204, 204};
        case 3: return {136, 136, 136};
        case 4: return {102, 102, 102};
        default: return colors::kBlack;
    }
}

const std::vector<LegendEntry>& sky_legend() {
    static const std::vector<LegendEntry> legend = {
        {"Den", sky_colour(1)},
        {"Občanský soumrak (svítání)", sky_colour(2)},
        {"Nautický soumrak (svítání)", sky_colour(3)},
        {"Astronomický soumrak (svítání)", sky_colour(4)},
        {"Noc", sky_colour(5)},
    };
    return legend;
}

SphereView sphere_view(const SkyView::Bodies& b) {
    SphereView v;
    v.caption = b.known ? caption_of(b) : "Planety";
    Drawing& d = v.drawing;
    d.width = kSphereMapWidth;
    d.height = kSphereHeight;
    using K = DrawItem::Kind;

    v.sky_state = b.known ? sky_state(b.horizon[1].altitude) : 0;
    const Rgb sky = b.known ? sky_colour(v.sky_state) : colors::kBlack;
    d.items.push_back(rect(K::Fill, 10, 150, 610, 300, colors::kBlack));
    d.items.push_back(rect(K::Fill, 10, 0, 610, 150, sky));
    // Over the map only, 10..610, not from the strip at 0.
    d.items.push_back(line(10, 150, 610, 150, colors::kWhite));
    for (int x : {160, 310, 460}) d.items.push_back(line(x, 0, x, 300, colors::kWhite));
    d.items.push_back(rect(K::Fill, 0, 0, 10, 300, colors::kSilver));
    d.items.push_back(rect(K::Fill, 610, 0, 620, 300, colors::kSilver));
    d.items.push_back(rect(K::Frame, 10, 0, 610, 300, colors::kNavy));

    const Rgb upper_text = v.sky_state == 1 ? colors::kBlack : colors::kWhite;
    d.items.push_back(label("Label6", "+90°", 13, 2, 40, upper_text, 1));
    d.items.push_back(label("Label7", "-90°", 13, 282, 40, colors::kWhite, 1));
    // White on its navy ground in every light: black would vanish there by day.
    DrawItem horizon = label("Label8", "Obzor", 13, 142, 44, colors::kWhite);
    horizon.filled = true;
    horizon.fill = colors::kNavy;
    d.items.push_back(horizon);
    const char* directions[5] = {"Sever", "Východ", "Jih", "Západ", "Sever"};
    for (int k = 0; k < 5; ++k) {
        const int x = 10 + k * 150;
        const int align = k == 0 ? 1 : k == 4 ? 2 : 0;
        const int left = align == 1 ? 0 : align == 2 ? x - 80 + 10 : x - 40;
        d.items.push_back(label("direction" + std::to_string(k), directions[k], left, 301, 80, colors::kBlack, align));
    }

    if (!b.known) return v;
    for (std::size_t r = 0; r < std::size(kBodies); ++r) {
        const BodyLook& look = kBodies[r];
        SphereBody s;
        s.name = look.name;
        s.label = look.label;
        s.altitude = b.horizon[r].altitude;
        s.azimuth = b.horizon[r].azimuth;
        s.left = iround(s.azimuth * 600 / 360) + 3;
        s.top = iround((90 - s.altitude) * 300 / 180) - 7;
        s.hint = s.label + ": Azimut:" + engine::format_angle(false, false, false, s.azimuth) +
                 ", Výška: " + engine::format_angle(true, false, false, s.altitude);
        DrawItem pic;
        pic.kind = K::Body;
        pic.x = s.left;
        pic.y = s.top;
        pic.w = pic.h = 15;
        pic.fill = look.disc;
        pic.color = colors::kBlack;
        pic.text = std::string(1, look.letter);
        pic.symbol = true;
        pic.size = 11;
        pic.name = s.name;
        pic.hint = s.hint;
        d.items.push_back(pic);
        v.bodies.push_back(std::move(s));
    }
    return v;
}

std::optional<std::string> change_place(data::AppState& state, const std::optional<std::string>& name) {
    if (!name || name->empty()) return "Není vybráno žádné místo!";
    const auto place = data::PlacesStore(state.program_dir / data::kPlacesFile).find_place(*name);
    if (!place) return "Místo „" + *name + "“ v seznamu míst již není!";
    if (place->damaged) return data::damaged_place_message(*place);
    data::TMisto chosen = *place;
    chosen.name = name->substr(0, data::TMisto::kNameCapacity);
    state.current_place = chosen;
    return std::nullopt;
}

}  // namespace sidora::models
