// Start-up of the whole program: the window inventory, hot keys, and what a broken
// settings database or picture leaves behind.
#include "AppTest.h"

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "base/HotKeyTable.h"
#include "ui/HotKeyRegistrar.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsWindow.h"
#include "pen/BoardWindow.h"
#include "pen/PenWindow.h"

namespace fs = std::filesystem;

using StartupTest = AppTest;

TEST_F(StartupTest, WindowsStartWithTheirDesignedVisibility) {
    Shell& w = CreateWindows(false);
    // Before the loop shows the main window only the settings window, designed visible, is up.
    EXPECT_FALSE(w.follower().Visible());
    EXPECT_FALSE(w.controlBar().Visible());
    EXPECT_TRUE(w.settingsWindow().Visible());

    w.Start();
    Pump();
    EXPECT_TRUE(w.follower().Visible());
    EXPECT_TRUE(w.controlBar().Visible());
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_FALSE(w.settingsWindow().Visible()) << "the follower's show steps hide the settings window";
    EXPECT_FALSE(w.helpWindow().Visible());
    EXPECT_FALSE(w.penWindow().Visible());
    EXPECT_FALSE(w.boardWindow().Visible());
    EXPECT_FALSE(IsWindowVisible(ui::Application::Current().OwnerWindow())) << "no taskbar button";
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_TRUE(recorder_.messages.empty()) << "nothing to tell at a plain start";

    wchar_t name[32];
    GetClassNameW(w.follower().Handle(), name, 32);
    EXPECT_STREQ(name, effects::kFollowerClass);
    GetClassNameW(w.boardWindow().Handle(), name, 32);
    EXPECT_STREQ(name, pen::kBoardClass);
}

TEST_F(StartupTest, HotKeysAreHeldOnOneWindowUnderIdsMadeFromTheAtom) {
    Shell& w = CreateWindows();
    ui::HotKeyRegistrar& keys = w.hotKeys();
    const unsigned atom = GlobalAddAtomA(ui::kHotKeyAtom);
    GlobalDeleteAtom(static_cast<ATOM>(atom));
    EXPECT_EQ(keys.IdOf(HotKeyAction::Picture), static_cast<int>(atom) - 0xC000);
    EXPECT_EQ(keys.IdOf(HotKeyAction::KeyboardMouse), static_cast<int>(atom) - 0xC006);

    for (unsigned vk : {0x77u, 0x75u, 0x76u, 0x1Bu}) EXPECT_TRUE(HotKeyHeld(vk)) << "key " << vk;
    for (unsigned vk : {0x74u, 0x25u, 0x26u, 0x27u, 0x28u}) EXPECT_FALSE(HotKeyHeld(vk)) << "F5 and arrows " << vk;
    // F5 comes and goes with the arrows.
    SendHotKey(VK_F6);
    EXPECT_TRUE(HotKeyHeld(0x74));
    SendHotKey(VK_F6);
    EXPECT_FALSE(HotKeyHeld(0x74));
    SendHotKey(VK_F6);

    // The ids are registered on the keys' own window: unregistering one there succeeds.
    const int picture = keys.IdOf(HotKeyAction::Picture);
    EXPECT_TRUE(UnregisterHotKey(keys.Handle(), picture));
    EXPECT_FALSE(HotKeyHeld(0x77));
    RegisterHotKey(keys.Handle(), picture, 0, 0x77);

    DestroyWindows();
    for (unsigned vk : {0x77u, 0x74u, 0x75u, 0x1Bu, 0x25u}) EXPECT_FALSE(HotKeyHeld(vk)) << "released at exit: " << vk;
}

TEST_F(StartupTest, AKeyChangedAtRunTimeWorksAtOnceAndOneAnotherProgramHoldsIsRefused) {
    Shell& w = CreateWindows();
    ui::HotKeyRegistrar& keys = w.hotKeys();
    ASSERT_TRUE(keys.Change(HotKeyAction::Pen, {VK_F9}));
    EXPECT_FALSE(HotKeyHeld(VK_ESCAPE)) << "the old key goes back to the other programs";
    EXPECT_TRUE(HotKeyHeld(VK_F9));
    SendHotKey(VK_F9);
    EXPECT_TRUE(w.penWindow().Visible()) << "the new key works at once";
    SendHotKey(VK_F9);
    EXPECT_FALSE(w.penWindow().Visible());

    HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(other, 1, 0, VK_F11));
    EXPECT_FALSE(keys.Change(HotKeyAction::Pen, {VK_F11}));
    EXPECT_EQ(keys.KeyOf(HotKeyAction::Pen), (HotKey{VK_F9}));
    EXPECT_TRUE(keys.Held(HotKeyAction::Pen)) << "the old key is kept";
    UnregisterHotKey(other, 1);
    DestroyWindow(other);
    EXPECT_TRUE(HotKeyHeld(VK_F9));

    // A key held only while the keyboard mouse is on changes without being taken now.
    ASSERT_TRUE(keys.Change(HotKeyAction::Click, {VK_F4}));
    EXPECT_FALSE(HotKeyHeld(VK_F4));
    SendHotKey(VK_F6);
    EXPECT_TRUE(HotKeyHeld(VK_F4));
    EXPECT_FALSE(HotKeyHeld(VK_F5));
}

TEST_F(StartupTest, AKeyAnotherProgramHoldsIsNamedOnceAndTheOthersWork) {
    HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(other, 1, 0, VK_F7));
    ASSERT_TRUE(RegisterHotKey(other, 2, 0, VK_ESCAPE));
    CreateWindows();
    ASSERT_EQ(recorder_.messages.size(), 1u);
    const std::wstring& message = recorder_.messages[0];
    EXPECT_NE(message.find(L"F7（"), std::wstring::npos);
    EXPECT_NE(message.find(L"Esc（"), std::wstring::npos);
    EXPECT_EQ(message.find(L"F8"), std::wstring::npos);
    EXPECT_TRUE(recorder_.errors.empty());
    UnregisterHotKey(other, 1);
    UnregisterHotKey(other, 2);
    DestroyWindow(other);
    EXPECT_TRUE(HotKeyHeld(VK_F8)) << "the other keys are the program's";
}

TEST_F(StartupTest, MissingDatabaseIsReportedAndTheKeysAndTrayIconStay) {
    fs::remove("GBTest.db");
    Shell& w = CreateWindows();
    ASSERT_FALSE(recorder_.errors.empty());
    EXPECT_EQ(recorder_.errors[0].rfind(
                  L"Error executing SQL.\rError [1]: SQL error or missing database.\r\"Select * from GBgs\"", 0),
              0u)
        << "got: " << std::string(recorder_.errors[0].begin(), recorder_.errors[0].end());
    EXPECT_TRUE(w.follower().HasTrayIcon());
    for (unsigned vk : {0x77u, 0x75u, 0x76u}) EXPECT_TRUE(HotKeyHeld(vk)) << "key " << vk;
    // Every window is still there and the program runs on.
    EXPECT_TRUE(w.follower().Visible());
    EXPECT_TRUE(w.controlBar().Visible());
    EXPECT_EQ(w.halo().Width(), 585) << "the halo keeps its design size";
    EXPECT_EQ(w.halo().HaloDiameter(), 0);
}

TEST_F(StartupTest, MissingPictureKeepsOffsetKeysAndTray) {
    WriteSettings({L"pic\\nothere.png", L"40"}, {L"255", L"150", L"100"});
    Shell& w = CreateWindows();
    ASSERT_FALSE(recorder_.errors.empty());
    const std::string error(recorder_.errors[0].begin(), recorder_.errors[0].end());
    // Looked for beside the program: a whole path, shortened in the middle when long.
    EXPECT_EQ(recorder_.errors[0].rfind(L"Cannot open file \"" + Folder().wstring().substr(0, 3), 0), 0u) << error;
    EXPECT_NE(recorder_.errors[0].find(L"\\nothere.png"), std::wstring::npos) << error;
    EXPECT_EQ(w.follower().PictureOffset(), 40);
    EXPECT_TRUE(w.follower().picture.GetPicture().Empty());
    EXPECT_TRUE(w.follower().HasTrayIcon());
    EXPECT_TRUE(HotKeyHeld(0x77));
    EXPECT_EQ(w.halo().HaloDiameter(), 100) << "the halo reads its own settings regardless";
}
