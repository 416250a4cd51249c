// The keys the presenter chooses: the keys window changes a key at once and stores it,
// refuses what it must with a message, gives every default back; the pause key releases
// the others and takes them back.
#include "AppTest.h"

#include <commctrl.h>

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "app/KeysWindow.h"
#include "effects/FollowerWindow.h"
#include "base/KeyChoice.h"
#include "pen/PenWindow.h"
#include "store/StoredHotKeys.h"
#include "ui/HotKeyRegistrar.h"

namespace {

using KeysWindowTest = AppTest;

// Another program's hold on a key, for as long as it lives.
struct OtherProgramKey {
    explicit OtherProgramKey(unsigned vk)
        : window(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {
        EXPECT_TRUE(RegisterHotKey(window, 1, 0, vk));
    }
    ~OtherProgramKey() {
        UnregisterHotKey(window, 1);
        DestroyWindow(window);
    }
    HWND window;
};

HotKey StoredKeyOf(const std::wstring& action) {
    for (const StoredKey& row : ReadStoredHotKeys())
        if (row.action == action) return {static_cast<unsigned>(row.key), static_cast<unsigned>(row.modifiers)};
    return {0xFFFF};
}

}  // namespace

TEST_F(KeysWindowTest, AChosenKeyWorksAtOnceIsStoredAndWhatCannotBeIsRefusedWithItsReason) {
    Shell& w = CreateWindows();
    KeysWindow& keys = w.keysWindow();
    EXPECT_TRUE(ReadStoredHotKeys().empty()) << "nothing is written before a change";

    // As the presenter presses a key into an action's box; the box takes it once the
    // control has done with it.
    const auto pressInto = [&](HotKeyAction action, unsigned value) {
        HWND box = keys.RowFor(action).box.Handle();
        SendMessageW(box, HKM_SETHOTKEY, value, 0);
        SendMessageW(keys.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), EN_CHANGE),
                     reinterpret_cast<LPARAM>(box));
        Pump();
    };
    pressInto(HotKeyAction::Pen, VK_F9);
    EXPECT_TRUE(HotKeyHeld(VK_F9));
    EXPECT_FALSE(HotKeyHeld(VK_ESCAPE)) << "Esc is the other programs' again";
    SendHotKey(VK_F9);
    EXPECT_TRUE(w.penWindow().Visible());
    SendHotKey(VK_F9);
    EXPECT_EQ(StoredKeyOf(L"pen"), (HotKey{VK_F9}));
    EXPECT_TRUE(recorder_.messages.empty());

    keys.Choose(HotKeyAction::Halo, {VK_F8});
    keys.Choose(HotKeyAction::Halo, {'A'});
    {
        OtherProgramKey other(VK_F11);
        pressInto(HotKeyAction::Halo, VK_F11);
    }
    ASSERT_EQ(recorder_.messages.size(), 3u);
    EXPECT_EQ(recorder_.messages[0], L"F8 已是“显示或隐藏鼠标跟随”的快捷键，请另选一个。“显示或隐藏鼠标光环”仍用 F7。");
    EXPECT_NE(recorder_.messages[1].find(L"会让所有程序都不能再打出这个键"), std::wstring::npos) << "a plain letter";
    EXPECT_NE(recorder_.messages[2].find(L"已被其他程序占用"), std::wstring::npos);
    EXPECT_EQ(w.hotKeys().KeyOf(HotKeyAction::Halo), (HotKey{VK_F7})) << "every refusal keeps the old key";
    EXPECT_TRUE(HotKeyHeld(VK_F7));
    EXPECT_EQ(FromHotKeyControl(static_cast<unsigned>(
                  SendMessageW(keys.RowFor(HotKeyAction::Halo).box.Handle(), HKM_GETHOTKEY, 0, 0))),
              (HotKey{VK_F7}))
        << "the box shows the key kept";
    EXPECT_EQ(StoredKeyOf(L"halo"), (HotKey{0xFFFF})) << "a refusal stores nothing";

    // None, by its box: the key goes back to the other programs.
    const KeysWindow::KeyRow& halo = keys.RowFor(HotKeyAction::Halo);
    SendMessageW(halo.none.Handle(), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(keys.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(halo.none.Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(halo.none.Handle()));
    EXPECT_FALSE(HotKeyHeld(VK_F7));
    EXPECT_EQ(StoredKeyOf(L"halo"), HotKey{});

    // The picture and the halo swap keys; the defaults come back all the same.
    keys.Choose(HotKeyAction::Picture, {VK_F7});
    keys.Choose(HotKeyAction::Halo, {VK_F8});
    EXPECT_EQ(w.hotKeys().KeyOf(HotKeyAction::Halo), (HotKey{VK_F8}));
    keys.restoreButton.Click();
    for (HotKeyAction action : ChangeableActions()) {
        EXPECT_EQ(w.hotKeys().KeyOf(action), RowOf(action).key) << StoredNameOf(action);
        EXPECT_EQ(StoredKeyOf(StoredNameOf(action)), RowOf(action).key) << StoredNameOf(action);
    }
    for (unsigned vk : {VK_F7, VK_F8, VK_ESCAPE}) EXPECT_TRUE(HotKeyHeld(vk)) << vk;
    EXPECT_EQ(recorder_.messages.size(), 3u) << "nothing more to tell";
}

TEST_F(KeysWindowTest, WhileTheKeysWindowIsActiveEveryKeyReachesItsBoxes) {
    Shell& w = CreateWindows();
    w.keysWindow().Show();
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == w.keysWindow().Handle(); }));
    for (unsigned vk : {VK_F7, VK_F8, VK_ESCAPE}) EXPECT_FALSE(HotKeyHeld(vk)) << vk;
    w.keysWindow().Choose(HotKeyAction::Pen, {VK_F9});
    EXPECT_FALSE(HotKeyHeld(VK_F9)) << "tried, then left to the box";
    w.keysWindow().Close();
    for (unsigned vk : {VK_F7, VK_F8, VK_F9}) EXPECT_TRUE(HotKeyHeld(vk)) << vk;
    EXPECT_FALSE(HotKeyHeld(VK_ESCAPE));
}

TEST_F(KeysWindowTest, PauseReleasesEveryOtherKeyAndTakesThemBackTellingWhatWasTakenMeanwhile) {
    Shell& w = CreateWindows();
    ui::PopupMenu& menu = w.controlBar().commandMenu;
    std::size_t pauseItem = 0;
    while (pauseItem < menu.Count() && menu.Caption(pauseItem) != L"暂停快捷键") ++pauseItem;
    SendHotKey(VK_F6);  // the keyboard mouse on: its arrows and F5 go with the pause too
    ASSERT_TRUE(HotKeyHeld(VK_LEFT));
    w.TogglePauseKeys();
    for (unsigned vk : {VK_F5, VK_F6, VK_F7, VK_F8, VK_ESCAPE, VK_LEFT}) EXPECT_FALSE(HotKeyHeld(vk)) << vk;
    EXPECT_TRUE(w.hotKeys().Held(HotKeyAction::Pause)) << "the pause key stays";
    EXPECT_TRUE(menu.Checked(pauseItem));
    EXPECT_EQ(w.follower().TrayTip(), L"Vellora（快捷键已暂停）");
    w.ShowHelp();
    EXPECT_NE(w.helpWindow().helpText.Text().find(L"快捷键已暂停"), std::wstring::npos);
    EXPECT_NE(w.helpWindow().helpText.Text().find(L"F8：显示或隐藏鼠标跟随"), std::wstring::npos);

    {
        OtherProgramKey other(VK_F7);
        menu.Click(pauseItem);  // the menu's pause item
        for (unsigned vk : {VK_F5, VK_F8, VK_ESCAPE, VK_LEFT}) EXPECT_TRUE(HotKeyHeld(vk)) << vk;
        ASSERT_EQ(recorder_.messages.size(), 1u);
        EXPECT_NE(recorder_.messages[0].find(L"F7（显示或隐藏鼠标光环）"), std::wstring::npos);
        EXPECT_FALSE(menu.Checked(pauseItem));
        EXPECT_EQ(w.follower().TrayTip(), L"Vellora");
    }
}
