#include "models/side_view.h"

#include <algorithm>
#include <cmath>

#include "engine/angles.h"
#include "io/cp1250.h"
#include "models/symbols.h"

namespace sidora::models {
namespace {

using std::size_t;

size_t at(int i) { return static_cast<size_t>(i); }
int iround(double v) { return static_cast<int>(std::lround(v)); }

// Pixel of a longitude on the strip. Bodies and house lines share it, so a body on a cusp
// sits on its line.
int strip_x(double lon) { return iround(lon * 600 / 360) + kSideZodiacLeft; }

struct BodyLook {
    int body;
    std::string glyph;  // letters of the symbol font, or the glyph itself for an asteroid
    bool symbol;
    Rgb disc;
};

// Slunce .. Pluto, then Ceres, Pallas, Juno, Vesta, Chiron.
const std::array<BodyLook, 15>& looks() {
    static const std::array<BodyLook, 15> l = {{
        {1, "Q", true, {255, 200, 0}},    {2, "R", true, {230, 230, 230}},  {3, "S", true, {176, 160, 144}},
        {4, "T", true, {230, 200, 110}},  {5, "U", true, {220, 70, 40}},    {6, "V", true, {210, 160, 110}},
        {7, "W", true, {220, 200, 130}},  {8, "X", true, {120, 210, 220}},  {9, "Y", true, {80, 110, 230}},
        {10, "Z", true, {170, 140, 120}}, {20, "⚳", false, {200, 200, 160}}, {21, "⚴", false, {200, 200, 160}},
        {22, "⚵", false, {200, 200, 160}}, {23, "⚶", false, {200, 200, 160}}, {24, "⚷", false, {200, 200, 160}},
    }};
    return l;
}

// Aspect codes 2..5 in their colours, the minor ones white.
Rgb aspect_line_colour(int code) {
    switch (code) {
        case 2: return {255, 0, 255};
        case 3: return colors::kAqua;
        case 4: return {0, 255, 0};
        case 5: return colors::kYellow;
        default: return colors::kWhite;
    }
}

bool ticked(const SideBoxes& boxes, size_t i) { return boxes[i].enabled && boxes[i].checked; }

DrawItem wide_line(int x1, int y1, int x2, int y2, Rgb colour, std::string name) {
    DrawItem i = line_item(x1, y1, x2, y2, colour);
    i.pen = 2;
    i.name = std::move(name);
    return i;
}

std::string pair_name(const char* kind, int a, int b) {
    return std::string(kind) + ":" + std::to_string(a) + ":" + std::to_string(b);
}

DrawItem label(const std::string& name, const std::string& text, int x, int y, int w, Rgb colour) {
    return text_item(name, text, x, y, w, 14, 11, colour, 1);
}

// Dark grounds of the four elements (fire, earth, air, water), so every line colour shows.
constexpr Rgb kElementGround[4] = {{70, 20, 20}, {20, 55, 20}, {55, 55, 25}, {20, 25, 70}};
constexpr Rgb kElementGlyph[4] = {{255, 120, 100}, {120, 220, 120}, {230, 230, 120}, {120, 150, 255}};

void zodiac_strip(Drawing& d, int width) {
    using K = DrawItem::Kind;
    const int h = kSideStripHeight;
    DrawItem ground;
    ground.kind = K::Fill;
    ground.w = width;
    ground.h = h;
    ground.color = colors::kBlack;
    d.items.push_back(ground);
    for (int s = 1; s <= 12; ++s) {
        const int left = kSideZodiacLeft + 50 * (s - 1);
        DrawItem cell;
        cell.kind = K::Fill;
        cell.x = left;
        cell.w = 50;
        cell.h = h;
        cell.color = kElementGround[(s - 1) % 4];
        cell.name = "sign" + std::to_string(s);
        cell.hint = engine::sign_name(s);
        d.items.push_back(cell);
        DrawItem glyph;
        glyph.kind = K::Text;
        glyph.x = left;
        glyph.y = 2;
        glyph.w = 50;
        glyph.h = 18;
        glyph.size = 16;
        glyph.color = kElementGlyph[(s - 1) % 4];
        glyph.symbol = true;
        glyph.text = std::string(1, sign_letter(s));
        d.items.push_back(glyph);
        // Ticks every 10°, longer at 30°.
        for (int k = 0; k < 3; ++k) {
            const int x = strip_x(30.0 * (s - 1) + 10.0 * k);
            const int len = k == 0 ? h : 6;
            d.items.push_back(line_item(x, h - len, x, h, k == 0 ? Rgb{110, 110, 110} : Rgb{150, 150, 150}));
        }
    }
    d.items.push_back(line_item(strip_x(360), 0, strip_x(360), h, {110, 110, 110}));
}

}  // namespace

const std::array<const char*, kSideBoxes> side_box_labels{
    "Sextil",      "Kvadratura", "Trigon",   "Opozice",  "Kvintil",  "Bikvintil",      "Semikvadratura",
    "Seskvikvadrát", "Novil",    "Binovil",  "Kvartinovil", "Polosextil", "Kvinkunx", "Paralela",
    "Kontraparalela", "Kreslit domy"};

SideBoxes side_boxes(const data::HorSet& natal, const data::OrbTables& orbs) {
    SideBoxes b;
    for (size_t i = 0; i < kSideBoxes; ++i) b[i].text = side_box_labels[i];
    for (size_t i = 0; i <= data::HorSet::kLastMinor; ++i) b[i].checked = natal.options[i];
    for (size_t i = data::HorSet::kFirstMinor; i <= data::HorSet::kLastMinor; ++i) {
        b[i].enabled = orbs.minor_orbs[i - data::HorSet::kFirstMinor + 1].nepouzivat == 0;
    }
    // Row 10 of the minor orbs holds the parallels.
    b[kSideParallel].enabled = b[kSideContraparallel].enabled = orbs.minor_orbs[10].nepouzivat == 0;
    b[kSideHouses].checked = natal.options[data::HorSet::kDrawHouses];
    for (OptionBox& box : b) box.checked = box.checked && box.enabled;
    return b;
}

SideData side_data(const horoscope::NatalChart& chart, const data::OrbTables& orbs) {
    SideData d;
    d.name = chart.person.name;
    d.rows = chart.chart_table;
    d.houses = chart.houses();
    d.aspects = chart.aspect_table;
    d.lat_parallels = chart.lat_parallel_table;
    d.decl_parallels = chart.decl_parallel_table;
    const horoscope::Present present = horoscope::present_bodies(orbs, chart.asteroid_present);
    for (const BodyLook& l : looks()) d.drawn[at(l.body)] = present[at(l.body)];
    return d;
}

SidePlacement poloz_planety(const SideData& data, SideAxis axis, bool zodiacal) {
    SidePlacement p;
    const bool latitude = axis == SideAxis::Latitude;
    auto value = [&](int body) {
        const auto& r = data.rows[at(body)];
        return latitude ? r.latitude : r.declination;
    };
    double largest = 0;
    for (const BodyLook& l : looks()) {
        if (data.drawn[at(l.body)]) largest = std::max(largest, std::fabs(value(l.body)));
    }
    p.m = static_cast<int>(largest) + 2;
    p.top_label = std::to_string(p.m - 1) + "°";
    p.bottom_label = "-" + std::to_string(p.m - 1) + "°";
    p.middle_label = latitude ? "Ekliptika" : "Rovník";
    const int half = kSideStripHeight / 2;
    for (const BodyLook& l : looks()) {
        if (!data.drawn[at(l.body)]) continue;
        const auto& r = data.rows[at(l.body)];
        SideBody b;
        b.body = l.body;
        b.name = chart_body_name(l.body);
        b.value = value(l.body);
        b.x = strip_x(r.longitude);
        const int d = iround(std::fabs(b.value) * half / p.m);
        b.y = b.value >= 0 ? half - d : half + d;
        b.left = b.x - kSideGlyph / 2;
        b.top = b.y - kSideGlyph / 2;
        b.hint = b.name + ":" + engine::format_angle(false, zodiacal, false, r.longitude) + ", dům: " +
                 (r.dum == 0 ? std::string("------") : std::to_string(r.dum)) +
                 (latitude ? ", šířka: " : ", deklinace: ") + engine::format_angle(true, false, false, b.value) +
                 (r.retrograde != 0 ? ", RETR." : "");
        p.bodies.push_back(std::move(b));
    }
    return p;
}

std::vector<DrawItem> maluj_aspekty(const SideData& data, const SidePlacement& placed, const SideBoxes& boxes) {
    std::vector<DrawItem> out;
    for (const SideBody& i : placed.bodies) {
        for (const SideBody& j : placed.bodies) {
            if (i.body == j.body) continue;
            const int k = data.aspects[at(i.body)][at(j.body)].kod;
            if (k < 2 || k > 14 || !ticked(boxes, at(k - 2))) continue;
            out.push_back(wide_line(i.x, i.y, j.x, j.y, aspect_line_colour(k), pair_name("aspect", i.body, j.body)));
        }
    }
    return out;
}

std::vector<DrawItem> maluj_dekli(const SideData& data, const SidePlacement& placed, const SideBoxes& boxes,
                                  SideAxis axis) {
    // Each axis draws its own kind alone: the latitude parallels (15, 16) on the latitude
    // axis, the declination parallels (17, 18) on the declination axis, whatever the other
    // table holds for the pair.
    const bool latitude = axis == SideAxis::Latitude;
    const horoscope::AspectTable& table = latitude ? data.lat_parallels : data.decl_parallels;
    const int parallel = latitude ? 15 : 17;
    std::vector<DrawItem> out;
    for (const SideBody& i : placed.bodies) {
        for (const SideBody& j : placed.bodies) {
            if (i.body == j.body) continue;
            const int k = table[at(i.body)][at(j.body)].kod;
            const bool shown = (k == parallel && ticked(boxes, kSideParallel)) ||
                               (k == parallel + 1 && ticked(boxes, kSideContraparallel));
            if (shown) out.push_back(wide_line(i.x, i.y, j.x, j.y, colors::kRed, pair_name("parallel", i.body, j.body)));
        }
    }
    return out;
}

std::vector<DrawItem> maluj_domy(const SideData& data, const SideBoxes& boxes) {
    std::vector<DrawItem> out;
    if (!ticked(boxes, kSideHouses)) return out;
    for (int n = 1; n <= 12; ++n) {
        const double cusp = data.houses[at(n - 1)];
        // A cusp the system cannot give (999) has no line and no label.
        if (!(cusp >= 0 && cusp < 360)) continue;
        const int x = strip_x(cusp);
        out.push_back(wide_line(x, 0, x, kSideStripHeight, colors::kYellow, "house:" + std::to_string(n)));
        out.push_back(label("house" + std::to_string(n), std::to_string(n), x, kSideStripHeight - 32, 20,
                            colors::kYellow));
    }
    return out;
}

SideView side_view(const SideData& data, SideAxis axis, const SideBoxes& boxes, int window_width, bool zodiacal) {
    SideView v;
    v.caption = "Horoskop: " + io::utf8_left(data.name, 40);
    v.strip_width = std::max(window_width, kSideWindowWidth) - 10;
    v.placed = poloz_planety(data, axis, zodiacal);
    Drawing& d = v.drawing;
    d.width = v.strip_width;
    d.height = kSideStripHeight;
    zodiac_strip(d, v.strip_width);
    const int half = kSideStripHeight / 2;
    d.items.push_back(line_item(0, half, v.strip_width, half, {160, 160, 160}, true));
    for (auto part : {maluj_aspekty(data, v.placed, boxes), maluj_dekli(data, v.placed, boxes, axis),
                      maluj_domy(data, boxes)}) {
        d.items.insert(d.items.end(), part.begin(), part.end());
    }
    // The scale's labels lie over the strip: top and bottom 2 pixels from the edges, 1 from
    // the left, the middle line's name just above it.
    const Rgb scale{230, 230, 230};
    d.items.push_back(label("scale_top", v.placed.top_label, 1, 2, 40, scale));
    d.items.push_back(label("scale_bottom", v.placed.bottom_label, 1, kSideStripHeight - 2 - 14, 40, scale));
    d.items.push_back(label("scale_middle", v.placed.middle_label, 1, half - 14, 70, scale));
    const auto& body_looks = looks();
    for (const SideBody& b : v.placed.bodies) {
        const auto look = std::find_if(body_looks.begin(), body_looks.end(),
                                       [&](const BodyLook& l) { return l.body == b.body; });
        DrawItem g;
        g.kind = DrawItem::Kind::Body;
        g.x = b.left;
        g.y = b.top;
        g.w = g.h = kSideGlyph;
        g.fill = look->disc;
        g.color = colors::kBlack;
        g.text = look->glyph;
        g.symbol = look->symbol;
        g.size = 11;
        g.name = b.name;
        g.hint = b.hint;
        d.items.push_back(std::move(g));
    }
    return v;
}

}  // namespace sidora::models
