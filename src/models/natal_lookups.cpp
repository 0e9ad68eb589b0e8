#include "models/natal_lookups.h"

#include <cstddef>

namespace sidora::models {
namespace {

namespace hs = horoscope;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The rows of "Planety": bodies 1..12, then Černá Luna.
constexpr int kPlanetRows[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, hs::kCernaLuna};

// A body's texts by the column clicked: its name gives sign and house together.
bool body_lookup(NatalReport& report, const hs::NatalChart& chart, int b, int name_col, int sign_col,
                 int house_col, int col) {
    const auto& row = chart.chart_table[at(b)];
    const int s = row.znameni, h = row.dum;
    if (s == 0) return false;
    hs::TConstellation c{b, 0, 0, 0, 0, 0, 0};
    if (col == name_col) {
        c.z = s;
        c.d = h;
    } else if (col == sign_col || col == sign_col + 1) {
        c.z = s;
    } else if (col == house_col && h != 0) {  // without cusps a body has no house
        c.d = h;
    } else {
        return false;
    }
    report.show_text(false, c);
    return true;
}

// The body of an aspect-table row (the column bodies run 1..10, the rows 2..11, ASC, MC).
int aspect_row_body(int row) { return row <= 10 ? row + 1 : row == 11 ? hs::kAsc : hs::kMc; }

}  // namespace

bool natal_double_click(NatalReport& report, const hs::NatalChart& chart, const NatalView& view,
                        const std::string& grid, int col, int row) {
    if (grid == "planets") {
        if (row < 1 || row > 13) return false;
        return body_lookup(report, chart, kPlanetRows[row - 1], 1, 2, 8, col == 0 ? 1 : col);
    }
    if (grid == "asteroids") {
        if (row < 1 || row > 5 || !chart.asteroid_present[at(row)]) return false;
        const int b = hs::kCeres + row - 1;
        if (col == 9) {
            if (view.asteroids.at(9, row).text.empty()) return false;
            report.aspect_list(b);
            return true;
        }
        return body_lookup(report, chart, b, 0, 1, 6, col);
    }
    if (grid == "houses") {
        if (row == 13 || row == 14)
            return body_lookup(report, chart, row == 13 ? hs::kVertex : hs::kAntivertex, 0, 1, 4, col);
        // Houses 1, 4, 7 and 10 are the angles: their texts are the angles' own.
        if (row < 1 || row > 12 || row % 3 == 1) return false;
        // A cusp the house system could not compute (999) has no sign.
        const double cusp = chart.houses()[at(row - 1)];
        if (!(cusp >= 0.0 && cusp < 360.0)) return false;
        report.show_text(false, {0, hs::sign_of(cusp), row, 0, 0, 0, 0});
        return true;
    }
    if (grid == "angles") {
        if (row < 0 || row > 3) return false;
        const int b = hs::kAsc + row;
        const int s = chart.chart_table[at(b)].znameni;
        if (s == 0) return false;
        report.show_text(false, {b, s, 0, 0, 0, 0, 0});
        return true;
    }
    if (grid == "aspects") {
        // The names: the first column's rows and the staircase's column heads.
        const int named = col == 0 && row >= 1 && row <= 9 ? row + 1 : col >= 1 && col <= 10 && row == col - 1 ? col : 0;
        if (named != 0) {
            report.aspect_list(named);
            return true;
        }
        if (col < 1 || col > 10 || row < col || row > 12 || view.aspects.at(col, row).text.empty()) return false;
        const int other = aspect_row_body(row);
        const auto& a = chart.aspect_table[at(col)][at(other)];
        if (a.kod == 0) return false;
        report.show_aspect_texts(false, col, other, a.kod, a.odchylka);
        return true;
    }
    return false;
}

}  // namespace sidora::models
