#pragma once
// The views' drawings as PNG and SVG files, painted headless by the render library.
#include <string>

#include "models/drawing.h"

namespace sidora::cli {

// Qt's fonts need an application object; the command line makes one on the offscreen
// platform (unless another is asked for) the first time it paints.
void ensure_paint_application();

// False when the file cannot be written.
bool save_drawing_png(const models::Drawing& drawing, const std::string& file);
// The same as SVG, titled.
bool save_drawing_svg(const models::Drawing& drawing, const std::string& file, const std::string& title);

}  // namespace sidora::cli
