#pragma once
// The chart wheel as a list of what is drawn over the zodiac: the natal glyphs placed so that
// they do not overlap, the house axes with their numbers, the aspect lines, and the ten glyphs
// laid over it (transits or a partner's planets). Logical pixels of a 297 × 297 picture with
// the centre at (148, 148); screen, paper and files scale the whole list uniformly.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/hor_set.h"
#include "engine/body_table.h"
#include "engine/time.h"
#include "horoscope/chart.h"

namespace sidora::horoscope {

inline constexpr int kWheelSize = 297;
inline constexpr int kWheelCentre = kWheelSize / 2;
inline constexpr int kGlyphSize = 15;          // a glyph's box; its centre is corner + 7
inline constexpr int kGlyphRadius = 95;        // where the natal glyphs start
inline constexpr int kFortuneRadius = 98;      // round(0.33 × 297)
inline constexpr int kLowestGlyphRadius = 17;  // placement stops lowering below this
inline constexpr int kHouseRadius = 143;       // round(0.48 × 297)
inline constexpr int kOverlayRadius = 134;     // 0.45 × 297, halves to even
inline constexpr int kSignRingInner = 112, kSignRingOuter = 130;

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The point at longitude `lon` (degrees) and radius `r`: 0° at the left, 90° at the bottom,
// counter-clockwise on screen. Rounds to nearest, halves to even.
Point wheel_point(double lon, int r);

struct WheelGlyph {
    int slot = 0;  // chart body number; 12 is the Part of Fortune
    double longitude = 0;
    int radius = 0;  // where it was placed
    Point corner;    // top-left of its 15 × 15 box
    std::string hint;
    bool shown = true;  // false: a point switched off (not placed, not drawn)
    Point centre() const { return {corner.x + 7, corner.y + 7}; }
};

struct WheelLine {
    int n = 0;  // house axis n .. n + 6
    Point from, to;
    Colour rgb;
    int width = 1;
};

struct HouseNumber {
    int number = 0;
    Point at;  // top-left of the text
};

struct AspectLine {
    int i = 0, j = 0;  // glyph slots
    int code = 0;
    Point from, to;  // glyph centres
    Colour rgb;
    int width = 1;
};

enum class OverlayMode { Nic, Tranzity, Partneri };
// "nic", "tranzity", "partneri".
const char* overlay_mode_name(OverlayMode mode);

struct OverlayGlyph {
    int body = 0;  // 1 Slunce .. 10 Pluto
    double longitude = 0;
    bool retrograde = false;
    int house = 0;  // natal house; 0 when the natal cusps are missing
    Point corner;
    std::string hint;
};

struct Overlay {
    OverlayMode mode = OverlayMode::Nic;
    std::string label;                // date, partner's name, or empty
    std::vector<OverlayGlyph> glyphs;  // empty in "Nic"
};

struct WheelView {
    int size = kWheelSize;
    std::vector<WheelGlyph> glyphs;  // in placement order; the Part of Fortune last
    std::vector<WheelLine> house_lines;
    std::vector<HouseNumber> house_numbers;
    std::vector<AspectLine> aspect_lines;
    Overlay overlay;

    // The hint under a logical pixel: overlay glyphs first (they lie on top), else a shown
    // natal glyph; empty over nothing.
    std::string hint_at(int x, int y) const;
};

// One glyph to place: its slot, longitude and starting radius.
struct GlyphSlot {
    int slot = 0;
    double longitude = 0;
    int start_radius = kGlyphRadius;
};

// Places the glyphs in the given order, each against those placed before it: a pass that
// hits placed glyphs lowers the radius by one per hit and tries again, down to 17.
std::vector<WheelGlyph> place_glyphs(const std::vector<GlyphSlot>& order);

// umisti_planety: the natal glyphs of a chart with their hints, in the order 1..11, 17, 18,
// 20..24 and the Part of Fortune (slot 12) last. Points switched off in `point_exclusions`,
// missing asteroids and positions of kNone are listed as not shown and take no room.
std::vector<WheelGlyph> umisti_planety(const NatalChart& chart, const std::array<std::uint8_t, 8>& point_exclusions,
                                       bool zodiacal);

// kresli_domy: the six axes of the person's system and their numbers, when "Kreslit domy" is
// ticked. An axis with a cusp of kNone is left out with its numbers.
void kresli_domy(const NatalChart& chart, const data::HorSet& options, WheelView& view);

// zobraz_aspekty: the lines of the ticked aspects 2..14 between glyph centres.
void zobraz_aspekty(const NatalChart& chart, const data::HorSet& options, WheelView& view);

// Colour of an aspect line by code 2..14.
Colour wheel_aspect_colour(int code);

// The whole wheel: placement, then the lines. The overlay is left at "Nic".
WheelView natal_wheel(const NatalChart& chart, const data::HorSet& options,
                      const std::array<std::uint8_t, 8>& point_exclusions, bool zodiacal);
// A click on an option: the lines again, the glyphs where they are.
void redraw_lines(const NatalChart& chart, const data::HorSet& options, WheelView& view);

// The ten overlay bodies Slunce .. Pluto.
struct OverlayBody {
    double longitude = 0;
    bool retrograde = false;
};
using OverlaySource = std::array<OverlayBody, 10>;
// From a body table: row 0 Slunce, −1 Měsíc, 1..8 Merkur .. Pluto.
OverlaySource transit_source(const engine::BodyTable& table);
// From a chart: rows 1..10.
OverlaySource chart_source(const NatalChart& chart);

// The date label of "Tranzity": "10.4.2004,12:0".
std::string transit_label(const engine::Moment& moment);

// The ten glyphs at radius 134 with their natal houses (c_n ≤ λ < c_n+1, across 0°) and
// hints. `natal_houses` is the person's row of chart_houses. "Nic" gives no glyphs.
Overlay place_overlay(OverlayMode mode, const OverlaySource& source, const HouseRow& natal_houses, bool zodiacal,
                      std::string label);

}  // namespace sidora::horoscope
