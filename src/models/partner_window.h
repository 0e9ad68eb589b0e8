#pragma once
// The partner window without its widgets: the grids of its four tabs with their colours,
// the aspect grid under the slider and "Jen hlavní aspekty", and what a double-click looks up.
#include <string>
#include <utility>
#include <vector>

#include "data/orbs.h"
#include "horoscope/chart.h"
#include "horoscope/partner.h"
#include "models/grid.h"
#include "models/natal_window.h"
#include "models/partner_report.h"

namespace sidora::models {

inline constexpr int kPartnerWidth = 670, kPartnerHeight = 461;
inline constexpr const char* kPartnerTitle = "Partnerský horoskop";
inline constexpr const char* kPartnerAlreadyOpen = "Partnerský horoskop je již otevřen!";
inline constexpr Rgb kEmptyAspect = colors::kSilver;

// The orb limit of the partner slider: 0 lets every aspect through (180), n those of n° or less.
double partner_max_orb(int slider);

struct PartnerView {
    PartnerView();

    std::string name1, name2;
    std::string celkova_shoda;  // "80 %"
    std::string slider_label;
    // "Sumář": each count cell "x - y", the agreement in the "Shoda" column.
    Grid kvalita{5, 5}, polarita{5, 4}, zivel{4, 6}, vychod_zapad{2, 3};
    Grid planets{14, 5};    // header, bodies 1..12, Černá Luna: glyph, name, length, sign, house
    Grid asteroids{6, 4};   // header, Ceres..Chiron: name, length, sign, house
    Grid houses{15, 4};     // header, houses 1..12, Vertex, Antivertex
    Grid angles{4, 4};      // ASC, DSC, MC, IC
    Grid aspects{11, 15};   // the second person's planets × the first person's bodies

    std::vector<std::pair<std::string, const Grid*>> grids() const;
};

PartnerView partner_view(const horoscope::NatalChart& first, const horoscope::PartnerChart& p,
                         const data::AspectDefs& defs, bool zodiacal, const AspectFilter& filter);
// The aspect grid alone, redrawn when the slider or the box moves.
Grid partner_aspect_grid(const horoscope::PartnerChart& p, const data::AspectDefs& defs, const AspectFilter& filter);
// The first person's body of an aspect grid column 1..13, else 0.
int partner_aspect_column_body(int col);

enum class PartnerGrid { Aspects, Planets, Asteroids, Houses, Angles };
// Double-click (or Enter) on a cell: runs its lookup outside quiet mode into `report`.
// False when the cell looks up nothing.
bool partner_double_click(PartnerReport& report, const horoscope::PartnerChart& p, PartnerGrid grid, int col,
                          int row);

}  // namespace sidora::models
