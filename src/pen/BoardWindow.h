// The board window: a plain full-screen window, not top-most, that paints the pen's black
// and white boards.
#pragma once
#include "ui/Form.h"

class BoardWindow : public ui::Form {
public:
    BoardWindow();
};
