#pragma once
// A document of styled lines, as the texts window shows it: each line carries the colour,
// size and style that were set before it was added. Reports of every kind fill one.
#include <string>
#include <vector>

#include "models/grid.h"

namespace sidora::models {

// The lookups' messages, shared by every report that reads a text library.
inline constexpr const char* kTextNotFound = "Výklad nenalezen!!!";
inline constexpr const char* kDirectoryNotFound = "Adresář nenalezen!";

// The texts window's base size in points; it never changes.
inline constexpr int kReportFontSize = 14;

enum class LineStyle {
    Title,       // blue, base + 6, bold, underlined
    Header,      // black, base, bold
    Section,     // blue, base + 2, bold, underlined
    Subheading,  // blue, base, underlined
    Body,        // black, base, regular
    End,         // red, base, bold
    Note,        // black, base, italic
};

struct StyledLine {
    std::string text;
    LineStyle style = LineStyle::Body;
    Rgb colour;
    int size = kReportFontSize;
    bool bold = false, italic = false, underline = false;
    friend bool operator==(const StyledLine&, const StyledLine&) = default;
};

// A line of `style` at the base size `base`.
StyledLine styled_line(LineStyle style, std::string text, int base = kReportFontSize);
// "title", "header", … for the command line's JSON.
const char* style_name(LineStyle style);

class StyledDocument {
public:
    explicit StyledDocument(int base = kReportFontSize) : base_(base) {}
    int base() const { return base_; }
    void add(LineStyle style, std::string text) { lines_.push_back(styled_line(style, std::move(text), base_)); }
    void add_empty() { add(LineStyle::Body, {}); }
    // A line as it was read back, with its own attributes.
    void add(StyledLine line) { lines_.push_back(std::move(line)); }
    void append(const StyledDocument& other) { lines_.insert(lines_.end(), other.lines_.begin(), other.lines_.end()); }
    void clear() { lines_.clear(); }
    const std::vector<StyledLine>& lines() const { return lines_; }
    bool empty() const { return lines_.empty(); }

private:
    int base_;
    std::vector<StyledLine> lines_;
};

}  // namespace sidora::models
