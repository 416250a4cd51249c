// Figures whose true form only shows off the beaten track: a freehand stroke on a dark
// board, and the corners of a rounded rectangle that is not square.
#include "PenFixture.h"

using PenStrokeTest = PenTest;

TEST_F(PenStrokeTest, FreehandMovesDrawInTheTrueColourOnABlackBoard) {
    OpenPen();
    BlackBoard();  // black: not-xor red would come out cyan here
    Press(100, 500);
    Move(200, 500);
    Move(300, 500);
    EXPECT_EQ(Pixel(150, 500), kRed) << "drawn by a move, before any release";
    EXPECT_EQ(Pixel(250, 500), kRed);
    Release(300, 500);
}

TEST_F(PenStrokeTest, RoundedCornersAreHalfTheFiguresWidthAndHalfItsHeight) {
    PenWindow& pen = OpenPen();
    pen.Palette().Button(pen::DrawTool::RoundRect).Click();
    WhiteBoard();
    Press(100, 100);
    Release(340, 180);

    EXPECT_EQ(DifferencesFromPlainDrawing([](ui::Canvas& c) { c.RoundRect(RECT{100, 100, 340, 180}, 120, 40); }), 0);
}
