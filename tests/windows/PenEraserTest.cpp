// The eraser: a square of the pen width on each side of the pointer, restored from the
// background copy and nothing else, along the pointer's path.
#include "PenFixture.h"

class PenEraserTest : public PenTest {
protected:
    // A picture with structure (so a wrong offset shows), then a red slab drawn over it.
    void PrepareTwoLayers() {
        PenWindow& pen = Pen();
        WhiteBoard();
        // Put into the picture itself, not drawn with a tool: it is what the pen opened on.
        const ui::UniqueBrush blue(CreateSolidBrush(kBlue));
        for (int i = 0; i < 6; ++i) {
            const RECT r{300 + 31 * i, 300 + 17 * i, 340 + 29 * i, 330 + 23 * i};
            FillRect(pen.DrawingSurface().GetSurface().Dc(), &r, blue.get());
        }
        pen.Palette().Button(pen::DrawTool::Rectangle).Click();
        ChooseBrushColor(RGB(255, 0, 0));
        Drag({250, 250}, {650, 550});
    }
    static std::vector<RECT> Sweep(pen::Point from, pen::Point to, int half) {
        std::vector<RECT> rows;
        for (const pen::Rect& r : pen::EraserSweep(from, to, half)) rows.push_back({r.left, r.top, r.right, r.bottom});
        return rows;
    }

    // Every pixel of `area` is the background copy inside the squares, as before elsewhere.
    void ExpectOnlySquaresRestored(const RECT& area, const std::vector<COLORREF>& before,
                                   const std::vector<RECT>& squares) {
        int wrong = 0, restored = 0;
        std::size_t i = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x, ++i) {
                bool inSquare = false;
                for (const RECT& s : squares) inSquare |= x >= s.left && x < s.right && y >= s.top && y < s.bottom;
                const COLORREF want = inSquare ? Background(x, y) : before[i];
                wrong += Pixel(x, y) != want;
                restored += inSquare && Pixel(x, y) != before[i];
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(restored, 0) << "the squares really changed";
    }
};

TEST_F(PenEraserTest, ClickRestoresATenPixelSquareAtDefaultWidth) {
    PenWindow& pen = OpenPen();
    PrepareTwoLayers();
    pen.Palette().Button(pen::DrawTool::Eraser).Click();
    ASSERT_EQ(pen.EraserSize(), 5);
    const RECT area{240, 240, 660, 560};
    const std::vector<COLORREF> before = Block(area);
    Press(330, 320);
    Release(330, 320);
    ExpectOnlySquaresRestored(area, before, {RECT{325, 315, 335, 325}});
}

TEST_F(PenEraserTest, FastDragRestoresAlongThePathBetweenTheEvents) {
    PenWindow& pen = OpenPen();
    PrepareTwoLayers();
    pen.Palette().Button(pen::DrawTool::Eraser).Click();
    const RECT area{240, 240, 660, 560};
    const std::vector<COLORREF> before = Block(area);
    Press(330, 320);
    Move(420, 380);
    Release(470, 420);
    std::vector<RECT> swept = Sweep({330, 320}, {420, 380}, 5);
    for (const RECT& r : Sweep({420, 380}, {470, 420}, 5)) swept.push_back(r);
    ExpectOnlySquaresRestored(area, before, swept);
    // Halfway between two events, off the sampled points, the picture is back.
    EXPECT_EQ(Pixel(375, 350), Background(375, 350));
    EXPECT_NE(Pixel(375, 350), kRed);
}

// Stamped text is a drawing like the others: neither an empty text press nor stamped text
// makes the eraser forget what lay under the drawings before.
TEST_F(PenEraserTest, RestoresUnderEveryDrawingAfterTextPresses) {
    PenWindow& pen = OpenPen();
    PrepareTwoLayers();
    const COLORREF picture = Background(330, 320);
    ASSERT_EQ(picture, kBlue);
    pen.Palette().Button(pen::DrawTool::Text).Click();
    Press(100, 100);
    Release(100, 100);
    SendMessageW(pen.TextInput().box.Handle(), WM_CHAR, L'A', 1);
    Press(100, 600);  // stamps the A, places the box again
    Release(100, 600);
    POINT ink{-1, -1};
    for (int y = 100; y < 200 && ink.x < 0; ++y)
        for (int x = 100; x < 200 && ink.x < 0; ++x)
            if (Pixel(x, y) != kWhite) ink = {x, y};
    ASSERT_GE(ink.x, 0) << "the A was stamped";
    pen.Palette().Button(pen::DrawTool::Eraser).Click();
    Press(330, 320);
    Move(ink.x, ink.y);
    Release(ink.x, ink.y);
    EXPECT_EQ(Pixel(330, 320), kBlue) << "the picture under the rectangle";
    EXPECT_EQ(Pixel(ink.x, ink.y), kWhite) << "the board under the text";
}

TEST_F(PenEraserTest, WidthTwelveGivesATwentyFourPixelSquareAndSixtyPointText) {
    PenWindow& pen = OpenPen();
    PrepareTwoLayers();
    SetPenWidth(12);
    EXPECT_EQ(pen.SurfaceCanvas().PenWidth(), 12);
    EXPECT_EQ(pen.EraserSize(), 12);
    LOGFONTW font{};
    GetObjectW(pen.TextInput().box.GetFont(), sizeof font, &font);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(60, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);

    pen.Palette().Button(pen::DrawTool::Eraser).Click();
    const RECT area{240, 240, 660, 560};
    const std::vector<COLORREF> before = Block(area);
    Press(400, 400);
    Release(400, 400);
    ExpectOnlySquaresRestored(area, before, {RECT{388, 388, 412, 412}});
}

TEST_F(PenEraserTest, AfterARefreshTheEraserRestoresTheNewPicture) {
    PenWindow& pen = OpenPen();
    PrepareTwoLayers();
    pen.Palette().Button(PaletteCommand::Refresh).Click();
    const COLORREF screen = Pixel(330, 320);
    EXPECT_EQ(Background(330, 320), screen);
    EXPECT_NE(screen, RGB(0, 0, 255)) << "the structured background copy is gone";
    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    Drag({300, 300}, {360, 340});
    pen.Palette().Button(pen::DrawTool::Eraser).Click();
    Press(330, 320);
    Release(330, 320);
    EXPECT_EQ(Pixel(330, 320), screen);
}
