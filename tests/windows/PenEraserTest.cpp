// The eraser: a square of the pen width on each side of the pointer, restored from the
// background copy and nothing else.
#include "PenFixture.h"

class PenEraserTest : public PenTest {
protected:
    // A background copy with structure (so a wrong offset shows), then a red slab over
    // it on the surface only.
    void PrepareTwoLayers() {
        PenWindow& pen = Pen();
        WhiteBoard();
        pen.Palette().Button(pen::DrawTool::Rectangle).Click();
        ChooseBrushColor(RGB(0, 0, 255));
        for (int i = 0; i < 6; ++i) Drag({300 + 31 * i, 300 + 17 * i}, {340 + 29 * i, 330 + 23 * i});
        pen.CaptureSelf();  // the surface becomes the background copy
        ChooseBrushColor(RGB(255, 0, 0));
        Drag({250, 250}, {650, 550});
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

TEST_F(PenEraserTest, FastDragRestoresSeparateSquaresAtTheSampledPoints) {
    PenWindow& pen = OpenPen();
    PrepareTwoLayers();
    pen.Palette().Button(pen::DrawTool::Eraser).Click();
    const RECT area{240, 240, 660, 560};
    const std::vector<COLORREF> before = Block(area);
    Press(330, 320);
    Move(420, 380);
    Release(470, 420);
    ExpectOnlySquaresRestored(area, before,
                              {RECT{325, 315, 335, 325}, RECT{415, 375, 425, 385}, RECT{465, 415, 475, 425}});
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
