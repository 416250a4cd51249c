// The one-letter keys and Ctrl with the wheel, as the presenter presses them in the pen
// and in live ink: a colour for the next stroke, the width shown at once, everything
// erased as one step, the boards straight away, the text tool.
#include "PenFixture.h"
#include "pen/InkPixels.h"
#include "pen/LiveInkWindow.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 0xA0, 0);

// A key as the system delivers it to `window`, through the message loop, no modifier held.
void Key(HWND window, WPARAM key) { PostMessageW(window, WM_KEYDOWN, key, 1); }

}  // namespace

using PenToolKeysTest = PenTest;

TEST_F(PenToolKeysTest, LettersChooseTheColourEraseAllAndShowBoardsAndCtrlSetsTheWidth) {
    PenWindow& pen = OpenPen();
    WhiteBoard();
    const HWND surface = pen.DrawingSurface().Handle();
    Key(surface, 'G');
    Pump();
    Press(100, 100);
    Move(250, 100);
    Release(400, 100);
    EXPECT_EQ(Pixel(250, 100), kGreen);
    EXPECT_EQ(pen.Palette().State().penColor, static_cast<ui::Color>(kGreen)) << "the swatch shows it";

    PressWithControl(surface, VK_UP);
    Pump();
    EXPECT_EQ(pen.Palette().penWidthBox.Text(), L"6");
    SendMessageW(pen.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, 2 * WHEEL_DELTA), MAKELPARAM(300, 300));
    Pump();
    EXPECT_EQ(pen.Palette().State().penWidth, 8) << "two notches wider, and no zoom";
    EXPECT_EQ(pen.History().ZoomLevel(), 0);
    for (int half = 0; half < 2; ++half)  // a precise wheel's halves make one notch
        SendMessageW(pen.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA / 2), MAKELPARAM(300, 300));
    Pump();
    EXPECT_EQ(pen.Palette().State().penWidth, 9);

    Key(surface, 'E');
    Pump();
    EXPECT_EQ(Pixel(250, 100), kWhite) << "everything erased, the board beneath";
    PressWithControl(surface, 'Z');
    EXPECT_EQ(Pixel(250, 100), kGreen) << "one step";

    Key(surface, 'K');
    Pump();
    EXPECT_EQ(Pixel(600, 600), kBlack);
    Key(surface, 'W');
    Pump();
    EXPECT_EQ(Pixel(600, 600), kWhite);
    Key(surface, 'T');
    Pump();
    EXPECT_EQ(pen.Tool(), pen::DrawTool::Text);
    EXPECT_TRUE(recorder_.errors.empty());
}

TEST_F(PenToolKeysTest, InLiveInkTheColourAndEraseAllKeysWorkToo) {
    Shell& windows = CreateWindows();
    windows.OpenLiveInk();
    LiveInkWindow& ink = windows.liveInk();
    Key(ink.Handle(), 'B');
    Pump();
    ink.OnPress(100, 100);
    ink.OnDrag(200, 100);
    ink.OnRelease(300, 100);
    EXPECT_EQ(ink.Layer().Surface().Pixel(200, 100), RGB(0, 0, 255));
    Key(ink.Handle(), 'E');
    Pump();
    EXPECT_FALSE(pen::IsInk(ink.Layer().Surface().Bits()[100 * ink.Layer().Surface().Width() + 200]));
    Key(ink.Handle(), 'W');  // no board over the running screen
    Pump();
    EXPECT_TRUE(ink.Visible());
}
