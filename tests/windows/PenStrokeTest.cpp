// Figures whose true form only shows off the beaten track: a freehand stroke on a dark
// board, the corners of a rounded rectangle that is not square, and what Shift straightens.
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

namespace {
// Shift held, as the keyboard state the stroke reads.
struct ShiftHeld {
    explicit ShiftHeld(bool held) { Set(held); }
    ~ShiftHeld() { Set(false); }
    static void Set(bool held) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = held ? 0x80 : 0;
        SetKeyboardState(keys);
    }
};
}  // namespace

TEST_F(PenStrokeTest, ShiftStraightensLinesSquaresBoxesAndGivesFreehandAStraightSegment) {
    PenWindow& pen = OpenPen();
    WhiteBoard();
    pen.Palette().Button(pen::DrawTool::Line).Click();
    {
        ShiftHeld shift(true);
        Drag({100, 100}, {400, 120});  // slightly slanted
    }
    EXPECT_EQ(Pixel(390, 100), kRed) << "horizontal from where the drag began";
    EXPECT_NE(Pixel(390, 119), kRed);

    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    {
        ShiftHeld shift(true);
        Drag({100, 200}, {300, 250});  // wide
    }
    EXPECT_EQ(Pixel(200, 400), kRed) << "the square's bottom edge, 200 below its top";
    EXPECT_EQ(Pixel(300, 350), kRed);

    // Freehand: Shift down in the middle of a stroke draws straight from that point on.
    pen.Palette().Button(pen::DrawTool::Pen).Click();
    Press(100, 600);
    Move(150, 620);
    ShiftHeld shift(true);
    Move(300, 700);  // a rubber band there, taken away by the next move
    Move(400, 640);
    Release(400, 640);
    EXPECT_EQ(Pixel(275, 630), kRed) << "the straight segment from (150, 620) to (400, 640)";
    EXPECT_EQ(Pixel(125, 610), kRed) << "the freehand before it";
    EXPECT_EQ(Pixel(225, 660), kWhite) << "no trace of the rubber band to (300, 700)";
}

TEST_F(PenStrokeTest, TheHighlighterKeepsDarkTextDarkAndColoursTheWhiteOnceWhereItCrossesItself) {
    PenWindow& pen = OpenPen();
    WhiteBoard();
    ChoosePenColor(kBlack);
    Press(100, 300);  // a line of "text"
    Move(300, 300);
    Release(500, 300);
    {
        ShiftHeld shift(true);
        PostMessageW(pen.DrawingSurface().Handle(), WM_KEYDOWN, 'Y', 1);
        Pump();
    }
    EXPECT_EQ(pen.Tool(), pen::DrawTool::Highlighter) << "Shift+Y: the highlighter in yellow";
    constexpr COLORREF kYellow = RGB(255, 255, 0);
    Press(80, 300);  // along the text and back over itself
    Move(520, 300);
    Move(520, 304);
    Move(80, 304);
    Release(80, 304);
    EXPECT_EQ(Pixel(200, 300), kBlack) << "the text stays readable";
    EXPECT_EQ(Pixel(200, 296), kYellow) << "the white turns yellow";
    EXPECT_EQ(Pixel(200, 305), kYellow) << "crossed twice: the same yellow, no darker";
    EXPECT_EQ(Pixel(200, 310), kYellow) << "the way back alone";
    EXPECT_EQ(Pixel(200, 316), kWhite) << "three times the pen's width, no more";
    EXPECT_EQ(pen.SurfaceCanvas().PenWidth(), 5) << "the pen keeps its own width";
    PressWithControl(pen.DrawingSurface().Handle(), 'Z');
    EXPECT_EQ(Pixel(200, 296), kWhite);
    EXPECT_EQ(Pixel(200, 300), kBlack);
}

TEST_F(PenStrokeTest, NumberedMarksAreCirclesInThePenColourWithContrastingDigitsThatUndoTakesBack) {
    PenWindow& pen = OpenPen();
    WhiteBoard();
    pen.Palette().Button(pen::DrawTool::NumberMark).Click();
    for (int x : {200, 300, 400}) {
        Press(x, 500);
        Release(x, 500);
    }
    EXPECT_EQ(pen.History().Marks(), 3);
    // A circle of radius 21 at the default width, red, with white digits inside.
    EXPECT_EQ(Pixel(400 - 18, 500), kRed);
    EXPECT_EQ(Pixel(400, 500 - 18), kRed);
    EXPECT_EQ(Pixel(400 - 25, 500), kWhite) << "no bigger";
    EXPECT_GT(CountPixels({390, 488, 411, 513}, [&](int x, int y) { return Pixel(x, y) == kWhite; }), 10)
        << "the digit, white on red";
    PressWithControl(pen.DrawingSurface().Handle(), 'Z');
    EXPECT_EQ(Pixel(400 - 18, 500), kWhite) << "the 3 goes";
    EXPECT_EQ(Pixel(300 - 18, 500), kRed) << "the 2 stays";
    Press(400, 600);
    EXPECT_EQ(pen.History().Marks(), 3) << "the next mark is a 3 again";
}
