#pragma once
// The natal window without its widgets: the header, the grids of its tabs, the option boxes
// of hor.set and the aspect legend, all from one computed chart.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "data/app_state.h"
#include "data/hor_set.h"
#include "data/orbs.h"
#include "horoscope/chart.h"
#include "models/grid.h"

namespace sidora::models {

// "Slunce" .. "Chiron" by chart body number 1..24; empty for other numbers.
const std::string& chart_body_name(int body);

// The slider "Jen aspekty s orbisem menším než:" and the box "Jen hlavní aspekty".
struct AspectFilter {
    int slider = 0;  // 0..10; 0 lets every orb through
    bool only_major = false;
};
inline constexpr int kSliderMax = 10;
// "všechny" for 0, else "n °".
std::string slider_label(int slider);
// The orb limit of a slider value: an aspect is shown when its deviation is below it.
double slider_limit(int slider);

inline constexpr Rgb kHiddenAspect{128, 128, 128};

struct NatalView {
    NatalView();

    std::string name, date_line, place_line, house_system, weekday;
    std::string slider_label;

    // "Sumář": Slunce, Ascendent, chart ruler and points (label, value, glyph), and the text
    // under "Dominantní rysy".
    Grid summary{4, 3};
    std::string dominant_traits;
    // Count tables: a header row, then by sign, by house and the sum ("Vých./Záp." counts
    // once). The greatest value of a row is yellow.
    Grid kvalita{4, 4}, zivel{4, 5}, polarita{4, 3}, vychod_zapad{2, 3};
    Grid planets{14, 12};    // header, bodies 1..12 and Černá Luna
    Grid houses{15, 5};      // header, houses 1..12, Vertex, Antivertex
    Grid angles{4, 3};       // ASC, DSC, MC, IC
    Grid aspects{13, 11};    // the staircase
    Grid asteroids{6, 10};   // header, Ceres..Chiron
    Grid points{20, 6};      // header, two halves of the sensitive points

    // Every grid with a name, for renderers and listings, in tab order.
    std::vector<std::pair<std::string, const Grid*>> grids() const;
};

// Everything the tabs show. `zodiacal` is the setting zodiacal_notation.
NatalView natal_view(const horoscope::NatalChart& chart, const data::AspectDefs& defs,
                     const data::OrbTables& orbs, bool zodiacal, const AspectFilter& filter);
// The aspect table alone, rewritten when the slider or the box moves.
Grid aspect_grid(const horoscope::NatalChart& chart, const data::AspectDefs& defs, const AspectFilter& filter);

// "Legenda aspektů": "Zkratka", "Aspekt", "Úhel" and codes 1..14; 1..5 in their colours.
Grid aspect_legend(const data::AspectDefs& defs);

// The fifteen option boxes of the tab "Horoskop": the minor aspects switched off in the orb
// tables are disabled and stay unchecked.
struct OptionBox {
    std::string text;
    bool enabled = true;
    bool checked = false;
};
std::array<OptionBox, data::HorSet::kSize> option_boxes(const data::HorSet& stored, const data::OrbTables& orbs);
data::HorSet hor_set_of(const std::array<OptionBox, data::HorSet::kSize>& boxes);

// "Přenes": the birth moment, zone, summer flag and place become the main window's, with
// the clock frozen and the summer hour as the person has it.
void transfer_birth(data::AppState& state, const data::TOsoba& person);

// "Horoskop pro \"tady a teď\"": slot 1 filled with the shown moment (seconds dropped), its
// zone and summer time, the current place and `house_system` 1..16; the sex is kept.
inline constexpr const char* kNowName = "Horoskop okamžiku";
void horoscope_of_now(data::AppState& state, int house_system);

}  // namespace sidora::models
