#pragma once
// The chart wheel as PNG, SVG or PDF, painted headless by the render library.
#include <string>

#include "horoscope/wheel.h"

namespace sidora::cli {

enum class WheelFormat { Png, Svg, Pdf };
// False when the file cannot be written.
bool save_wheel(const horoscope::WheelView& view, const std::string& file, WheelFormat format,
                const std::string& title);

}  // namespace sidora::cli
