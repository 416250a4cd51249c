// The pen's press, drag and release: figures, arrow heads, the not-xor rubber band and
// what a move repaints.
#include "PenFixture.h"

#include <functional>

#include "ui/ColorRef.h"

using PenDrawingTest = PenTest;

TEST_F(PenDrawingTest, ClosedFiguresAreTheSameWhicheverWayTheyAreDragged) {
    PenWindow& pen = OpenPen();
    const RECT area{180, 180, 430, 340};
    const std::pair<POINT, POINT> drags[] = {
        {{200, 200}, {400, 320}}, {{400, 320}, {200, 200}}, {{400, 200}, {200, 320}}, {{200, 320}, {400, 200}}};
    for (auto select : {pen::DrawTool::Rectangle, pen::DrawTool::Ellipse, pen::DrawTool::RoundRect}) {
        pen.Palette().Button(select).Click();
        std::vector<COLORREF> first;
        for (const auto& [from, to] : drags) {
            WhiteBoard();
            Drag(from, to);
            const std::vector<COLORREF> pixels = Block(area);
            if (first.empty()) {
                first = pixels;
                ASSERT_GT(Count(area, kRed), 500) << "tool " << static_cast<int>(pen.Tool());
                continue;
            }
            EXPECT_EQ(Differences(pixels, first), 0)
                << "tool " << static_cast<int>(pen.Tool()) << " dragged from " << from.x << "," << from.y;
        }
    }
}

TEST_F(PenDrawingTest, ArrowHeadsEndTwentyBackAndTenAside) {
    PenWindow& pen = OpenPen();
    SetPenWidth(3);
    pen.Palette().Button(pen::DrawTool::Arrow).Click();
    WhiteBoard();
    Drag({200, 300}, {300, 300});
    EXPECT_EQ(Pixel(250, 300), kRed) << "shaft";
    EXPECT_EQ(Pixel(280, 310), kRed) << "barb end";
    EXPECT_EQ(Pixel(280, 290), kRed) << "barb end";
    EXPECT_EQ(Pixel(290, 305), kRed) << "barb middle";
    EXPECT_EQ(Pixel(276, 312), kWhite) << "no further than the barb end";
    EXPECT_EQ(Pixel(220, 310), kWhite) << "no head at the tail";
    EXPECT_EQ(Pixel(220, 290), kWhite);

    pen.Palette().Button(pen::DrawTool::DoubleArrow).Click();
    WhiteBoard();
    Drag({200, 300}, {300, 300});
    EXPECT_EQ(Pixel(280, 310), kRed);
    EXPECT_EQ(Pixel(280, 290), kRed);
    EXPECT_EQ(Pixel(220, 310), kRed) << "the double arrow's second head";
    EXPECT_EQ(Pixel(220, 290), kRed);
    EXPECT_EQ(Pixel(210, 305), kRed);
    EXPECT_EQ(Pixel(224, 312), kWhite);
}

TEST_F(PenDrawingTest, ArrowReleasedWhereItWasPressedHasNoHead) {
    PenWindow& pen = OpenPen();
    for (auto select : {pen::DrawTool::Arrow, pen::DrawTool::DoubleArrow}) {
        pen.Palette().Button(select).Click();
        WhiteBoard();
        Press(500, 500);
        Move(600, 500);
        Move(560, 540);
        Move(500, 500);
        Release(500, 500);
        // At most a dot where the zero-length shaft is; no barbs, no trace of the bands.
        const RECT around{380, 380, 720, 620};
        const RECT dot{495, 495, 506, 506};
        EXPECT_EQ(Count(around, kWhite) + (dot.right - dot.left) * (dot.bottom - dot.top) - Count(dot, kWhite),
                  (around.right - around.left) * (around.bottom - around.top));
    }
}

TEST_F(PenDrawingTest, RubberBandLeavesNoTraceAndTheFigureHasItsTrueColours) {
    PenWindow& pen = OpenPen();
    const auto roundRect = [](ui::Canvas& c, const RECT& r) { c.RoundRect(r, 50, 50); };
    const std::pair<pen::DrawTool, std::function<void(ui::Canvas&, const RECT&)>> figures[] = {
        {pen::DrawTool::Rectangle, [](ui::Canvas& c, const RECT& r) { c.Rectangle(r); }},
        {pen::DrawTool::Ellipse, [](ui::Canvas& c, const RECT& r) { c.Ellipse(r); }},
        {pen::DrawTool::RoundRect, roundRect}};
    for (const auto& [select, draw] : figures) {
        pen.Palette().Button(select).Click();
        WhiteBoard();
        Press(100, 100);
        for (POINT p : {POINT{300, 250}, POINT{250, 330}, POINT{160, 120}, POINT{200, 200}}) Move(p.x, p.y);
        Release(200, 200);

        EXPECT_EQ(DifferencesFromPlainDrawing([&](ui::Canvas& c) {
                      draw(c, RECT{100, 100, 200, 200});
                  }),
                  0)
            << "tool " << static_cast<int>(pen.Tool());
        EXPECT_EQ(Pixel(150, 150), ui::ColorToRGB(ui::Highlight)) << "filled with the true brush colour";
        EXPECT_EQ(Pixel(100, 150), kRed) << "outlined with the true pen colour";
    }
}

TEST_F(PenDrawingTest, ReleaseAwayFromTheLastMoveLeavesTheLastBand) {
    PenWindow& pen = OpenPen();
    pen.Palette().Button(pen::DrawTool::Line).Click();
    WhiteBoard();
    Press(100, 500);
    Move(400, 500);
    Release(100, 600);
    EXPECT_NE(Pixel(300, 500), kWhite) << "the band to the last move point stays";
    EXPECT_EQ(Pixel(100, 550), kRed) << "the final line";
}

TEST_F(PenDrawingTest, WhitePenRubberBandIsInvisible) {
    PenWindow& pen = OpenPen();
    BlackBoard();  // a black board
    ChoosePenColor(RGB(255, 255, 255));
    const RECT area{80, 380, 640, 480};
    for (auto select : {pen::DrawTool::Line, pen::DrawTool::Arrow}) {
        pen.Palette().Button(select).Click();
        BlackBoard();
        Press(100, 400);
        Move(500, 420);
        Move(600, 450);
        EXPECT_EQ(Count(area, RGB(0, 0, 0)), (area.right - area.left) * (area.bottom - area.top))
            << "nothing shows while dragging";
        Release(600, 450);
        EXPECT_GT(Count(area, RGB(255, 255, 255)), 400) << "the figure shows at the release";
    }
}

TEST_F(PenDrawingTest, FreehandStrokeFollowsEveryMoveWithAnyButton) {
    PenWindow& pen = OpenPen();
    ASSERT_EQ(pen.Tool(), pen::DrawTool::Pen);
    WhiteBoard();
    Press(100, 500);
    Move(150, 500);
    Move(200, 540);
    Release(250, 540);
    EXPECT_EQ(Pixel(125, 500), kRed);
    EXPECT_EQ(Pixel(175, 520), kRed);
    EXPECT_EQ(Pixel(225, 540), kRed);
    EXPECT_EQ(Pixel(100, 540), kWhite) << "no straight line from the press to the release";
    EXPECT_FALSE(pen.Drawing());

    pen.Palette().Button(pen::DrawTool::Line).Click();
    Press(400, 700, WM_RBUTTONDOWN, MK_RBUTTON);
    Move(500, 700, MK_RBUTTON);
    Release(600, 700, WM_RBUTTONUP);
    Press(400, 750, WM_MBUTTONDOWN, MK_MBUTTON);
    Release(600, 750, WM_MBUTTONUP);
    EXPECT_EQ(Pixel(500, 700), kRed) << "the right button draws";
    EXPECT_EQ(Pixel(500, 750), kRed) << "the middle button draws";
    Move(300, 300, 0);
    EXPECT_EQ(Pixel(300, 300), kWhite) << "moves after the release draw nothing";
}

TEST_F(PenDrawingTest, MoveRepaintsOnlyWhatTheFiguresTouch) {
    PenWindow& pen = OpenPen();
    const HWND surface = pen.DrawingSurface().Handle();
    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    Press(100, 100);
    Move(200, 150);
    UpdateWindow(surface);
    Move(220, 170);
    RECT dirty{};
    ASSERT_TRUE(GetUpdateRect(surface, &dirty, FALSE));
    EXPECT_GE(dirty.left, 96);
    EXPECT_GE(dirty.top, 96);
    EXPECT_LE(dirty.right, 225);
    EXPECT_LE(dirty.bottom, 175);
    EXPECT_LE(dirty.left, 100);
    EXPECT_GE(dirty.right, 220) << "both bands are repainted";
    Release(220, 170);

    pen.Palette().Button(pen::DrawTool::Eraser).Click();
    UpdateWindow(surface);
    Press(700, 500);
    Release(700, 500);
    ASSERT_TRUE(GetUpdateRect(surface, &dirty, FALSE));
    EXPECT_EQ(dirty.left, 695);
    EXPECT_EQ(dirty.top, 495);
    EXPECT_EQ(dirty.right, 705);
    EXPECT_EQ(dirty.bottom, 505) << "the eraser repaints its square only";
}
