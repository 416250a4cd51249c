// The figure each tool draws between two drag points on the drawing surface's canvas,
// in whatever pen mode the canvas is set to.
#pragma once
#include <windows.h>

#include "pen/DrawTool.h"
#include "pen/FigureGeometry.h"
#include "ui/Canvas.h"

namespace pen {

// The eraser copies its square around `current` from `background` (a DC of the same
// geometry) whatever the pen mode; the freehand pen always draws in copy mode, from the
// pen position; the text tool draws nothing.
void DrawFigure(ui::Canvas& canvas, DrawTool tool, Point origin, Point current, HDC background, int eraserSize);

}  // namespace pen
