#pragma once
// What a double-click (or Enter) in the natal window's tables looks up in the library.
#include <string>

#include "horoscope/chart.h"
#include "models/natal_report.h"
#include "models/natal_window.h"

namespace sidora::models {

// `grid` is the table's name in NatalView::grids(); the texts and warnings go into `report`.
// False when the cell looks nothing up.
bool natal_double_click(NatalReport& report, const horoscope::NatalChart& chart, const NatalView& view,
                        const std::string& grid, int col, int row);

}  // namespace sidora::models
