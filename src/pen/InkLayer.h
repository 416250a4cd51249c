// Live ink's pixels and how they reach the screen: the ink surface, shown on a layered
// window with per-pixel alpha through UpdateLayeredWindowIndirect, only the part that
// changed since it last showed. The surface holds the ink in GDI's form (see InkPixels)
// but for the moment of showing, when the changed part is turned into the window's form,
// handed over, and turned back: one screen of memory, no second copy.
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/Monitors.h"
#include "pen/FigureGeometry.h"
#include "pen/PixelTiles.h"
#include "ui/Surface.h"

class InkLayer {
public:
    // For the layered window `window`.
    explicit InkLayer(HWND window);

    ui::Surface& Surface() { return surface_; }
    pen::PixelPlane Plane() const { return {surface_.Bits(), surface_.Width(), surface_.Height()}; }

    // Empty of ink at `size`; a surface of another size is made afresh.
    void Clear(ScreenSize size);
    // The surface gives its memory back: a pixel, until the next Clear.
    void Release() { surface_.Resize(1, 1); }
    // What the empty pixels show: nothing at all, or a premultiplied alpha of 1, which no
    // eye sees where windows are blended but which still takes the mouse. Shown at once.
    void SetBackdrop(std::uint32_t backdrop);

    // `area` changed: it shows at the next ShowChanged.
    void Changed(const pen::Rect& area) { pending_ = pen::Union(pending_, area); }
    bool HasChanges() const { return !pending_.Empty(); }
    // The window over `covered`, showing what changed since the last showing; ShowAll
    // shows every pixel (the window's first showing, and after a move).
    void ShowChanged(const ScreenRect& covered);
    void ShowAll(const ScreenRect& covered);

private:
    void Show(const ScreenRect& covered, pen::Rect area, bool whole);

    HWND window_;
    ui::Surface surface_;
    std::uint32_t backdrop_ = 0;
    pen::Rect pending_;
};
