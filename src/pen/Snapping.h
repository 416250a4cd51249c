// Shift held while a figure is dragged: a line or an arrow keeps to the nearest of the
// horizontal, the vertical and the two diagonals; a rectangle, rounded rectangle or
// ellipse becomes a square or a circle as large as the drag's longer side.
#pragma once
#include "pen/DrawTool.h"
#include "pen/FigureGeometry.h"

namespace pen {

// Where the drag from `from` to `to` ends for `tool` with Shift held; the other tools
// (freehand, the eraser, text) end at `to`.
Point Snapped(DrawTool tool, Point from, Point to);

}  // namespace pen
