// The pen's figure geometry: arrow heads, the rounded rectangle's corner, the eraser
// square and the area a figure touches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "pen/ArrowHead.h"
#include "pen/FigureGeometry.h"

using pen::DrawTool;
using pen::Point;
using pen::Rect;

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
    EXPECT_EQ(pen::EraserSquare({0, 0}, 12), (Rect{-12, -12, 12, 12}));
}

// The sweep against the continuous line: every pixel well inside the band the square
// sweeps is erased (no islands left), none well outside it, and both end squares whole.
TEST(PenFigureGeometry, EraserSweepJoinsTheSquaresAlongThePath) {
    const auto covered = [](const std::vector<Rect>& rects, int x, int y) {
        for (const Rect& r : rects)
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
        return false;
    };
    const struct {
        Point from, to;
        int half;
    } cases[] = {{{10, 10}, {10, 10}, 5}, {{0, 0}, {40, 0}, 3}, {{0, 0}, {-30, 11}, 4}, {{5, 40}, {12, -20}, 2}};
    for (const auto& c : cases) {
        const std::vector<Rect> sweep = pen::EraserSweep(c.from, c.to, c.half);
        int islands = 0, beyond = 0;
        for (int y = -60; y < 70; ++y)
            for (int x = -60; x < 70; ++x) {
                // Distance from the pixel's centre to the line, along the farther axis.
                double nearest = 1e9;
                for (int i = 0; i <= 400; ++i) {
                    const double qx = c.from.x + (c.to.x - c.from.x) * i / 400.0;
                    const double qy = c.from.y + (c.to.y - c.from.y) * i / 400.0;
                    nearest = std::min(nearest, std::max(std::abs(x + 0.5 - qx), std::abs(y + 0.5 - qy)));
                }
                islands += nearest <= c.half - 1 && !covered(sweep, x, y);
                beyond += nearest >= c.half + 1 && covered(sweep, x, y);
            }
        EXPECT_EQ(islands, 0) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
        EXPECT_EQ(beyond, 0) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
        for (const Point end : {c.from, c.to}) {
            const Rect square = pen::EraserSquare(end, c.half);
            for (int y = square.top; y < square.bottom; ++y)
                for (int x = square.left; x < square.right; ++x) ASSERT_TRUE(covered(sweep, x, y)) << x << "," << y;
        }
        for (std::size_t i = 1; i < sweep.size(); ++i) EXPECT_EQ(sweep[i].top, sweep[i - 1].bottom) << "top row down";
    }
    EXPECT_EQ(pen::EraserSweep({0, 0}, {40, 0}, 3), (std::vector<Rect>{{-3, -3, 43, 3}})) << "one rectangle a run";
}

TEST(PenFigureGeometry, BoundsAreEveryPixelTheFigureCanTouch) {
    // The points themselves, the arrow heads' barbs (also where the shaft is shorter than
    // its head), then half the pen width and a pixel of rounding on every side.
    const struct {
        DrawTool tool;
        Point from;
        Point to;
        int penWidth;
        Rect expected;
    } cases[] = {
        {DrawTool::Line, {10, 20}, {10, 20}, 1, {9, 19, 12, 22}},
        {DrawTool::Line, {0, 0}, {10, 0}, 6, {-4, -4, 15, 5}},
        {DrawTool::Arrow, {0, 100}, {100, 100}, 1, {-1, 89, 102, 112}},
        {DrawTool::Arrow, {50, 50}, {50, 45}, 1, {39, 44, 62, 67}},  // barbs (60, 65) and (40, 65)
        {DrawTool::DoubleArrow, {100, 100}, {105, 100}, 1, {84, 89, 122, 112}},
        {DrawTool::Arrow, {30, 30}, {30, 30}, 1, {29, 29, 32, 32}},  // no head
        {DrawTool::DoubleArrow, {30, 30}, {30, 30}, 1, {29, 29, 32, 32}},
        {DrawTool::Eraser, {300, 200}, {300, 200}, 30, {288, 188, 312, 212}},  // its square alone
        {DrawTool::Eraser, {0, 0}, {300, 200}, 30, {-12, -12, 312, 212}},      // the squares at both ends
    };
    for (const auto& c : cases)
        EXPECT_EQ(pen::FigureBounds(c.tool, c.from, c.to, c.penWidth, 12), c.expected)
            << static_cast<int>(c.tool) << " to " << c.to.x << "," << c.to.y;

    // The freehand pen (from its pen position) and the plain figures share one rule.
    for (DrawTool tool : {DrawTool::Pen, DrawTool::Line, DrawTool::Rectangle, DrawTool::Ellipse, DrawTool::RoundRect})
        EXPECT_EQ(pen::FigureBounds(tool, {100, 100}, {50, 70}, 5, 5), (Rect{47, 67, 104, 104}))
            << static_cast<int>(tool);
    EXPECT_TRUE(pen::FigureBounds(DrawTool::Text, {0, 0}, {300, 200}, 5, 5).Empty());
}
