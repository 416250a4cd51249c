// A drawing surface: a 32-bit top-down DIB section with its own memory DC and Canvas.
// Its pixels sit in memory, so painting is one BitBlt and tests read them directly.
#pragma once
#include <windows.h>

#include <cstdint>

#include "ui/Canvas.h"
#include "ui/Handles.h"

namespace ui {

class Surface {
public:
    Surface(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC Dc() const { return dc_.get(); }
    Canvas& GetCanvas() { return canvas_; }

    // The colour at (x, y) as RGB(r, g, b), once pending GDI drawing has landed.
    COLORREF Pixel(int x, int y) const;
    // The pixels themselves, blue in the low byte, once pending GDI drawing has landed.
    std::uint32_t* Bits() const;

    // Plain copy of the block at the same place in `source` (a DC of the same geometry).
    void CopyFrom(HDC source, const RECT& block);
    void CopyFrom(HDC source) { CopyFrom(source, RECT{0, 0, width_, height_}); }
    // The whole surface from `source`, whose (x, y) lands on the surface's top-left.
    void CopyFrom(HDC source, int x, int y);

    // A new size; the pixels start black, the canvas keeps its settings.
    void Resize(int width, int height);

private:
    int width_;
    int height_;
    std::uint32_t* bits_ = nullptr;
    UniqueBitmap bitmap_;
    MemoryDC dc_;
    SelectScope selected_;
    Canvas canvas_;
};

}  // namespace ui
