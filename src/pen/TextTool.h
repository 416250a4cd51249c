// The pen's text tool: a box over the picture that the presenter types into where the
// surface was pressed. Its font follows the pen width and its colour the pen colour; what
// it shows is stamped onto the surface before the box moves on or goes.
#pragma once
#include <windows.h>

#include "ui/Colors.h"
#include "pen/Drawing.h"
#include "pen/TextBox.h"
#include "ui/Handles.h"
#include "ui/Surface.h"

class TextTool {
public:
    // The box waits at (left, top) in `penWindow`, out of sight, until the tool places it.
    // `picture` is the drawing surface, which the box shows beneath its text.
    TextTool(HWND penWindow, const ui::Surface& picture, int left, int top);

    TextBox box;

    // Shows an empty box with the keyboard, in `color`, sized for `penWidth`.
    void Start(ui::Color color, int penWidth);
    // Moves the empty box, with the keyboard, to where the surface was pressed.
    void PlaceAt(int x, int y);
    void SetColor(ui::Color color) { box.SetFontColor(color); }
    // A new pen width: a font of the matching size, and the box's width for its text.
    void SetPenWidth(int penWidth);
    // The box's width for its text at `penWidth`.
    void FitText(int penWidth);
    // Width in pixels of the box's text in the box's own font.
    int TextWidth() const;
    // Where the box stands in the pen window, or an empty rectangle while hidden.
    RECT Bounds() const;
    // True while the box is shown with something typed in it.
    bool HoldsText() const;
    // Empties the box; one that is empty already is left alone, which is cheaper.
    void Clear();
    // Copies what the box's inside shows, the picture with the text over it, onto `target`
    // where the box stands, as one step of `drawing`: the eraser brings back the picture
    // beneath it, as beneath any figure. `origin` is where the box's window lies on the
    // target. Returns the part of the target that changed: nothing while the box holds no text.
    RECT StampOnto(ui::Surface& target, POINT origin, pen::Drawing& drawing) const;

private:
    void SetFont(int points);

    HWND penWindow_;
    ui::UniqueFont font_;
};
