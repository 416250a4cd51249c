// Undo and redo on the real pen window: each kind of step taken back and brought back
// pixel for pixel, with the keys the presenter presses, and the history's limits.
#include <functional>
#include <string>

#include "PenFixture.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 160, 0);

}  // namespace

class PenUndoTest : public PenTest {
protected:
    // The pen open over a green window, with a thick red rectangle drawn on it: something
    // for the eraser, a refresh and a board to take away.
    PenWindow& OpenWithDrawing() {
        PenWindow& pen = OpenPen();
        SetPenWidth(9);
        pen.Palette().Button(pen::DrawTool::Rectangle).Click();
        Drag({320, 320}, {470, 380});
        return pen;
    }
    void Undo(HWND to) { PressWithControl(to, 'Z'); }
};

TEST_F(PenUndoTest, EachKindOfStepIsUndoneAndRedonePixelForPixel) {
    ColouredWindow beneath(kGreen, RECT{300, 300, 500, 400});
    PenWindow& pen = OpenWithDrawing();
    const HWND surface = pen.DrawingSurface().Handle(), window = pen.Handle();
    struct Row {
        const char* step;
        std::function<void()> setUp, act;
    } rows[] = {
        {"rectangle", [&] { pen.Palette().Button(pen::DrawTool::Rectangle).Click(); },
         [&] {
             Drag({350, 200}, {600, 350});
         }},
        {"freehand stroke", [&] { pen.Palette().Button(pen::DrawTool::Pen).Click(); },
         [&] {
             Press(100, 100, WM_RBUTTONDOWN, MK_RBUTTON);
             Move(180, 140, MK_RBUTTON);
             Move(260, 90, MK_RBUTTON);
             Release(330, 420, WM_RBUTTONUP);
         }},
        {"eraser drag", [&] { pen.Palette().Button(pen::DrawTool::Eraser).Click(); },
         [&] {
             Drag({330, 330}, {460, 370});
         }},
        {"refresh", [] {}, [&] { pen.Palette().Button(PaletteCommand::Refresh).Click(); }},
        {"board press", [] {}, [&] { pen.Palette().Button(PaletteCommand::NextBoard).Click(); }},
        // Last: the box stays placed for the rows after it.
        {"stamped text",
         [&] {
             pen.Palette().Button(pen::DrawTool::Text).Click();
             Press(700, 500);
             Release(700, 500);
             pen.TextInput().box.SetText(L"Undo me");
         },
         [&] {
             Press(900, 700);
             Release(900, 700);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        row.setUp();
        const auto before = SurfacePixels();
        const auto backgroundBefore = BackgroundPixels();
        row.act();
        const auto after = SurfacePixels();
        const auto backgroundAfter = BackgroundPixels();
        ASSERT_NE(after, before) << "the step changes the surface";

        Undo(surface);
        EXPECT_EQ(SurfacePixels(), before);
        EXPECT_EQ(BackgroundPixels(), backgroundBefore) << "the eraser restores what it did before the step";
        PressWithControl(window, 'Y');
        EXPECT_EQ(SurfacePixels(), after);
        EXPECT_EQ(BackgroundPixels(), backgroundAfter);
        Undo(window);
        PressWithControl(surface, 'Z', true);
        EXPECT_EQ(SurfacePixels(), after) << "Ctrl+Shift+Z redoes too";
        Undo(window);  // the next row starts from the drawing
    }
}

TEST_F(PenUndoTest, AfterUndoingARefreshTheEraserRestoresTheOldPicture) {
    ColouredWindow beneath(kGreen, RECT{300, 300, 500, 400});
    PenWindow& pen = OpenWithDrawing();
    beneath.SetColor(kBlue);
    pen.Palette().Button(PaletteCommand::Refresh).Click();
    EXPECT_EQ(Pixel(400, 350), kBlue) << "the refresh shows the screen as it is now";
    EXPECT_EQ(Pixel(320, 350), kBlue);

    Undo(pen.DrawingSurface().Handle());
    EXPECT_EQ(Pixel(320, 350), kRed) << "the rectangle is back";
    pen.Palette().Button(pen::DrawTool::Eraser).Click();
    Drag({320, 350}, {320, 350});
    EXPECT_EQ(Pixel(320, 350), kGreen) << "the eraser brings back the picture of before the refresh";

    // The eraser itself is undone next, then the rectangle, and then there is nothing.
    Undo(pen.DrawingSurface().Handle());
    EXPECT_EQ(Pixel(320, 350), kRed);
    Undo(pen.DrawingSurface().Handle());
    EXPECT_EQ(Pixel(320, 350), kGreen);
    const auto bare = SurfacePixels();
    Undo(pen.DrawingSurface().Handle());
    EXPECT_EQ(SurfacePixels(), bare) << "nothing left to undo";
}

TEST_F(PenUndoTest, NothingToUndoOnAFreshPenAndClosingDropsTheHistory) {
    PenWindow& pen = OpenWithDrawing();
    SendHotKey(VK_ESCAPE);
    EXPECT_EQ(pen.History().Bytes(), 0u) << "closing frees the history";
    SendHotKey(VK_ESCAPE);
    const auto fresh = SurfacePixels();
    Undo(pen.DrawingSurface().Handle());
    PressWithControl(pen.Handle(), 'Y');
    EXPECT_EQ(SurfacePixels(), fresh);

    // Drawing after an undo forgets the step that could have been redone.
    pen.Palette().Button(pen::DrawTool::Line).Click();
    Drag({100, 500}, {400, 500});
    const auto line = SurfacePixels();
    Undo(pen.Handle());
    Drag({100, 600}, {400, 600});
    const auto other = SurfacePixels();
    PressWithControl(pen.Handle(), 'Y');
    EXPECT_EQ(SurfacePixels(), other);
    Undo(pen.Handle());
    EXPECT_EQ(SurfacePixels(), fresh);
    EXPECT_NE(SurfacePixels(), line);
}

TEST_F(PenUndoTest, TypedTextIsTakenBackThenTheDrawingBeforeIt) {
    PenWindow& pen = OpenPen();
    const auto bare = SurfacePixels();
    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    Drag({100, 100}, {300, 200});
    const auto rectangle = SurfacePixels();
    // The press that places the box stamps nothing; the next one stamps the text.
    pen.Palette().Button(pen::DrawTool::Text).Click();
    Press(500, 500);
    Release(500, 500);
    pen.TextInput().box.SetText(L"Hello");
    Press(500, 800);
    Release(500, 800);
    ASSERT_NE(SurfacePixels(), rectangle);

    SetFocus(pen.Handle());
    Undo(pen.Handle());
    EXPECT_EQ(SurfacePixels(), rectangle) << "the text goes first";
    Undo(pen.Handle());
    EXPECT_EQ(SurfacePixels(), bare) << "then the rectangle, with no press in between that shows nothing";
}

// Ctrl+Z and Ctrl+Y reach the drawing from every control of the palette; only the text
// box keeps its own Ctrl+Z while the presenter types.
TEST_F(PenUndoTest, TheKeysUndoFromEveryPaletteControlButTheTextBox) {
    PenWindow& pen = OpenWithDrawing();
    const auto drawn = SurfacePixels();
    PenPalette& palette = pen.Palette();
    const HWND controls[] = {palette.penWidthBox.Handle(), palette.penWidthUpDown.Handle(),
                             GetWindow(palette.penStyleList.Handle(), GW_CHILD),
                             GetWindow(palette.brushStyleList.Handle(), GW_CHILD)};
    for (const HWND control : controls) {
        ASSERT_NE(control, nullptr);
        SetFocus(control);
        Undo(control);
        EXPECT_NE(SurfacePixels(), drawn) << "Ctrl+Z undoes from " << control;
        PressWithControl(control, 'Y');
        EXPECT_EQ(SurfacePixels(), drawn) << "Ctrl+Y redoes from " << control;
    }
    EXPECT_EQ(palette.penWidthBox.Text(), L"9") << "the width box did not take the keys";

    pen.Palette().Button(pen::DrawTool::Text).Click();
    Press(600, 600);
    Release(600, 600);
    for (wchar_t c : std::wstring(L"ab")) SendMessageW(pen.TextInput().box.Handle(), WM_CHAR, c, 0);
    Undo(pen.TextInput().box.Handle());
    EXPECT_EQ(SurfacePixels(), drawn) << "the text box's Ctrl+Z stays in the box";
}
