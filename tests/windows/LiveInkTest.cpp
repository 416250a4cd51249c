// Live ink as the presenter drives it: the menu and its key open it with the effects out of
// the way, the key lets the clicks through and brings the effects back, strokes come and go
// with Ctrl+Z and the clear-all, closing keeps the ink for Ctrl+B, and the frozen pen takes
// the ink over when it opens.
#include <knownfolders.h>

#include "PenFixture.h"
#include "app/ControlBar.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "pen/InkPixels.h"
#include "pen/LiveInkWindow.h"
#include "ui/Contrast.h"

namespace {

constexpr unsigned kLiveInkKey = '5';  // only the virtual key tells the keys apart
constexpr int kMenuItem = 12;

bool ClicksPass(const LiveInkWindow& ink) {
    return (GetWindowLongW(ink.Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
}

}  // namespace

class LiveInkTest : public PenTest {
protected:
    LiveInkWindow& Ink() { return Windows().liveInk(); }
    LiveInkWindow& OpenInk() {
        SendHotKey(kLiveInkKey);
        Pump();
        Ink().Files().UseKnownFolders(
            [local = Folder() / "local"](const KNOWNFOLDERID& id) -> std::optional<std::wstring> {
                if (id == FOLDERID_LocalAppData) return local.wstring();
                return std::nullopt;
            });
        return Ink();
    }
    void Stroke(int y) {
        Ink().OnPress(100, y);
        Ink().OnDrag(200, y);
        Ink().OnRelease(300, y);
    }
    COLORREF At(int x, int y) { return Ink().Layer().Surface().Pixel(x, y); }
    bool InkAt(int x, int y) {
        return pen::IsInk(Ink().Layer().Surface().Bits()[y * Ink().Layer().Surface().Width() + x]);
    }
};

TEST_F(LiveInkTest, TheMenuOpensItOverTheScreenAndItsKeyLetsTheClicksAndTheEffectsThrough) {
    Shell& windows = CreateWindows();
    ASSERT_TRUE(windows.follower().Visible());
    ASSERT_EQ(windows.controlBar().commandMenu.Caption(kMenuItem), L"实时画笔");
    windows.controlBar().commandMenu.Click(kMenuItem);
    LiveInkWindow& ink = Ink();
    ASSERT_TRUE(ink.Visible());
    EXPECT_TRUE(ink.Drawing());
    EXPECT_FALSE(ClicksPass(ink));
    EXPECT_FALSE(windows.follower().Visible()) << "the effects wait while live ink draws";
    EXPECT_TRUE(ink.PaletteWindow().Visible());
    RECT covered{};
    GetWindowRect(ink.Handle(), &covered);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(CursorPos(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_TRUE(EqualRect(&covered, &monitor.rcMonitor)) << "the pointer's monitor, whole";

    SendHotKey(VK_F7);
    EXPECT_FALSE(windows.halo().Visible()) << "the halo's key chooses what comes when the clicks pass";

    SendHotKey(kLiveInkKey);
    EXPECT_FALSE(ink.Drawing());
    EXPECT_TRUE(ClicksPass(ink));
    EXPECT_TRUE(windows.halo().Visible());
    EXPECT_FALSE(windows.follower().Visible());
    EXPECT_TRUE(ink.Visible());
    EXPECT_NE(ink.Palette().GetColor(), ui::ChromeColor(ui::Purple)) << "the palette shows the clicks pass";

    ink.Palette().Button(pen::DrawTool::Line).Click();
    EXPECT_TRUE(ink.Drawing()) << "a tool chosen while the clicks pass draws again";
    EXPECT_FALSE(windows.halo().Visible());
    EXPECT_EQ(ink.Palette().GetColor(), ui::ChromeColor(ui::Purple));

    SendHotKey(VK_ESCAPE);
    EXPECT_FALSE(ink.Visible());
    EXPECT_FALSE(ink.PaletteWindow().Visible());
    EXPECT_TRUE(windows.halo().Visible()) << "the effect comes back as live ink closes";
    windows.controlBar().commandMenu.Click(kMenuItem);
    EXPECT_TRUE(ink.Visible());
    windows.controlBar().commandMenu.Click(kMenuItem);
    EXPECT_FALSE(ink.Visible()) << "the menu item closes it too";
    EXPECT_TRUE(recorder_.errors.empty());
}

TEST_F(LiveInkTest, StrokesAreUndoneAndClearedAndTheInkClosedWithComesBackWithCtrlB) {
    CreateWindows();
    LiveInkWindow& ink = OpenInk();
    Stroke(100);
    EXPECT_EQ(At(200, 100), kRed);
    EXPECT_FALSE(InkAt(200, 140)) << "nothing but the stroke";
    PressWithControl(ink.Handle(), 'Z');
    EXPECT_FALSE(InkAt(200, 100));
    PressWithControl(ink.Handle(), 'Y');
    EXPECT_EQ(At(200, 100), kRed);

    // The monitors change, this one keeps its size: the ink stays on it.
    SendMessageW(ink.Handle(), WM_DISPLAYCHANGE, 32,
                 MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_TRUE(ink.Visible());
    EXPECT_EQ(At(200, 100), kRed);

    ink.Palette().Button(PaletteCommand::Refresh).Click();  // clears all, as one step
    EXPECT_FALSE(InkAt(200, 100));
    PressWithControl(ink.Handle(), 'Z');
    EXPECT_EQ(At(200, 100), kRed);

    SendHotKey(VK_ESCAPE);
    ink.Files().WaitForWrites();
    OpenInk();
    EXPECT_FALSE(InkAt(200, 100)) << "a new live ink opens empty";
    PressWithControl(ink.Handle(), 'B');
    EXPECT_EQ(At(200, 100), kRed) << "the ink it closed with";
    EXPECT_FALSE(InkAt(200, 140)) << "over the screen of now, not a picture of then";
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_TRUE(recorder_.messages.empty());
}

TEST_F(LiveInkTest, ThePenOpensOnTheScreenWithTheInkAsAStepItCanUndo) {
    CreateWindows();
    OpenInk();
    Stroke(300);
    Windows().OpenPen();
    Pump();
    EXPECT_FALSE(Ink().Visible()) << "live ink closes";
    ASSERT_TRUE(Pen().Visible());
    EXPECT_EQ(Pen().DrawingSurface().GetSurface().Pixel(200, 300), kRed);
    PressWithControl(Pen().DrawingSurface().Handle(), 'Z');
    EXPECT_NE(Pen().DrawingSurface().GetSurface().Pixel(200, 300), kRed) << "the screen beneath the ink";
    SendHotKey(VK_ESCAPE);
    EXPECT_TRUE(Windows().follower().Visible()) << "the picture hidden by live ink comes back with the pen's closing";
}

TEST_F(LiveInkTest, TypedTextGoesOntoTheInkAsLettersOnlyAndCtrlZTakesItOff) {
    CreateWindows();
    LiveInkWindow& ink = OpenInk();
    ink.Palette().Button(pen::DrawTool::Text).Click();
    ink.OnPress(100, 200);
    InkTextWindow& typing = ink.TextWindow();
    ASSERT_TRUE(typing.Visible());
    EXPECT_EQ(typing.Left(), ink.Covered().left + 100);
    EXPECT_EQ(typing.Top(), ink.Covered().top + 200);
    typing.text.box.SetText(L"Hello");
    const RECT box{100, 200, 100 + typing.Width(), 200 + typing.Height()};

    ink.Palette().Button(pen::DrawTool::Pen).Click();  // another tool stamps what was typed
    EXPECT_FALSE(typing.Visible());
    int inked = 0, red = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            inked += InkAt(x, y);
            red += At(x, y) == kRed;
        }
    EXPECT_GT(red, 20) << "the letters, in the pen colour";
    EXPECT_LT(inked, (box.right - box.left) * (box.bottom - box.top) / 3) << "the screen stays live between them";
    EXPECT_FALSE(InkAt(box.left - 2, box.top - 2));

    PressWithControl(ink.Handle(), 'Z');
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) ASSERT_FALSE(InkAt(x, y)) << x << "," << y;
}

TEST_F(LiveInkTest, NumberedMarksGoOntoTheInkCountingOn) {
    CreateWindows();
    LiveInkWindow& ink = OpenInk();
    ink.Palette().Button(pen::DrawTool::NumberMark).Click();
    ink.OnPress(200, 200);
    ink.OnRelease(200, 200);
    ink.OnPress(300, 200);
    ink.OnRelease(300, 200);
    EXPECT_EQ(ink.Steps().NextMark(), 3);
    EXPECT_EQ(At(300 - 18, 200), kRed);
    EXPECT_FALSE(InkAt(300 - 25, 200)) << "the screen shows round the circle";
}

TEST_F(LiveInkTest, TheHighlighterColoursWhatItCrossesAndThePenDrawsInItsOwnColourAfter) {
    CreateWindows();
    LiveInkWindow& ink = OpenInk();
    const COLORREF beneath = ScreenPixel(ink.Left() + 200, ink.Top() + 200);
    ink.Palette().Button(pen::DrawTool::Highlighter).Click();
    Stroke(200);
    EXPECT_TRUE(InkAt(200, 200));
    EXPECT_EQ(At(200, 200), beneath & kRed) << "the red highlighter keeps of the screen what red lets through";
    ink.Palette().Button(pen::DrawTool::Pen).Click();
    Stroke(300);
    EXPECT_EQ(At(200, 300), kRed);
}
