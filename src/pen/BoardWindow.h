// The board window: a plain full-screen window, not top-most, that paints the pen's black
// and white boards.
#pragma once
#include "base/Monitors.h"
#include "ui/Colors.h"
#include "ui/Form.h"
#include "ui/Surface.h"

class BoardWindow : public ui::Form {
public:
    BoardWindow();

    // Paints a board of `color` into `surface`. The window stands over `covered` (screen
    // pixels), under the top-most pen, while the board is made, and goes again: that is
    // what the world outside sees of a board.
    void PaintOnto(ui::Surface& surface, const ScreenRect& covered, ui::Color color);
};
