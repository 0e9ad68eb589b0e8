#include "models/styled_lines.h"

namespace sidora::models {

StyledLine styled_line(LineStyle style, std::string text, int base) {
    StyledLine l;
    l.text = std::move(text);
    l.style = style;
    l.size = base;
    switch (style) {
        case LineStyle::Title:
            l.colour = colors::kBlue, l.size = base + 6, l.bold = l.underline = true;
            break;
        case LineStyle::Header: l.bold = true; break;
        case LineStyle::Section:
            l.colour = colors::kBlue, l.size = base + 2, l.bold = l.underline = true;
            break;
        case LineStyle::Subheading: l.colour = colors::kBlue, l.underline = true; break;
        case LineStyle::Body: break;
        case LineStyle::End: l.colour = colors::kRed, l.bold = true; break;
        case LineStyle::Note: l.italic = true; break;
    }
    return l;
}

const char* style_name(LineStyle style) {
    switch (style) {
        case LineStyle::Title: return "title";
        case LineStyle::Header: return "header";
        case LineStyle::Section: return "section";
        case LineStyle::Subheading: return "subheading";
        case LineStyle::Body: return "body";
        case LineStyle::End: return "end";
        case LineStyle::Note: return "note";
    }
    return "body";
}

}  // namespace sidora::models
