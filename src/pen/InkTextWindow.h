// Live ink's text box: the pen's, in a small window of its own over the ink (a layered
// window shows no child windows). It shows the screen beneath it while the presenter
// types, and stamps only the typed letters onto the ink, so the screen stays live around
// and between them.
#pragma once
#include <windows.h>

#include "base/Monitors.h"
#include "pen/Drawing.h"
#include "pen/TextTool.h"
#include "ui/Form.h"
#include "ui/Surface.h"

class InkTextWindow : public ui::Form {
public:
    explicit InkTextWindow(HWND inkWindow);

private:
    ui::Surface beneath_;  // what the box shows beneath its text, in the window's pixels

public:
    TextTool text;

    // An empty box at `at` with the keyboard, in `color` and sized for `penWidth`, on `monitor`.
    void PlaceAt(ScreenPoint at, const ScreenRect& monitor, ui::Color color, int penWidth);
    // The window follows the box's width as the text grows.
    void FitText(int penWidth);
    // The letters typed onto `ink`, which covers `monitor`, as one step of `steps`; the box
    // goes. Returns the part of the ink that changed.
    RECT StampOnto(ui::Surface& ink, const ScreenRect& monitor, pen::Drawing& steps);
};
