#include "models/search_document.h"

namespace sidora::models {

StyledDocument search_document(const tables::SearchResult& result) {
    StyledDocument doc;
    for (const tables::TextLine& t : result.lines) {
        StyledLine l;
        l.text = t.text;
        l.style = t.style == tables::TextLine::Style::Title    ? LineStyle::Title
                  : t.style == tables::TextLine::Style::Header ? LineStyle::Header
                                                               : LineStyle::Body;
        l.colour = {static_cast<std::uint8_t>(t.color >> 16), static_cast<std::uint8_t>(t.color >> 8),
                    static_cast<std::uint8_t>(t.color)};
        l.size = t.size;
        l.bold = t.bold;
        l.underline = t.underline;
        doc.add(std::move(l));
    }
    return doc;
}

}  // namespace sidora::models
