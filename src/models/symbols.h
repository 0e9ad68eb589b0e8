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

}  // namespace sidora::models
