// The shell's duties across runs and programs: the effect that was on comes back, over the
// open pen an effect only waits, Esc on an open menu closes only the menu, and the choice
// to start with Windows.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include "app/ControlBar.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsWindow.h"
#include "pen/PenWindow.h"
#include "store/LastEffect.h"
#include "ui/ProgramFiles.h"

namespace {

HWND keysForMenu = nullptr;
bool menuClosedByEsc = false;

// Runs inside the menu's own loop: Esc arrives as the pen's hot key while the menu is open.
void CALLBACK PressEscOnOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    KillTimer(nullptr, timer);
    SendMessageW(keysForMenu, WM_HOTKEY, 0, MAKELPARAM(0, VK_ESCAPE));
    menuClosedByEsc = true;
}

std::wstring RunEntry() {
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Vellora",
                     RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return {};
    return value;
}

}  // namespace

using ShellTest = AppTest;

TEST_F(ShellTest, TheEffectOnAtTheEndComesBackAtTheNextStart) {
    EXPECT_EQ(ReadLastEffect("GBTest.db"), L"") << "a database of before has no such table";
    Shell& w = CreateWindows();
    EXPECT_TRUE(w.follower().Visible()) << "without a stored effect the picture comes on";
    w.controlBar().haloButton.OnClick();
    EXPECT_EQ(ReadLastEffect("GBTest.db"), L"halo");

    DestroyWindows();
    Shell& again = CreateWindows();
    EXPECT_TRUE(again.halo().Visible());
    EXPECT_FALSE(again.follower().Visible());
    EXPECT_TRUE(again.controlBar().Visible());
    EXPECT_FALSE(again.settingsWindow().Visible());

    SendHotKey(VK_F7);
    EXPECT_EQ(ReadLastEffect("GBTest.db"), L"none");
    DestroyWindows();
    Shell& third = CreateWindows();
    EXPECT_FALSE(third.halo().Visible());
    EXPECT_FALSE(third.follower().Visible());
    EXPECT_TRUE(third.controlBar().Visible());
    EXPECT_TRUE(recorder_.errors.empty());
}

TEST_F(ShellTest, AnEffectStoppedInTheSettingsWindowIsNoLongerTheChoice) {
    SettingsWindow& s = CreateWindows().settingsWindow();
    LeftClick(s.haloStartButton);
    EXPECT_EQ(ReadLastEffect("GBTest.db"), L"halo");
    LeftClick(s.haloStartButton);
    EXPECT_EQ(ReadLastEffect("GBTest.db"), L"none");
}

TEST_F(ShellTest, EscOnAnOpenMenuClosesTheMenuAndOpensNoPen) {
    Shell& w = CreateWindows();
    keysForMenu = w.hotKeys().Handle();
    SettleForeground(w.follower().Handle());
    menuClosedByEsc = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, PressEscOnOpenMenu);
    SendMessageW(w.follower().Handle(), WM_TRAYICON, 0, WM_RBUTTONDOWN);  // returns once the menu is closed
    KillTimer(nullptr, timer);
    EXPECT_TRUE(menuClosedByEsc);
    EXPECT_FALSE(w.penWindow().Visible());
    EXPECT_TRUE(w.follower().Visible());

    SendHotKey(VK_ESCAPE);
    EXPECT_TRUE(w.penWindow().Visible()) << "with no menu open Esc opens the pen";
}

TEST_F(ShellTest, TheStartWithWindowsBoxWritesAndRemovesTheQuotedEntry) {
    SettingsWindow& s = CreateWindows().settingsWindow();
    EXPECT_FALSE(s.startWithWindowsBox.Checked());
    SendMessageW(s.startWithWindowsBox.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(RunEntry(), L"\"" + ui::ProgramPath() + L"\"");
    SendMessageW(s.startWithWindowsBox.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(s.startWithWindowsBox.Checked());
    EXPECT_EQ(RunEntry(), L"");
}

TEST_F(ShellTest, OverTheOpenPenAnEffectsCommandAndKeyOnlyChooseWhatComesBack) {
    Shell& w = CreateWindows();
    SendHotKey(VK_ESCAPE);
    ASSERT_TRUE(w.penWindow().Visible());
    w.controlBar().haloButton.OnClick();
    EXPECT_FALSE(w.halo().Visible()) << "nothing is drawn over the pen";
    SendHotKey(VK_F7);
    SendHotKey(VK_ESCAPE);
    EXPECT_FALSE(w.halo().Visible()) << "the halo's key took its choice back";
    EXPECT_FALSE(w.follower().Visible());
}
