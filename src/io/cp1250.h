#pragma once
// Windows-1250 <-> UTF-8. Our files keep Czech text in this code page; inside the
// program every text is UTF-8.
#include <string>
#include <string_view>

namespace sidora::io {

// Every byte maps to one code point; the five bytes the code page leaves undefined
// map to the C1 control with the same value, so any byte string round-trips.
std::string cp1250_to_utf8(std::string_view bytes);

// Characters with no Windows-1250 byte become '?'. Malformed UTF-8 bytes likewise.
std::string utf8_to_cp1250(std::string_view utf8);

// The code points of a UTF-8 text; malformed bytes become U+FFFD.
std::u32string utf8_to_u32(std::string_view utf8);

// A code point appended to a UTF-8 text.
void append_utf8(std::string& out, char32_t cp);

// Number of characters of a UTF-8 text (code points).
std::size_t utf8_length(std::string_view utf8);

// The first n characters of a UTF-8 text.
std::string utf8_left(std::string_view utf8, std::size_t n);

}  // namespace sidora::io
