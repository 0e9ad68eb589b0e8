#pragma once
// A drawing of a view as the command line prints it.
#include <string>

#include "cli/output.h"
#include "models/drawing.h"

namespace sidora::cli {

// "#rrggbb".
std::string colour_text(const models::Rgb& colour);
// {"width", "height", "items": [...]}: every item with its kind, pixels, colour, text, name and hint.
Json drawing_json(const models::Drawing& drawing);

}  // namespace sidora::cli
