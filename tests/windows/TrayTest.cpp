// The tray icon's callback: a right button press opens the control bar's menu at the
// pointer; other mouse messages over the icon do nothing.
#include "AppTest.h"

#include "ui/TrayIcon.h"
#include "effects/FollowerWindow.h"

namespace {

int menusSeen = 0;
int itemsSeen = 0;

// Runs inside the menu's own loop: notes the open menu, then closes it.
void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) {
        ++menusSeen;
        itemsSeen = GetMenuItemCount(reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)));
        EndMenu();
    }
}

}  // namespace

using TrayTest = AppTest;

TEST_F(TrayTest, RightButtonOpensTheControlBarMenuOtherButtonsDoNothing) {
    Shell& w = CreateWindows();
    HWND follower = w.follower().Handle();
    menusSeen = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseOpenMenu);

    for (UINT ignored : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MOUSEMOVE})
        SendMessageW(follower, WM_TRAYICON, 0, ignored);
    PumpFor(200);
    EXPECT_EQ(menusSeen, 0);

    SetCursorPos(800, 600);
    SettleForeground(follower);
    SendMessageW(follower, WM_TRAYICON, 0, WM_RBUTTONDOWN);  // returns once the menu is closed
    KillTimer(nullptr, timer);
    EXPECT_EQ(menusSeen, 1);
    EXPECT_EQ(itemsSeen, 13)
        << "the six commands, the spotlight, laser and click rings, the keys, their pause, the timer and live ink";
    EXPECT_TRUE(recorder_.errors.empty());
}
