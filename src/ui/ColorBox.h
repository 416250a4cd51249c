// An edit box that shows a colour as its background: a double click opens the colour
// dialog, and the colour confirmed there is the box's colour (GetColor) from then on.
#pragma once
#include "ui/ColorDialog.h"
#include "ui/Edit.h"

namespace ui {

class ColorBox : public Edit {
public:
    // `dialog` outlives the box; it opens over the box's form.
    ColorBox(HWND parent, int left, int top, int width, int height, const std::wstring& text, ColorDialog& dialog);
};

}  // namespace ui
