// The mouse wheel's zoom of the pen's picture. Zooming in is a step of the undo history:
// it replaces the surface with a part of itself, drawing included, scaled up around the
// pointer. The picture beyond that part is then only in the history, so zooming out goes
// back the way it came: it undoes the last zoom step together with what was drawn since,
// which redo brings back (UndoHistory::UndoZoom). The history keeps the level with each
// step, so undo and redo bring it back with the pixels.
#pragma once
#include "pen/FigureGeometry.h"

namespace pen {

// Level 0 is the picture as copied; each level magnifies 1.25 times the one before, the
// last one only up to 4 times in all: 1, 1.25, 1.5625 ... 3.814697265625, 4.
inline constexpr int kMostZoomLevel = 7;

// How much `level` (0 to kMostZoomLevel) magnifies the picture as copied.
double ZoomFactor(int level);

// The part of a surface of `size`, now at `level` (below kMostZoomLevel), that fills the
// whole surface once scaled up to the next level, so that the pixel under `pointer`
// stays under it. The part lies inside the surface; a pointer beyond it counts as at
// its nearest edge.
Rect ZoomSource(Size size, Point pointer, int level);

}  // namespace pen
