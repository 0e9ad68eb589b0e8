#pragma once
// Rich text of the texts window: written with its colours, sizes, bold and underline, and
// read back from it or from an ordinary RTF file.
#include <optional>
#include <string>
#include <string_view>

#include "models/styled_lines.h"

namespace sidora::models {

// Windows-1250 RTF, Arial; characters outside the code page as \uN?.
std::string write_rtf(const StyledDocument& doc);

// The lines of an RTF file, or nothing with a Czech reason in `why`. Groups nest at most
// kRtfMaxDepth deep; fonts, colours, styles, information, pictures and \* groups are skipped.
inline constexpr int kRtfMaxDepth = 100;
std::optional<StyledDocument> read_rtf(std::string_view bytes, std::string& why);

}  // namespace sidora::models
