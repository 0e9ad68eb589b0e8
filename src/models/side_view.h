#pragma once
// The side view of a natal horoscope: the zodiac unrolled along a strip, each body at its
// longitude across and at its latitude or declination up and down, with house lines and the
// lines of aspects and parallels. Computed from a copy of the natal tables taken when shown.
#include <array>
#include <string>
#include <vector>

#include "data/hor_set.h"
#include "data/orbs.h"
#include "horoscope/aspects.h"
#include "horoscope/chart.h"
#include "models/drawing.h"
#include "models/natal_window.h"

namespace sidora::models {

// The window opens at 630 × 450 and keeps at least 630 × 400; its strip is 300 pixels high
// and 10 pixels narrower than the window.
inline constexpr int kSideWindowWidth = 630, kSideWindowHeight = 450, kSideMinimumHeight = 400;
inline constexpr int kSideStripHeight = 300;
// The zodiac 0°..360° spans 600 pixels from here.
inline constexpr int kSideZodiacLeft = 15;
inline constexpr int kSideGlyph = 15;

// "Osa Y": item 0 "Šířka", item 1 "Deklinace".
enum class SideAxis { Latitude = 0, Declination = 1 };

// The sixteen check boxes: aspect codes 2..14 ("Sextil" .. "Kvinkunx"), "Paralela",
// "Kontraparalela", "Kreslit domy".
inline constexpr std::size_t kSideBoxes = 16, kSideParallel = 13, kSideContraparallel = 14, kSideHouses = 15;
using SideBoxes = std::array<OptionBox, kSideBoxes>;
extern const std::array<const char*, kSideBoxes> side_box_labels;

// The boxes as the natal window's are (its hor.set options): the minor aspects and the
// parallels switched off in the orb tables are disabled and unticked, the parallels start
// unticked.
SideBoxes side_boxes(const data::HorSet& natal, const data::OrbTables& orbs);

// What the view copies from its natal window when shown.
struct SideData {
    std::string name;
    horoscope::ChartTable rows{};
    horoscope::HouseRow houses{};  // the person's house system
    horoscope::AspectTable aspects{}, lat_parallels{}, decl_parallels{};
    horoscope::Present drawn{};  // bodies 1..10 and the asteroids switched on and computed
};
SideData side_data(const horoscope::NatalChart& chart, const data::OrbTables& orbs);

struct SideBody {
    int body = 0;      // chart body number
    std::string name;  // "Slunce" .. "Chiron"
    double value = 0;  // latitude or declination, degrees
    int x = 0, y = 0;  // the glyph's centre, where lines meet
    int left = 0, top = 0;
    std::string hint;
};

// poloz_planety: the scale and the glyphs of the drawn bodies.
struct SidePlacement {
    int m = 0;  // degrees at the strip's edges
    std::string top_label, bottom_label, middle_label;
    std::vector<SideBody> bodies;
};
SidePlacement poloz_planety(const SideData& data, SideAxis axis, bool zodiacal);

// The lines of maluj_aspekty, maluj_dekli and maluj_domy, in pixels of the strip.
std::vector<DrawItem> maluj_aspekty(const SideData& data, const SidePlacement& placed, const SideBoxes& boxes);
std::vector<DrawItem> maluj_dekli(const SideData& data, const SidePlacement& placed, const SideBoxes& boxes,
                                  SideAxis axis);
// House lines with their number labels; nothing when "Kreslit domy" is not ticked.
std::vector<DrawItem> maluj_domy(const SideData& data, const SideBoxes& boxes);

struct SideView {
    std::string caption;  // "Horoskop: " and the name, at most 40 characters of it
    int strip_width = 0;
    SidePlacement placed;
    Drawing drawing;  // the strip, maluj's lines, the scale and house labels, the glyphs
};

// The whole strip for a window `window_width` wide (at least 630).
SideView side_view(const SideData& data, SideAxis axis, const SideBoxes& boxes, int window_width, bool zodiacal);

}  // namespace sidora::models
