// The colour chooser as the forms use it: it opens on the colour last confirmed in it
// (black the first time) and remembers what the user confirms.
#pragma once
#include <windows.h>

#include "ui/Colors.h"

namespace ui {

class ColorDialog {
public:
    // True when the user confirmed; the choice is then in GetColor().
    bool Execute(HWND owner);
    Color GetColor() const { return color_; }

private:
    Color color_ = Black;
};

}  // namespace ui
