#include "models/helio_view.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "engine/angles.h"

namespace sidora::models {
namespace {

constexpr double kRad = engine::kPi / 180.0;

int iround(double v) { return static_cast<int>(std::lround(v)); }

struct PlanetLook {
    const char* name;
    const char* label;
    int helio;           // index into the snapshot's heliocentric arrays
    const char* glyph;   // letter of the symbol font, or a glyph
    bool symbol;
    Rgb disc;
};

// Ring order from the Sun.
constexpr PlanetLook kPlanets[9] = {
    {"Imerkur", "Merkur", 1, "S", true, {176, 160, 144}},   {"Ivenuse", "Venuse", 2, "T", true, {230, 200, 110}},
    {"Izeme", "Země", 0, "♁", false, {60, 120, 255}},         {"Imars", "Mars", 3, "U", true, {220, 70, 40}},
    {"Ijupiter", "Jupiter", 4, "V", true, {210, 160, 110}}, {"Isaturn", "Saturn", 5, "W", true, {220, 200, 130}},
    {"Iuran", "Uran", 6, "X", true, {120, 210, 220}},       {"Ineptun", "Neptun", 7, "Y", true, {80, 110, 230}},
    {"Ipluto", "Pluto", 8, "Z", true, {170, 140, 120}},
};

DrawItem line(int x1, int y1, int x2, int y2, Rgb colour, bool dashed = false) {
    return line_item(x1, y1, x2, y2, colour, dashed);
}

// Six diameters through (x0, y0) at every 30°, each `reach` pixels out to both sides.
void diameters(std::vector<DrawItem>& out, int x0, int y0, int reach, Rgb colour, bool dashed) {
    for (int k = 0; k < 6; ++k) {
        const double t = k * 30 * kRad, u = t + engine::kPi;
        out.push_back(line(x0 - iround(reach * std::cos(t)), y0 + iround(reach * std::sin(t)),
                           x0 - iround(reach * std::cos(u)), y0 + iround(reach * std::sin(u)), colour, dashed));
    }
}

std::string caption_of(const engine::Moment& m) {
    return "Heliocentrická poloha planet: " + std::to_string(m.day) + "." + std::to_string(m.month) + "." +
           std::to_string(m.year) + ", " + std::to_string(m.hour) + ":" + std::to_string(m.minute);
}

}  // namespace

int helio_view_size(int window_height) { return std::max(kHelioMinimumView, window_height - kHelioPanelHeight); }

std::vector<DrawItem> star_field(int view_size, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<DrawItem> stars;
    const Rgb colours[3] = {colors::kWhite, colors::kYellow, {255, 0, 255}};
    for (const Rgb& c : colours) {
        for (int n = 0; n < 30; ++n) {
            DrawItem s;
            s.kind = DrawItem::Kind::Ellipse;
            s.x = static_cast<int>(random() % static_cast<std::uint32_t>(std::max(1, view_size)));
            s.y = static_cast<int>(random() % static_cast<std::uint32_t>(std::max(1, view_size)));
            s.w = s.h = 2;
            s.color = c;
            stars.push_back(s);
        }
    }
    return stars;
}

HelioView helio_view(const SkyView::Bodies& b, const HelioOptions& o, const std::vector<DrawItem>& stars) {
    HelioView v;
    const int size = std::max(1, o.view_size);
    v.view_size = size;
    v.caption = b.known ? caption_of(b.moment) : "Heliocentrická poloha planet";
    v.horoscope_enabled = o.real_distances;
    const int c = size / 2;

    Drawing& d = v.drawing;
    d.width = d.height = size;
    DrawItem sky;
    sky.kind = DrawItem::Kind::Fill;
    sky.w = sky.h = size;
    sky.color = colors::kBlack;
    d.items.push_back(sky);
    d.items.insert(d.items.end(), stars.begin(), stars.end());
    diameters(d.items, c, c, c, {0, 128, 0}, true);

    const int n = o.inner_only ? 5 : 9;
    // A zero Pluto distance before the first tick would divide by zero.
    const int pluto_span = iround(2.3 * b.helio_distance[8]);
    const bool placeable = b.known && (!o.real_distances || o.inner_only || pluto_span > 0);
    if (o.real_distances) v.scale = o.inner_only ? size / 4 : (pluto_span > 0 ? size / pluto_span : 0);

    for (int i = 1; i <= 9; ++i) {
        const PlanetLook& look = kPlanets[i - 1];
        HelioPlanet p;
        p.name = look.name;
        p.label = look.label;
        p.ring = i;
        p.longitude = b.helio_longitude[static_cast<std::size_t>(look.helio)];
        // With the inner planets only, ring 5 stays Jupiter's, but empty.
        p.visible = placeable && i <= (o.inner_only ? 4 : 9);
        p.radius = o.real_distances ? iround(v.scale * b.helio_distance[static_cast<std::size_t>(look.helio)])
                                    : (size / 2 - 40) / n * i;
        // 0° to the left of the Sun, longitudes growing downward from there.
        p.x = c - iround(p.radius * std::cos(p.longitude * kRad));
        p.y = c + iround(p.radius * std::sin(p.longitude * kRad));
        p.hint = std::string(look.label) + ": " + engine::format_angle(false, false, false, p.longitude);
        if (look.helio == 0 && p.visible) {
            v.earth_x = p.x;
            v.earth_y = p.y;
        }
        v.planets.push_back(p);
    }

    // The wheel is drawn where the Earth is now, or not at all.
    v.horoscope_drawn = o.horoscope && o.real_distances && placeable;
    if (v.horoscope_drawn) diameters(d.items, v.earth_x, v.earth_y, size, colors::kAqua, false);

    DrawItem sun;
    sun.kind = DrawItem::Kind::Body;
    sun.x = c - 9;
    sun.y = c - 9;
    sun.w = sun.h = 18;
    sun.fill = {255, 200, 0};
    sun.color = {120, 40, 0};
    sun.text = "Q";
    sun.symbol = true;
    sun.size = 14;
    sun.name = "Image1";
    sun.hint = "Slunce";
    d.items.push_back(sun);
    for (std::size_t k = 0; k < v.planets.size(); ++k) {
        const HelioPlanet& p = v.planets[k];
        if (!p.visible) continue;
        DrawItem pic;
        pic.kind = DrawItem::Kind::Body;
        pic.x = p.x - 7;
        pic.y = p.y - 7;
        pic.w = pic.h = 15;
        pic.fill = kPlanets[k].disc;
        pic.color = colors::kBlack;
        pic.text = kPlanets[k].glyph;
        pic.symbol = kPlanets[k].symbol;
        pic.size = 11;
        pic.name = p.name;
        pic.hint = p.hint;
        d.items.push_back(pic);
    }
    return v;
}

}  // namespace sidora::models
