// Geometry of the pen's figures in surface pixels: the rectangle between two drag
// points, the rounded rectangle's corner, the eraser square, and the area a figure can
// touch (what a mouse move repaints).
#pragma once
#include <vector>

#include "pen/DrawTool.h"

namespace pen {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

// Right and bottom edges excluded, like a Win32 RECT.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(Size, Size) = default;
};

// The rectangle with corners `a` and `b` whichever way the drag went.
Rect Between(Point a, Point b);

// The smallest rectangle holding both; an empty one adds nothing.
Rect Union(const Rect& a, const Rect& b);

// The corner ellipse of a rounded rectangle: half as wide and half as high as the
// figure, each half truncated toward zero before its sign is dropped.
Size RoundRectCorner(Point a, Point b);

// The square the eraser restores around `centre`: `half` pixels to each side.
Rect EraserSquare(Point centre, int half);

// What the eraser restores moving from `from` to `to`: the squares around every pixel of
// the straight line between them, joined, as rectangles from the top row down (rows with
// the same span share one rectangle). The pointer's events come far apart on a fast
// move; the path between them is erased as the freehand pen draws it.
std::vector<Rect> EraserSweep(Point from, Point to, int half);

// Every pixel the figure of `tool` from `from` to `to` can touch with a pen `penWidth`
// wide (for the freehand pen and the eraser `from` is the pen position). Empty for the
// text tool.
Rect FigureBounds(DrawTool tool, Point from, Point to, int penWidth, int eraserSize);

}  // namespace pen
