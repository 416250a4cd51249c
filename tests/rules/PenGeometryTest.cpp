// The pen's figure geometry: arrow heads, the rounded rectangle's corner, the eraser
// square and the area a figure touches.
#include <gtest/gtest.h>

#include "pen/ArrowHead.h"
#include "pen/FigureGeometry.h"

using pen::DrawTool;
using pen::Point;
using pen::Rect;

namespace {

bool Inside(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

TEST(PenArrowHead, BarbsEndTwentyBackAndTenAside) {
    const auto head = pen::ArrowBarbs({100, 0}, {0, 0});
    ASSERT_TRUE(head);
    EXPECT_EQ(head->first, (Point{80, 10}));
    EXPECT_EQ(head->second, (Point{80, -10}));

    // The double arrow's second head, at the tail end.
    const auto back = pen::ArrowBarbs({0, 0}, {100, 0});
    ASSERT_TRUE(back);
    EXPECT_EQ(back->first, (Point{20, -10}));
    EXPECT_EQ(back->second, (Point{20, 10}));

    // Upward shaft: the barbs lie below the tip, either side of it.
    const auto up = pen::ArrowBarbs({50, 10}, {50, 210});
    ASSERT_TRUE(up);
    EXPECT_EQ(up->first, (Point{60, 30}));
    EXPECT_EQ(up->second, (Point{40, 30}));
}

TEST(PenArrowHead, CoordinatesAreTruncatedTowardZero) {
    // A 45-degree shaft gives fractions on both sides of zero.
    const auto diagonal = pen::ArrowBarbs({0, 0}, {-10, 10});
    ASSERT_TRUE(diagonal);
    // dx = -10, dy = 10, len = 14.142...: first = ((-10+5)*20/len, (10+5)*20/len) = (-7.07, 21.2)
    EXPECT_EQ(diagonal->first, (Point{-7, 21}));
    // second = ((-10-5)*20/len, (10-5)*20/len) = (-21.2, 7.07)
    EXPECT_EQ(diagonal->second, (Point{-21, 7}));

    const auto offset = pen::ArrowBarbs({-3, -3}, {-13, 7});
    ASSERT_TRUE(offset);
    // The same head moved by (-3, -3): -10.07 and 18.2 truncate to -10 and 18, not -11 and 18.
    EXPECT_EQ(offset->first, (Point{-10, 18}));
    EXPECT_EQ(offset->second, (Point{-24, 4}));
}

TEST(PenArrowHead, NoHeadWhereThePointsCoincide) {
    EXPECT_FALSE(pen::ArrowBarbs({40, 40}, {40, 40}));
    EXPECT_FALSE(pen::ArrowBarbs({0, 0}, {0, 0}));
    // One pixel apart is a shaft all the same.
    EXPECT_TRUE(pen::ArrowBarbs({41, 40}, {40, 40}));
}

TEST(PenArrowHead, SquaredLengthWrapsInThirtyTwoBits) {
    // 46341^2 passes 2^31 - 1: the wrapped sum is negative and no head is drawn.
    EXPECT_FALSE(pen::ArrowBarbs({46341, 0}, {0, 0}));
    EXPECT_TRUE(pen::ArrowBarbs({46340, 0}, {0, 0}));
}

TEST(PenFigureGeometry, RectangleBetweenTwoPointsWhicheverWayTheDragWent) {
    const Rect expected{10, 20, 110, 80};
    EXPECT_EQ(pen::Between({10, 20}, {110, 80}), expected);
    EXPECT_EQ(pen::Between({110, 80}, {10, 20}), expected);
    EXPECT_EQ(pen::Between({10, 80}, {110, 20}), expected);
    EXPECT_EQ(pen::Between({110, 20}, {10, 80}), expected);
}

TEST(PenFigureGeometry, RoundRectCornerIsHalfTheFigureTruncatedThenUnsigned) {
    EXPECT_EQ(pen::RoundRectCorner({0, 0}, {100, 60}), (pen::Size{50, 30}));
    EXPECT_EQ(pen::RoundRectCorner({100, 60}, {0, 0}), (pen::Size{50, 30}));
    // 101 / 2 = 50 and -101 / 2 = -50: halving truncates toward zero before the sign goes.
    EXPECT_EQ(pen::RoundRectCorner({0, 0}, {101, 61}), (pen::Size{50, 30}));
    EXPECT_EQ(pen::RoundRectCorner({101, 61}, {0, 0}), (pen::Size{50, 30}));
    EXPECT_EQ(pen::RoundRectCorner({5, 5}, {5, 6}), (pen::Size{0, 0}));
}

TEST(PenFigureGeometry, EraserSquareIsCentredAndTwiceTheHalfWide) {
    const Rect r = pen::EraserSquare({100, 50}, 5);
    EXPECT_EQ(r, (Rect{95, 45, 105, 55}));
    EXPECT_EQ(r.right - r.left, 10);
    EXPECT_EQ(pen::EraserSquare({0, 0}, 12), (Rect{-12, -12, 12, 12}));
}

TEST(PenFigureGeometry, BoundsHoldEveryPointTheFigureReaches) {
    // A rectangle drawn with a 5-pixel pen reaches 2 pixels past its corners.
    const Rect rect = pen::FigureBounds(DrawTool::Rectangle, {100, 100}, {50, 70}, 5, 5);
    for (Point p : {Point{48, 68}, Point{102, 102}, Point{48, 102}}) EXPECT_TRUE(Inside(rect, p));
    EXPECT_FALSE(Inside(rect, {30, 50})) << "but not the whole screen";

    // The arrow's barbs stick out sideways from a horizontal shaft.
    const Rect arrow = pen::FigureBounds(DrawTool::Arrow, {0, 100}, {100, 100}, 1, 1);
    EXPECT_TRUE(Inside(arrow, {80, 110}));
    EXPECT_TRUE(Inside(arrow, {80, 90}));
    EXPECT_FALSE(Inside(arrow, {20, 112})) << "a single arrow has no head at the tail";
    const Rect both = pen::FigureBounds(DrawTool::DoubleArrow, {0, 100}, {100, 100}, 1, 1);
    EXPECT_TRUE(Inside(both, {20, 110}));
    EXPECT_TRUE(Inside(both, {20, 90}));
    const Rect line = pen::FigureBounds(DrawTool::Line, {0, 100}, {100, 100}, 1, 1);
    EXPECT_FALSE(Inside(line, {80, 110})) << "a plain line is only as high as its pen";

    // The eraser touches exactly its square around the current point.
    EXPECT_EQ(pen::FigureBounds(DrawTool::Eraser, {0, 0}, {300, 200}, 30, 12), pen::EraserSquare({300, 200}, 12));
    EXPECT_TRUE(pen::FigureBounds(DrawTool::Text, {0, 0}, {300, 200}, 5, 5).Empty());
}
