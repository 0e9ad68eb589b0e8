// The tattva tab: rows painted in their tattva's colours from the chosen first tattva, the
// sixty start times, and the current period in yellow.
#include "models/sky_parts.h"
#include "models/symbols.h"

namespace sidora::models {

const std::array<std::string, 5>& tattva_names() {
    static const std::array<std::string, 5> kNames = {"Váju", "Agni", "Prthiví", "Ápas", "Ákáša"};
    return kNames;
}

namespace sky {
namespace {

struct TattvaLook {
    Rgb background, text;
};
constexpr TattvaLook kLooks[5] = {{colors::kBlue, colors::kWhite},
                                  {colors::kRed, colors::kWhite},
                                  {colors::kOlive, colors::kWhite},
                                  {colors::kWhite, colors::kBlack},
                                  {colors::kSilver, colors::kBlack}};

}  // namespace

void fill_tattva_tab(SkyView& v, const engine::Engine& e, int first, bool available) {
    if (first < 0 || first > 4) first = 0;
    for (int c = 1; c <= 12; ++c) {
        Cell& head = v.Tab1.at(c, 0);
        head.text = std::string(1, sign_letter(c));
        head.symbol = true;
    }
    const int current = available ? e.current_tattva_index : -1;
    for (int r = 1; r <= 5; ++r) {
        const int x = (r - 1 + first) % 5;
        v.Tab1.text(0, r, tattva_names()[static_cast<std::size_t>(x)]);
        for (int c = 1; c <= 12; ++c) {
            const int k = 5 * (c - 1) + (r - 1);
            Cell& cell = v.Tab1.at(c, r);
            cell.text = available ? e.tattva_texts[static_cast<std::size_t>(k)] : "";
            const bool now = k == current;
            cell.background = now ? colors::kYellow : kLooks[x].background;
            cell.color = now ? colors::kBlack : kLooks[x].text;
        }
    }
    v.tattva_message_visible = !available;
}

}  // namespace sky
}  // namespace sidora::models
