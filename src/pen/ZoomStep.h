// One step of the mouse wheel's zoom on the pen's pixels (see Zoom.h), apart from the
// window so that it is tested natively.
#pragma once
#include "pen/FigureGeometry.h"
#include "pen/PixelTiles.h"
#include "pen/UndoHistory.h"

namespace pen {

// Zooms `surface` in one level around `pointer`, drawing included, as one step of
// `history`. What the eraser restores is zoomed the same way: `background` keeps the
// zoomed picture wherever the zoomed drawing covers it. False, and nothing done, at the
// last level.
bool ZoomIn(const PixelPlane& surface, PixelTiles& background, UndoHistory& history, Point pointer);

}  // namespace pen
