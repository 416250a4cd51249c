// Creating the fonts the forms name: face, character height in pixels, weight.
#pragma once
#include <windows.h>

#include "ui/Handles.h"

namespace ui {

// `charHeight` is the character height in pixels (not the cell height), as the forms give it.
UniqueFont CreateFontByHeight(const wchar_t* face, int charHeight, bool bold = false, BYTE charset = DEFAULT_CHARSET);
// A font of `points` points on the screen, for text whose size is given in points.
UniqueFont CreateFontByPoints(const wchar_t* face, int points, bool bold = false);

}  // namespace ui
