#pragma once
// A grid of text cells as a window shows it: text, hint, colours, weight and whether the
// text is letters of the symbol font. Cells are addressed column first, as on the forms.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sidora::models {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colors {
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLightYellow{255, 255, 225};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kOlive{128, 128, 0};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kNavy{0, 0, 128};
}  // namespace colors

struct Cell {
    std::string text;
    std::string hint;
    std::optional<Rgb> background;  // none: the grid's own colour
    std::optional<Rgb> color;
    bool bold = false;
    bool symbol = false;
    friend bool operator==(const Cell&, const Cell&) = default;
};

class Grid {
public:
    Grid(int rows, int cols) : rows_(rows), cols_(cols), cells_(static_cast<std::size_t>(rows * cols)) {}
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    Cell& at(int col, int row) { return cells_[index(col, row)]; }
    const Cell& at(int col, int row) const { return cells_[index(col, row)]; }
    // Sets only the text, keeping the cell's look.
    void text(int col, int row, std::string t) { at(col, row).text = std::move(t); }

private:
    std::size_t index(int col, int row) const { return static_cast<std::size_t>(row * cols_ + col); }
    int rows_, cols_;
    std::vector<Cell> cells_;
};

}  // namespace sidora::models
