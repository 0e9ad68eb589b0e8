#pragma once
// The views' drawings as PNG files, painted headless by the render library.
#include <string>

#include "models/drawing.h"

namespace sidora::cli {

// False when the file cannot be written.
bool save_drawing_png(const models::Drawing& drawing, const std::string& file);

}  // namespace sidora::cli
