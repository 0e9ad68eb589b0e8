#pragma once
// The symbol font lives with the painting of drawings, below the windows.
#include "render/symbol_font.h"
