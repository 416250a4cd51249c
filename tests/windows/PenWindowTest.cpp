// The pen window itself: its geometry, Esc, the copies of the screen and the boards,
// the text tool, cursors, and what repeated opening costs in system objects.
#include "PenFixture.h"

#include <functional>

#include "base/HotKeyTable.h"
#include "ui/HotKeyRegistrar.h"
#include "app/ControlBar.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "pen/BoardWindow.h"
#include "pen/DrawingFolders.h"
#include "ui/ColorRef.h"

namespace fs = std::filesystem;

namespace {

// GDI and USER objects of this process. Wine answers GetGuiResources with 0; there its
// handle tables are walked instead (Wine completes a handle given by its low word). The
// USER table is shared by every process of the session: windows of other programs are
// left out, and Wine answers no icon questions about them.
int GdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted) return static_cast<int>(counted);
    int n = 0;
    for (UINT_PTR h = 1; h < 0x10000; ++h) n += GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0;
    return n;
}

int UserObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (counted) return static_cast<int>(counted);
    int n = 0;
    for (UINT_PTR h = 0x20; h < 0x4000; h += 2) {
        const HWND window = reinterpret_cast<HWND>(h);
        ICONINFO info{};
        if (IsWindow(window)) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            n += process == GetCurrentProcessId();
        } else if (GetIconInfo(reinterpret_cast<HICON>(h), &info)) {
            ++n;
            ui::UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
        }
    }
    return n;
}

}  // namespace

using PenWindowTest = PenTest;

TEST_F(PenWindowTest, FullScreenTopMostOpaqueAndReadyToDraw) {
    Shell& w = CreateWindows();
    PenWindow& pen = w.penWindow();
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_FALSE(pen.Visible());
    EXPECT_EQ(pen.Left(), 0);
    EXPECT_EQ(pen.Top(), 0);
    EXPECT_EQ(pen.Width(), sw);
    EXPECT_EQ(pen.Height(), sh);
    EXPECT_EQ(pen.DrawingSurface().GetSurface().Width(), sw);
    EXPECT_TRUE(pen.Background().Empty()) << "the background is the surface until something covers it";
    EXPECT_TRUE(GetWindowLongW(pen.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(pen.Handle(), nullptr, &alpha, &flags));
    EXPECT_FALSE(flags & LWA_COLORKEY) << "no colour of the picture is see-through";
    EXPECT_EQ(alpha, 255);

    EXPECT_EQ(pen.TextInput().box.Left(), sw);
    EXPECT_EQ(pen.TextInput().box.Top(), sh);
    EXPECT_TRUE(pen.TextInput().box.Visible()) << "visible, but out of sight";
    EXPECT_EQ(pen.Tool(), pen::DrawTool::Pen);
    EXPECT_NE(pen.ToolCursor(), nullptr);
    EXPECT_EQ(pen.EraserSize(), 5);
    ui::Canvas& canvas = pen.SurfaceCanvas();
    EXPECT_EQ(canvas.PenColor(), ui::Red);
    EXPECT_EQ(canvas.PenWidth(), 5);
    EXPECT_EQ(canvas.GetPenStyle(), ui::PenStyle::Solid);
    EXPECT_EQ(canvas.BrushColor(), ui::Highlight);
    EXPECT_EQ(canvas.GetBrushStyle(), ui::BrushStyle::Solid);
    EXPECT_TRUE(recorder_.errors.empty());
}

TEST_F(PenWindowTest, EscOpensAndClosesThePenHidingHaloAndFollower) {
    Shell& w = CreateWindows();
    PenWindow& pen = w.penWindow();
    w.halo().Show();

    SendHotKey(VK_ESCAPE, 77);
    EXPECT_TRUE(pen.Visible());
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_FALSE(w.follower().Visible());
    EXPECT_EQ(GetForegroundWindow(), pen.Handle());

    SendHotKey(VK_ESCAPE);
    EXPECT_FALSE(pen.Visible());
    EXPECT_TRUE(w.halo().Visible()) << "closing with Esc brings back what was on";
    EXPECT_FALSE(w.follower().Visible());

    // Nothing on before the pen opened: nothing comes back.
    w.halo().Hide();
    SendHotKey(VK_ESCAPE);
    SendHotKey(VK_ESCAPE);
    EXPECT_FALSE(w.follower().Visible());
    EXPECT_FALSE(w.halo().Visible());
}

TEST_F(PenWindowTest, ScreenCopyHoldsWhatLiesBeneathNotThePen) {
    ColouredWindow beneath(RGB(0, 160, 0), RECT{300, 300, 500, 400});
    PenWindow& pen = OpenPen();
    EXPECT_EQ(Pixel(400, 350), RGB(0, 160, 0));
    EXPECT_EQ(Background(400, 350), RGB(0, 160, 0));

    // Something distinctive on the pen, shown on the screen, then a fresh copy.
    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    Drag({320, 320}, {480, 380});
    RedrawWindow(pen.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_NE(Pixel(400, 350), RGB(0, 160, 0));
    pen.Palette().Button(PaletteCommand::Refresh).Click();
    EXPECT_EQ(Pixel(400, 350), RGB(0, 160, 0)) << "the pen's own drawing is not part of the copy";
    EXPECT_EQ(Pixel(330, 320), RGB(0, 160, 0));

    // Each opening copies the screen afresh.
    SendHotKey(VK_ESCAPE);
    beneath.SetColor(RGB(0, 0, 200));
    SendHotKey(VK_ESCAPE);
    EXPECT_EQ(Pixel(400, 350), RGB(0, 0, 200));

    // With the pen open, every fresh copy shows the screen beneath as it is at that moment.
    const struct {
        const char* how;
        COLORREF beneath;
        std::function<void()> copy;
    } copies[] = {
        {"refresh", RGB(200, 0, 0), [&] { pen.Palette().Button(PaletteCommand::Refresh).Click(); }},
        {"the board's screen step", RGB(0, 200, 200),
         [&] {
             while (pen.NextBoardToShow() != pen::NextBoard::Screen) pen.Palette().Button(PaletteCommand::NextBoard).Click();
             pen.Palette().Button(PaletteCommand::NextBoard).Click();
         }},
        {"the control bar's pen command", RGB(200, 200, 0), [&] { Windows().controlBar().penButton.Click(); }},
    };
    for (const auto& c : copies) {
        beneath.SetColor(c.beneath);
        c.copy();
        EXPECT_EQ(Pixel(400, 350), c.beneath) << c.how;
        EXPECT_TRUE(pen.Visible()) << c.how;
    }
}

TEST_F(PenWindowTest, BoardButtonCyclesWhiteBlackScreenAcrossReopening) {
    ColouredWindow beneath(RGB(0, 160, 0), RECT{300, 300, 500, 400});
    PenWindow& pen = OpenPen();
    BoardWindow& board = Windows().boardWindow();
    const auto uniform = [&](COLORREF c) {
        int off = 0;
        for (int y = 0; y < pen.Height(); y += 37)
            for (int x = 0; x < pen.Width(); x += 41) off += Pixel(x, y) != c || Background(x, y) != c;
        return off == 0;
    };
    pen.Palette().Button(PaletteCommand::NextBoard).Click();
    EXPECT_TRUE(uniform(kWhite));
    EXPECT_FALSE(board.Visible()) << "the board window is only there for the copy";
    EXPECT_TRUE(pen.Visible());
    pen.Palette().Button(PaletteCommand::NextBoard).Click();
    EXPECT_TRUE(uniform(kBlack));
    pen.Palette().Button(PaletteCommand::NextBoard).Click();
    EXPECT_EQ(Pixel(400, 350), RGB(0, 160, 0)) << "third press: the screen again";
    pen.Palette().Button(PaletteCommand::NextBoard).Click();
    EXPECT_TRUE(uniform(kWhite)) << "and round again";

    // Two more presses, then close and reopen: the cycle goes on where it was.
    pen.Palette().Button(PaletteCommand::NextBoard).Click();
    pen.Palette().Button(PaletteCommand::NextBoard).Click();
    SendHotKey(VK_ESCAPE);
    SendHotKey(VK_ESCAPE);
    EXPECT_EQ(pen.NextBoardToShow(), pen::NextBoard::White);
    pen.Palette().Button(PaletteCommand::NextBoard).Click();
    EXPECT_TRUE(uniform(kWhite));

    // A board press keeps the palette's attributes on the fresh canvas.
    ChooseBrushColor(RGB(0, 0, 255));
    pen.Palette().Button(PaletteCommand::NextBoard).Click();
    EXPECT_EQ(pen.SurfaceCanvas().BrushColor(), static_cast<ui::Color>(RGB(0, 0, 255)));
    EXPECT_EQ(pen.SurfaceCanvas().PenWidth(), 5);
    EXPECT_EQ(pen.SurfaceCanvas().GetPenMode(), ui::PenMode::Copy);
}

TEST_F(PenWindowTest, TextIsCommittedByTheNextPressAndByAnotherTool) {
    PenWindow& pen = OpenPen();
    WhiteBoard();
    pen.Palette().Button(pen::DrawTool::Text).Click();
    EXPECT_EQ(pen.Tool(), pen::DrawTool::Text);
    EXPECT_TRUE(pen.TextInput().box.Visible());
    EXPECT_EQ(GetFocus(), pen.TextInput().box.Handle());
    EXPECT_EQ(pen.TextInput().box.FontColor(), ui::Red);
    EXPECT_FALSE(Windows().follower().Visible());

    Press(300, 600);
    Release(300, 600);
    EXPECT_EQ(pen.TextInput().box.Left(), 300);
    EXPECT_EQ(pen.TextInput().box.Top(), 600);
    for (wchar_t c : std::wstring(L"Hello")) SendMessageW(pen.TextInput().box.Handle(), WM_CHAR, c, 0);
    EXPECT_EQ(pen.TextInput().box.Text(), L"Hello");
    EXPECT_EQ(pen.TextInput().box.Width(), pen.TextInput().TextWidth() + 45);
    const RECT box{300, 600, 300 + pen.TextInput().box.Width(), 600 + pen.TextInput().box.Height()};
    const auto reddish = [&](auto pixel) {
        return CountPixels(box, [&](int x, int y) {
            const COLORREF c = pixel(x, y);
            return GetRValue(c) > 150 && GetGValue(c) < 110 && GetBValue(c) < 110;
        });
    };
    const auto surface = [&](int x, int y) { return Pixel(x, y); };
    const auto background = [&](int x, int y) { return Background(x, y); };
    EXPECT_EQ(reddish(surface), 0) << "typed text is not in the surface before the next press";

    Press(300, 850);
    Release(300, 850);
    EXPECT_GT(reddish(surface), 100) << "committed into the surface";
    EXPECT_EQ(reddish(background), 0) << "the eraser brings back the board beneath it";
    EXPECT_EQ(pen.TextInput().box.Top(), 850);
    EXPECT_EQ(pen.TextInput().box.Text(), L"");

    for (wchar_t c : std::wstring(L"Kept")) SendMessageW(pen.TextInput().box.Handle(), WM_CHAR, c, 0);
    const std::size_t steps = pen.History().UndoCount();
    pen.Palette().Button(pen::DrawTool::Line).Click();
    EXPECT_FALSE(pen.TextInput().box.Visible());
    const RECT kept{300, 850, 500, 850 + pen.TextInput().box.Height()};
    const auto ink = [&] { return CountPixels(kept, [&](int x, int y) { return Pixel(x, y) != kWhite; }); };
    EXPECT_GT(ink(), 50) << "choosing another tool stamps what was typed";
    EXPECT_EQ(pen.History().UndoCount(), steps + 1) << "as one step";
    PressWithControl(pen.DrawingSurface().Handle(), 'Z');
    EXPECT_EQ(ink(), 0);
}

// Mid grey, once the colour that let the screen behind the pen through, is drawn like any
// other: what shows there is the drawing, whatever the window beneath turns to.
TEST_F(PenWindowTest, AGreyDrawingShowsItsGreyWhateverLiesBehindThePen) {
    ColouredWindow beneath(kBlue, RECT{300, 300, 500, 400});
    PenWindow& pen = OpenPen();
    constexpr COLORREF kGrey = RGB(128, 128, 128);
    ChoosePenColor(kGrey);
    ChooseBrushColor(kGrey);
    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    Drag({320, 320}, {480, 380});
    beneath.SetColor(kRed);
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(400, 350) == kGrey && ScreenPixel(322, 350) == kGrey; }))
        << std::hex << ScreenPixel(400, 350) << " " << ScreenPixel(322, 350);
}

// The pen as a larger display left it, bigger than its monitor with the palette beyond the
// monitor's edge, then told that the display changed.
TEST_F(PenWindowTest, ADisplayChangeCoversTheMonitorAgainWithThePaletteOnIt) {
    ColouredWindow beneath(kBlue, RECT{300, 300, 500, 400});
    PenWindow& pen = OpenPen();
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    pen.DrawingSurface().Resize(sw + 400, sh + 300);
    pen.SetBounds(0, 0, sw + 400, sh + 300);
    pen.Palette().SetPosition(sw + 200, sh + 100);
    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    Drag({320, 320}, {470, 380});
    ASSERT_NE(Pixel(400, 350), kBlue);

    SendMessageW(pen.Handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(sw, sh));
    Pump();
    RECT window{};
    GetWindowRect(pen.Handle(), &window);
    const RECT monitor{0, 0, sw, sh};
    EXPECT_TRUE(EqualRect(&window, &monitor)) << window.right << " x " << window.bottom;
    EXPECT_EQ(pen.DrawingSurface().GetSurface().Width(), sw);
    EXPECT_EQ(pen.DrawingSurface().GetSurface().Height(), sh);
    EXPECT_EQ(pen.DrawingSurface().Width(), sw);
    RECT palette{};
    GetWindowRect(pen.Palette().Handle(), &palette);
    EXPECT_TRUE(palette.left >= 0 && palette.top >= 0 && palette.right <= sw && palette.bottom <= sh)
        << palette.left << "," << palette.top << " " << palette.right << "," << palette.bottom;
    EXPECT_EQ(palette.right, sw) << "moved in no further than needed";
    EXPECT_TRUE(pen.Visible());
    EXPECT_EQ(Pixel(400, 350), kBlue) << "a fresh picture of the screen";
    EXPECT_EQ(pen.History().UndoCount(), 0u) << "the drawing is dropped";
}

TEST_F(PenWindowTest, EachToolLoadsItsCursorAndAMissingFileGivesTheArrow) {
    PenWindow& pen = OpenPen();
    const HWND surface = pen.DrawingSurface().Handle();
    const auto shown = [&] {
        SendMessageW(surface, WM_SETCURSOR, reinterpret_cast<WPARAM>(surface), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    pen.Palette().Button(pen::DrawTool::Eraser).Click();
    const HCURSOR eraser = pen.ToolCursor();
    ASSERT_NE(eraser, nullptr);
    EXPECT_EQ(shown(), eraser);
    pen.Palette().Button(pen::DrawTool::Text).Click();
    EXPECT_NE(pen.ToolCursor(), nullptr);
    EXPECT_NE(pen.ToolCursor(), eraser);

    fs::remove(Folder() / "pic" / "gang" / "gb.cur");
    pen.Palette().Button(pen::DrawTool::Line).Click();
    EXPECT_EQ(pen.Tool(), pen::DrawTool::Line) << "the tool is selected all the same";
    EXPECT_EQ(pen.ToolCursor(), nullptr);
    EXPECT_EQ(shown(), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(recorder_.errors.empty()) << "and no message";
}

TEST_F(PenWindowTest, OpeningAndClosingFiveHundredTimesLeaksNoObjects) {
    Shell& w = CreateWindows();
    PenWindow& pen = w.penWindow();
    const auto round = [&](bool paint) {
        SendHotKey(VK_ESCAPE);
        if (paint) UpdateWindow(pen.DrawingSurface().Handle());
        SendHotKey(VK_ESCAPE);
        Pump();
    };
    // One round first, so everything made once is made.
    round(true);
    const int gdi = GdiObjects(), user = UserObjects();
    ASSERT_GT(gdi, 0);
    ASSERT_GT(user, 0);
    // The pen is painted now and then: every round would double the time.
    for (int i = 0; i < 500; ++i) round(i % 10 == 0);
    EXPECT_EQ(GdiObjects(), gdi);
    EXPECT_EQ(UserObjects(), user);
}

TEST_F(PenWindowTest, OpenedAgainAfterItsClosingWorkRanThePenCoversTheScreenAgain) {
    ColouredWindow beneath(kWhite, RECT{0, 0, 600, 500});
    PenWindow& pen = OpenPen();
    const int width = pen.DrawingSurface().GetSurface().Width();
    SendHotKey(VK_ESCAPE);
    Pump();  // the closing's posted work gives the surface up
    SendHotKey(VK_ESCAPE);
    Pump();
    ASSERT_EQ(pen.DrawingSurface().GetSurface().Width(), width);
    EXPECT_EQ(Pixel(300, 250), kWhite) << "the screen beneath, copied again";
}

TEST_F(PenWindowTest, OpenedAgainAtOnceThePenStillKeepsWhatItClosedWith) {
    // No drawing kept before, which could pass for this one.
    const std::optional<std::wstring> kept = pen::KeptDrawingsFolder();
    ASSERT_TRUE(kept);
    std::error_code ignored;
    fs::remove_all(*kept, ignored);
    ColouredWindow beneath(kWhite, RECT{0, 0, 600, 500});
    PenWindow& pen = OpenPen();
    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    Drag({100, 100}, {400, 300});
    const COLORREF drawn = Pixel(100, 200);
    ASSERT_NE(drawn, kWhite);
    // Closed and opened again before the closing's posted work has run.
    SendHotKey(VK_ESCAPE);
    SendHotKey(VK_ESCAPE);
    ASSERT_EQ(Pixel(100, 200), kWhite);
    PressWithControl(pen.DrawingSurface().Handle(), 'B');
    EXPECT_EQ(Pixel(100, 200), drawn);
    EXPECT_TRUE(recorder_.errors.empty());
}
