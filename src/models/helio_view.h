#pragma once
// The heliocentric view: the Sun in the middle of a star field, the Earth and the planets at
// their heliocentric longitudes on equal rings or at their true distances, and the sign
// directions seen from the Earth. Computed from the main window's last tick only.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "models/drawing.h"
#include "models/sky_calendar.h"

namespace sidora::models {

// The square drawing area opens at this side and never gets smaller.
inline constexpr int kHelioMinimumView = 400;
// The panel of choices under the drawing area.
inline constexpr int kHelioPanelHeight = 75;
// The side of the drawing area for a window of this height (the window is as wide as it).
int helio_view_size(int window_height);

struct HelioOptions {
    int view_size = kHelioMinimumView;
    bool real_distances = false;  // "Skutečné", else "Stejné"
    bool inner_only = false;      // "Jen vnitřní", else "Všechny"
    bool horoscope = false;       // "Horoskop" ticked (only with real distances)
};

// 30 white, 30 yellow and 30 magenta dots of 2 × 2 pixels. A window draws a new field when
// it is shown or resized, not at every refresh, which would flicker while animating.
std::vector<DrawItem> star_field(int view_size, std::uint32_t seed);

struct HelioPlanet {
    std::string name;   // the picture: "Imerkur" .. "Ipluto", "Izeme"
    std::string label;  // "Merkur" .. as the hint names it
    int ring = 0;       // 1..9 from the Sun outward
    int radius = 0;     // pixels from the Sun
    int x = 0, y = 0;   // centre of the picture
    bool visible = false;
    double longitude = 0;  // heliocentric, degrees
    std::string hint;
};

struct HelioView {
    std::string caption;
    int view_size = 0;
    int scale = 0;  // pixels per AU with real distances, 0 on equal rings
    bool horoscope_enabled = false;  // "Horoskop" can be ticked
    bool horoscope_drawn = false;
    int earth_x = 0, earth_y = 0;  // earth_centre, where the sign wheel is drawn
    std::vector<HelioPlanet> planets;  // Mercury, Venus, Earth, Mars, Jupiter .. Pluto
    Drawing drawing;
};

// The whole view for the last tick. Before a tick has computed, no bodies are drawn.
HelioView helio_view(const SkyView::Bodies& bodies, const HelioOptions& options, const std::vector<DrawItem>& stars);

}  // namespace sidora::models
