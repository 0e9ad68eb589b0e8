#include "models/symbols.h"

namespace sidora::models {

std::string symbol_glyph(unsigned char c) {
    static const char* const kSigns[12] = {"♈", "♉", "♊", "♋", "♌", "♍", "♎", "♏", "♐", "♑", "♒", "♓"};
    // Sun, Moon, Mercury .. Pluto in the order of the letters "Q".."Z".
    static const char* const kBodies[10] = {"☉", "☽", "☿", "♀", "♂", "♃", "♄", "♅", "♆", "♇"};
    if (c >= 'A' && c <= 'L') return kSigns[c - 'A'];
    if (c >= 'Q' && c <= 'Z') return kBodies[c - 'Q'];
    switch (c) {
        case '<': return "☊";
        case '>': return "☋";
        case 'm': return "℞";
        case kBlackMoonLetter: return "⚸";
        case kFortuneLetter: return "⊗";
        case kVertexLetter: return "Vx";
        case kCeresLetter: return "⚳";
        case kCeresLetter + 1: return "⚴";
        case kCeresLetter + 2: return "⚵";
        case kCeresLetter + 3: return "⚶";
        case kCeresLetter + 4: return "⚷";
        default: return std::string(1, static_cast<char>(c));
    }
}

std::string symbol_text(const std::string& letters) {
    std::string out;
    for (char c : letters) out += symbol_glyph(static_cast<unsigned char>(c));
    return out;
}

}  // namespace sidora::models
