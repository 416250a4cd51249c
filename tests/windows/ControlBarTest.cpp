// The control bar: its place and panels, the menu, the six commands and the auto-hide
// tick driven by the real pointer.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsWindow.h"
#include "pen/PenWindow.h"

namespace {

class ControlBarTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        W = GetSystemMetrics(SM_CXSCREEN);
        H = GetSystemMetrics(SM_CYSCREEN);
        h = H / 2;
        SetCursorPos(W - 1, h + 100);  // inside the band: the bar stays out
    }
    int W = 0, H = 0, h = 0;
};

}  // namespace

TEST_F(ControlBarTest, DockedAtTheRightEdgeHalfWayDownWithSixPanels) {
    ControlBar& bar = CreateWindows(false).controlBar();
    EXPECT_EQ(bar.Left(), W - 65);
    EXPECT_EQ(bar.Top(), h);
    EXPECT_EQ(bar.Width(), 65);
    EXPECT_EQ(bar.Height(), 198);
    EXPECT_FALSE(GetWindowLongW(bar.Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_FALSE(GetWindowLongW(bar.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(Placement(bar.background), "0,0 73x197");

    struct Expected {
        const ui::Panel& panel;
        int top;
        const wchar_t* caption;
    };
    for (const Expected& e : {Expected{bar.closeButton, 8, L"关       闭"}, Expected{bar.settingsButton, 40, L"设       置"},
                              Expected{bar.pictureButton, 72, L"鼠标跟随"}, Expected{bar.haloButton, 104, L"鼠标光环"},
                              Expected{bar.penButton, 136, L"电子笔"}, Expected{bar.helpButton, 168, L"软件帮助"}}) {
        EXPECT_EQ(Placement(e.panel), "0," + std::to_string(e.top) + " 65x25");
        EXPECT_EQ(e.panel.Caption(), e.caption);
        EXPECT_EQ(e.panel.GetColor(), ui::AppWorkspace);
    }
}

TEST_F(ControlBarTest, MenuItemsInOrderWithTheirSpacing) {
    ControlBar& bar = CreateWindows().controlBar();
    const wchar_t* expected[] = {L"关    闭", L"设    置", L"鼠标跟随", L"鼠标光环", L"电 子 笔", L"软件帮助"};
    ASSERT_GE(bar.commandMenu.Count(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(bar.commandMenu.Caption(i), expected[i]) << "item " << i;
}

TEST_F(ControlBarTest, ShowingTheBarShowsTheFollower) {
    Shell& w = CreateWindows(false);
    ASSERT_FALSE(w.follower().Visible());
    w.controlBar().Show();
    EXPECT_TRUE(w.follower().Visible());
    EXPECT_TRUE(w.controlBar().Visible());
}

TEST_F(ControlBarTest, RetractsAndExtendsWithThePointer) {
    ControlBar& bar = CreateWindows().controlBar();
    ASSERT_EQ(bar.autoHideTimer.Interval(), 100u);
    SetCursorPos(W - 1, 0);  // top-right corner: above the band
    EXPECT_TRUE(PumpUntil([&] { return bar.Left() == W - 5; })) << "left " << bar.Left();
    SetCursorPos(W - 1, h + 100);
    EXPECT_TRUE(PumpUntil([&] { return bar.Left() == W - 65; })) << "left " << bar.Left();
    SetCursorPos(W - 66, h + 100);
    EXPECT_TRUE(PumpUntil([&] { return bar.Left() == W - 5; })) << "left " << bar.Left();
    EXPECT_EQ(bar.Top(), h) << "only Left moves";

    // Moved from outside (as a screen resized without a display change leaves it): the
    // next tick docks its top again.
    bar.SetPosition(W - 5, h - 200);
    EXPECT_TRUE(PumpUntil([&] { return bar.Top() == h; })) << "top " << bar.Top();
}

TEST_F(ControlBarTest, OnTheBandsEdgeTheBarStaysWhereItIs) {
    ControlBar& bar = CreateWindows().controlBar();
    SetCursorPos(W - 10, h);  // the top row
    PumpFor(350);
    EXPECT_EQ(bar.Left(), W - 65) << "stays out";
    SetCursorPos(W - 1, h - 1);
    ASSERT_TRUE(PumpUntil([&] { return bar.Left() == W - 5; }));
    SetCursorPos(W - 65, h + 100);  // the left column
    PumpFor(350);
    EXPECT_EQ(bar.Left(), W - 5) << "stays in";
}

TEST_F(ControlBarTest, FollowerAndHaloCommandsExcludeEachOther) {
    Shell& w = CreateWindows();
    ControlBar& bar = w.controlBar();
    ASSERT_TRUE(w.follower().Visible());
    LeftClick(bar.haloButton);
    EXPECT_TRUE(w.halo().Visible());
    EXPECT_FALSE(w.follower().Visible());
    LeftClick(bar.pictureButton);
    EXPECT_TRUE(w.follower().Visible());
    EXPECT_FALSE(w.halo().Visible());
    bar.commandMenu.Click(3);  // 鼠标光环
    EXPECT_TRUE(w.halo().Visible());
    EXPECT_FALSE(w.follower().Visible());
    bar.commandMenu.Click(2);  // 鼠标跟随
    EXPECT_TRUE(w.follower().Visible());
    EXPECT_FALSE(w.halo().Visible());
}

TEST_F(ControlBarTest, SettingsHelpAndPenCommandsFromPanelsAndMenu) {
    Shell& w = CreateWindows();
    ControlBar& bar = w.controlBar();
    LeftClick(bar.settingsButton);
    EXPECT_TRUE(w.settingsWindow().Visible());
    w.settingsWindow().Hide();
    bar.commandMenu.Click(1);
    EXPECT_TRUE(w.settingsWindow().Visible());

    LeftClick(bar.helpButton);
    EXPECT_TRUE(w.helpWindow().Visible());
    w.helpWindow().Hide();
    bar.commandMenu.Click(5);
    EXPECT_TRUE(w.helpWindow().Visible());

    // A capture starts a new picture: the stroke drawn before it can no longer be undone.
    PenWindow& pen = w.penWindow();
    const auto drawStroke = [&] {
        pen.OnPress(VK_LBUTTON, 10, 10);
        pen.OnRelease(VK_LBUTTON, 40, 40);
        ASSERT_EQ(pen.History().UndoCount(), 1u);
    };
    drawStroke();
    LeftClick(bar.penButton);
    EXPECT_TRUE(pen.Visible());
    EXPECT_EQ(pen.History().UndoCount(), 0u) << "the pen captures the screen";
    EXPECT_FALSE(w.follower().Visible()) << "the picture is neither drawn on nor copied";
    w.ClosePen();
    EXPECT_TRUE(w.follower().Visible()) << "and comes back with the closing";
    LeftClick(bar.haloButton);
    drawStroke();
    bar.commandMenu.Click(4);
    EXPECT_TRUE(pen.Visible());
    EXPECT_EQ(pen.History().UndoCount(), 0u);
    EXPECT_FALSE(w.halo().Visible()) << "the menu's pen item hides the halo as well";
    w.ClosePen();
    EXPECT_TRUE(w.halo().Visible());
}

TEST_F(ControlBarTest, CloseCommandEndsTheProgram) {
    CreateWindows();
    LeftClick(Windows().controlBar().closeButton);
    Pump();
    EXPECT_TRUE(ui::Application::Current().Terminated());
}

TEST_F(ControlBarTest, CloseMenuItemEndsTheProgram) {
    CreateWindows();
    Windows().controlBar().commandMenu.Click(0);
    Pump();
    EXPECT_TRUE(ui::Application::Current().Terminated());
}

namespace {
// Set while a test waits for a menu: the timer closes the first menu that opens.
bool menuSeen = false;
void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) {
        menuSeen = true;
        EndMenu();
    }
}
}  // namespace

TEST_F(ControlBarTest, RightClickAnywhereOnTheBarOpensTheMenu) {
    ControlBar& bar = CreateWindows().controlBar();
    for (const ui::Panel* where : {&bar.pictureButton, &bar.background}) {
        SettleForeground(bar.Handle());
        menuSeen = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseOpenMenu);
        const LPARAM at = MAKELPARAM(5, 5);
        SendMessageW(where->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
        SendMessageW(where->Handle(), WM_RBUTTONUP, 0, at);  // returns once the menu has closed
        KillTimer(nullptr, timer);
        EXPECT_TRUE(menuSeen);
    }
    EXPECT_FALSE(Windows().halo().Visible()) << "closing the menu chooses nothing";
    EXPECT_FALSE(ui::Application::Current().Terminated());
}

namespace {
// While the menu is open: the pointer leaves the bar's band, the bar's tick runs, and where
// the bar then stands is noted before the menu closes.
ControlBar* barUnderMenu = nullptr;
int leftUnderMenu = 0;
void LeaveTheBarUnderItsMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, 0);
    for (int i = 0; i < 3; ++i) barUnderMenu->autoHideTimer.OnTimer();
    leftUnderMenu = barUnderMenu->Left();
    EndMenu();
}
}  // namespace

TEST_F(ControlBarTest, TheBarStaysOutWhileItsMenuIsOpen) {
    ControlBar& bar = CreateWindows().controlBar();
    ASSERT_EQ(bar.Left(), W - 65);
    SettleForeground(bar.Handle());
    barUnderMenu = &bar;
    leftUnderMenu = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, LeaveTheBarUnderItsMenu);
    SendMessageW(bar.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar.Handle()), MAKELPARAM(W - 30, h + 50));
    KillTimer(nullptr, timer);
    EXPECT_EQ(leftUnderMenu, W - 65) << "the bar went in under its menu";
    EXPECT_TRUE(PumpUntil([&] { return bar.Left() == W - 5; })) << "and goes in once it closed";
}

TEST_F(ControlBarTest, SettingsAndHelpCommandsBringBackAMinimisedWindow) {
    Shell& w = CreateWindows();
    struct Case {
        const char* name;
        ui::Form& window;
        const ui::Panel& command;
    };
    for (const Case& c :
         {Case{"settings", w.settingsWindow(), w.controlBar().settingsButton}, Case{"help", w.helpWindow(), w.controlBar().helpButton}}) {
        SCOPED_TRACE(c.name);
        LeftClick(c.command);
        const int width = c.window.Width();
        ShowWindow(c.window.Handle(), SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(c.window.Handle()));
        LeftClick(c.command);
        EXPECT_FALSE(IsIconic(c.window.Handle())) << "shown while minimised";
        EXPECT_EQ(c.window.Width(), width);
        EXPECT_EQ(GetForegroundWindow(), c.window.Handle());

        // Minimised, then closed from its minimised caption: it comes back whole too.
        ShowWindow(c.window.Handle(), SW_MINIMIZE);
        SendMessageW(c.window.Handle(), WM_CLOSE, 0, 0);
        LeftClick(c.command);
        EXPECT_TRUE(c.window.Visible());
        EXPECT_FALSE(IsIconic(c.window.Handle())) << "shown after being closed while minimised";
    }
}
