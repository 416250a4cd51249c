// An image control whose picture is a drawing surface of its own size, shown 1:1. It
// reports presses, moves and releases of every mouse button in surface pixels, and shows
// the cursor its form gives it.
#pragma once
#include <windows.h>

#include <functional>

#include "ui/Control.h"
#include "ui/Surface.h"

namespace ui {

class SurfaceImage : public Control {
public:
    SurfaceImage(HWND parent, int left, int top, int width, int height);

    Surface& GetSurface() { return surface_; }
    // The control and its surface take a new size, in pixels.
    void Resize(int width, int height);
    // Not owned; null shows the standard arrow.
    void SetCursor(HCURSOR cursor);
    // Marks a part of the surface for repainting; nothing else is redrawn.
    void Invalidate(const RECT& block);
    void InvalidateAll();

    // Button (VK_LBUTTON, VK_RBUTTON, VK_MBUTTON) and position in the surface.
    std::function<void(int button, int x, int y)> OnMouseDown;
    std::function<void(int x, int y)> OnMouseMove;
    std::function<void(int button, int x, int y)> OnMouseUp;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowCursor() const;

    Surface surface_;
    HCURSOR cursor_ = nullptr;
};

}  // namespace ui
