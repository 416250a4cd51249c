// One step of the mouse wheel's zoom on the pen's pixels (see Zoom.h), apart from the
// window so that it is tested natively.
#pragma once
#include <cstdint>
#include <vector>

#include "pen/FigureGeometry.h"
#include "pen/PixelTiles.h"
#include "pen/UndoHistory.h"

namespace pen {

// The pictures a zoom step works in, kept from one step to the next while the pen is
// open: memory taken afresh at each step cost more than a third of the step.
struct ZoomScratch {
    std::vector<std::uint32_t> before;  // the surface as it was
    std::vector<std::uint32_t> ground;  // the picture beneath the drawing, zoomed
    void Release() {
        before = {};
        ground = {};
    }
};

// Zooms `surface` in one level around `pointer`, drawing included, as one step of
// `history`. What the eraser restores is zoomed the same way: `background` keeps the
// zoomed picture wherever the zoomed drawing covers it. False, and nothing done, at the
// last level.
bool ZoomIn(const PixelPlane& surface, PixelTiles& background, UndoHistory& history, Point pointer,
            ZoomScratch& scratch);

// Zooms `surface` out to the level before the last zoom step of `history`. With nothing
// drawn since, that step is undone (redo zooms in again). Otherwise the picture before it
// comes back with what was drawn since, scaled down onto it, as one step of its own: each
// changed pixel of the zoomed surface lands on the pixel it was scaled up from, in its
// own colour, so that no stroke is lost or blurred. Returns the part of the surface that
// changed (empty when no zoom step is kept).
Rect ZoomOut(const PixelPlane& surface, PixelTiles& background, UndoHistory& history, ZoomScratch& scratch);

}  // namespace pen
