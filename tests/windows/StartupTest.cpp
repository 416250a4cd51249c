// Start-up of the whole program: the window inventory, hot keys, and what a broken
// settings database or picture leaves behind.
#include "AppTest.h"

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "base/HotKeyTable.h"
#include "ui/HotKeys.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsWindow.h"
#include "pen/BoardWindow.h"
#include "pen/PenWindow.h"

namespace fs = std::filesystem;

using StartupTest = AppTest;

TEST_F(StartupTest, WindowsStartWithTheirDesignedVisibility) {
    Inventory& w = CreateWindows(false);
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

    wchar_t name[32];
    GetClassNameW(w.follower().Handle(), name, 32);
    EXPECT_STREQ(name, effects::kFollowerClass);
    GetClassNameW(w.boardWindow().Handle(), name, 32);
    EXPECT_STREQ(name, pen::kBoardClass);
}

TEST_F(StartupTest, HotKeysAreHeldUnderIdsMadeFromTheAtom) {
    Inventory& w = CreateWindows();
    const unsigned atom = GlobalAddAtomA(ui::kHotKeyAtom);
    const auto& ids = w.follower().HotKeyIds();
    EXPECT_EQ(ids[0], HotKeyId(atom, hotkeys::F8));
    EXPECT_EQ(ids[2], static_cast<int>(atom) - 0xC006);
    EXPECT_EQ(w.halo().HotKeyId(), static_cast<int>(atom) - 0xC000);

    for (unsigned vk : {0x77u, 0x75u, 0x76u, 0x1Bu}) EXPECT_TRUE(HotKeyHeld(vk)) << "key " << vk;
    for (unsigned vk : {0x74u, 0x25u, 0x26u, 0x27u, 0x28u}) EXPECT_FALSE(HotKeyHeld(vk)) << "F5 and arrows " << vk;
    // F5 comes and goes with the arrows.
    SendHotKey(w.follower().Handle(), VK_F6);
    EXPECT_TRUE(HotKeyHeld(0x74));
    EXPECT_EQ(ids[1], static_cast<int>(atom) - 0xC005);
    SendHotKey(w.follower().Handle(), VK_F6);
    EXPECT_FALSE(HotKeyHeld(0x74));
    SendHotKey(w.follower().Handle(), VK_F6);

    // The ids are registered on the follower's own window: unregistering them there succeeds.
    EXPECT_TRUE(UnregisterHotKey(w.follower().Handle(), ids[0]));
    EXPECT_FALSE(HotKeyHeld(0x77));
    RegisterHotKey(w.follower().Handle(), ids[0], 0, 0x77);

    DestroyWindows();
    for (unsigned vk : {0x77u, 0x74u, 0x75u, 0x1Bu, 0x25u}) EXPECT_FALSE(HotKeyHeld(vk)) << "released at exit: " << vk;
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
    Inventory& w = CreateWindows();
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
    Inventory& w = CreateWindows();
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
