// Shift while dragging: lines and arrows keep to the axes and diagonals, boxes and
// ellipses become squares and circles, in every direction of the drag.
#include <gtest/gtest.h>

#include "pen/Snapping.h"

using pen::DrawTool;
using pen::Point;

TEST(PenSnapping, ALineKeepsToTheNearestAxisOrDiagonal) {
    const Point from{100, 100};
    struct Case {
        Point to, snapped;
    };
    for (const Case& c : {
             Case{{300, 110}, {300, 100}},                                 // a slightly slanted drag: horizontal
             Case{{-100, 160}, {-100, 100}}, Case{{90, 400}, {100, 400}},  // steep: vertical
             Case{{300, 182}, {300, 100}},                                 // 22.3 degrees: still horizontal
             Case{{300, 184}, {242, 242}},  // 22.8 degrees: the diagonal, as long as the two sides on average
             Case{{0, 210}, {-5, 205}},     // down and to the left
             Case{{100, 100}, {100, 100}},  // no drag yet
         }) {
        EXPECT_EQ(pen::Snapped(DrawTool::Line, from, c.to), c.snapped) << c.to.x << "," << c.to.y;
        EXPECT_EQ(pen::Snapped(DrawTool::Arrow, from, c.to), c.snapped);
    }
    EXPECT_EQ(pen::Snapped(DrawTool::DoubleArrow, from, {300, 110}), (Point{300, 100}));
}

TEST(PenSnapping, BoxesAndEllipsesBecomeSquaresAsLargeAsTheLongerSide) {
    const Point from{100, 100};
    for (DrawTool tool : {DrawTool::Rectangle, DrawTool::RoundRect, DrawTool::Ellipse}) {
        EXPECT_EQ(pen::Snapped(tool, from, {300, 150}), (Point{300, 300}));
        EXPECT_EQ(pen::Snapped(tool, from, {0, 150}), (Point{0, 200})) << "dragged to the left";
        EXPECT_EQ(pen::Snapped(tool, from, {130, -100}), (Point{300, -100})) << "dragged up";
    }
    EXPECT_EQ(pen::Snapped(DrawTool::Pen, from, {300, 150}), (Point{300, 150})) << "freehand is straightened elsewhere";
    EXPECT_EQ(pen::Snapped(DrawTool::Eraser, from, {300, 150}), (Point{300, 150}));
}
