#pragma once
// The celestial sphere: the whole sky around the observer for the main window's moment and
// place, azimuth across from north, altitude up and down, the horizon in the middle, the sky
// above it coloured by the Sun's altitude. Computed from the main window's last tick only.
#include <optional>
#include <string>
#include <vector>

#include "data/app_state.h"
#include "models/drawing.h"
#include "models/sky_calendar.h"

namespace sidora::models {

// The map picture and the row of direction labels under it.
inline constexpr int kSphereMapWidth = 620, kSphereMapHeight = 300, kSphereHeight = 318;

// 1 day (h ≥ 0°), 2 civil (−6° ≤ h < 0°), 3 nautical (−12° ≤ h < −6°), 4 astronomical
// (−18° ≤ h < −12°), 5 night, from the Sun's altitude h.
int sky_state(double sun_altitude);
Rgb sky_colour(int state);

// The legend "Barva pozadí oblasti nad obzorem:": each text with its sky colour.
struct LegendEntry {
    std::string text;
    Rgb colour;
};
const std::vector<LegendEntry>& sky_legend();

struct SphereBody {
    std::string name;   // "Image38" Moon, "Image25" Sun, "Image39".."Image46" Mercury..Pluto
    std::string label;  // "Měsíc", "Slunce", ...
    int left = 0, top = 0;  // the 15 × 15 picture's corner on the map
    double altitude = 0, azimuth = 0;
    std::string hint;
};

struct SphereView {
    std::string caption;  // "Planety" before the first tick
    int sky_state = 0;    // 0 before the first tick
    std::vector<SphereBody> bodies;  // in the order of the horizon table
    Drawing drawing;
};

SphereView sphere_view(const SkyView::Bodies& bodies);

// "Změna místa:": the place of that name from the places file becomes the current place.
// A Czech warning, and the place left as it was, when nothing is chosen, the name has gone
// from the file or its record is damaged; a file that cannot be read throws PlacesError.
std::optional<std::string> change_place(data::AppState& state, const std::optional<std::string>& name);

}  // namespace sidora::models
