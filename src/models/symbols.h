#pragma once
// The astrological symbol font's letters and the Unicode glyphs that draw them: signs at
// "A".."L", bodies at "Q".."Z", the nodes at "<" and ">", retrograde at "m" and the Black
// Moon at code 130. Every window that shows symbols goes through this one table.
#include <string>

namespace sidora::models {

// The glyph (UTF-8) for a letter of the symbol font; the letter itself when it has none.
std::string symbol_glyph(unsigned char letter);
// Every letter of a text turned into its glyph.
std::string symbol_text(const std::string& letters);

// Letters of the font.
inline char sign_letter(int sign) { return static_cast<char>(64 + sign); }  // 1..12 → "A".."L"
inline constexpr unsigned char kBlackMoonLetter = 130;
inline constexpr char kRetrogradeLetter = 'm';
// Chart bodies 1..10 "Q".."Z", the nodes 11 and 12, the Black Moon 17; 0 for the others.
inline unsigned char body_letter(int chart_body) {
    if (chart_body >= 1 && chart_body <= 10) return static_cast<unsigned char>(80 + chart_body);
    if (chart_body == 11) return '<';
    if (chart_body == 12) return '>';
    return chart_body == 17 ? kBlackMoonLetter : 0;
}

// The wheel's other glyphs: the Part of Fortune, the Vertex and Ceres .. Chiron (131..137).
inline constexpr unsigned char kFortuneLetter = 131, kVertexLetter = 132, kCeresLetter = 133;
// The letter of a wheel slot: the bodies as body_letter, but slot 12 is the Part of Fortune.
inline unsigned char wheel_letter(int slot) {
    if (slot == 12) return kFortuneLetter;
    if (slot == 18) return kVertexLetter;
    if (slot >= 20 && slot <= 24) return static_cast<unsigned char>(kCeresLetter + slot - 20);
    return body_letter(slot);
}

}  // namespace sidora::models
