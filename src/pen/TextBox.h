// The box the pen's text tool types into. It shows the frozen picture beneath it, with
// the typed text on top, so only its frame and text stand over the drawing.
#pragma once
#include <windows.h>

#include "ui/Edit.h"
#include "ui/Handles.h"
#include "ui/Surface.h"

class TextBox : public ui::Edit {
public:
    // `picture` is the drawing surface, in the pixels of the box's parent; it outlives the box.
    TextBox(HWND parent, const ui::Surface& picture, int left, int top, int width, int height);

protected:
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // A brush of the picture under the box's client area, aligned with that area.
    HBRUSH PictureBeneath();

    const ui::Surface& picture_;
    ui::UniqueBrush beneath_;   // made again at each paint: the picture may have changed
    ui::UniqueBitmap pattern_;  // the brush's pixels, kept while the brush is in use
};
