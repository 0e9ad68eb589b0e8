#pragma once
// A picture as a list of items in logical pixels, painted in order. The views' models fill
// it, the render library paints it, the tests and the command line read it.
#include <utility>
#include <string>
#include <vector>

#include "models/grid.h"

namespace sidora::models {

struct DrawItem {
    enum class Kind {
        Fill,     // the rectangle x, y, w, h filled with `color`
        Frame,    // the outline of that rectangle in `color`
        Line,     // from (x, y) to (x2, y2), `color`, `dashed`
        Ellipse,  // filled with `color` inside the rectangle x, y, w, h (a star)
        Body,     // a disc of `fill` inside x, y, w, h with the glyph of `text` in `color`
        Text,     // `text` in the rectangle x, y, w, h, `size` pixels high, on `fill` when `filled`
    };
    Kind kind = Kind::Fill;
    int x = 0, y = 0, w = 0, h = 0;
    int x2 = 0, y2 = 0;
    Rgb color;
    Rgb fill;
    bool filled = false;
    bool dashed = false;
    int pen = 1;  // a line's width in pixels
    bool symbol = false;  // `text` holds letters of the symbol font
    int size = 12;
    int align = 0;  // Text in its rectangle: 0 centred, 1 left, 2 right
    std::string text;
    std::string name;  // the control it stands for ("Izeme", "Label6"), for hints and tests
    std::string hint;
    friend bool operator==(const DrawItem&, const DrawItem&) = default;
};

// A line item from (x1, y1) to (x2, y2).
inline DrawItem line_item(int x1, int y1, int x2, int y2, Rgb colour, bool dashed = false) {
    DrawItem i;
    i.kind = DrawItem::Kind::Line;
    i.x = x1;
    i.y = y1;
    i.x2 = x2;
    i.y2 = y2;
    i.color = colour;
    i.dashed = dashed;
    return i;
}

// A text in the rectangle x, y, w, h at `size` pixels; `align` as DrawItem's.
inline DrawItem text_item(std::string name, std::string text, int x, int y, int w, int h, int size, Rgb colour,
                          int align) {
    DrawItem i;
    i.kind = DrawItem::Kind::Text;
    i.name = std::move(name);
    i.text = std::move(text);
    i.x = x;
    i.y = y;
    i.w = w;
    i.h = h;
    i.size = size;
    i.color = colour;
    i.align = align;
    return i;
}

struct Drawing {
    int width = 0, height = 0;
    std::vector<DrawItem> items;

    // The first item of that name, or null.
    const DrawItem* find(const std::string& name) const {
        for (const DrawItem& i : items) {
            if (i.name == name) return &i;
        }
        return nullptr;
    }
    // The topmost item with a hint under a pixel, or null.
    const DrawItem* hint_at(int px, int py) const {
        for (auto it = items.rbegin(); it != items.rend(); ++it) {
            if (!it->hint.empty() && px >= it->x && px < it->x + it->w && py >= it->y && py < it->y + it->h) return &*it;
        }
        return nullptr;
    }
};

}  // namespace sidora::models
