// The figure each tool draws between two drag points on the drawing surface's canvas,
// in whatever pen mode the canvas is set to.
#pragma once
#include <windows.h>

#include "pen/DrawTool.h"
#include "pen/FigureGeometry.h"
#include "ui/Canvas.h"

namespace pen {

// The freehand pen always draws in copy mode, from the pen position, and the highlighter
// in mask mode; the eraser and the text tool draw nothing here (the pen window restores
// the eraser's square itself).
void DrawFigure(ui::Canvas& canvas, DrawTool tool, Point origin, Point current);

// A numbered mark showing `number` round `centre`, in the canvas's pen colour and sized
// with its pen width (see NumberMarks.h).
void DrawMark(ui::Canvas& canvas, Point centre, int number);

}  // namespace pen
