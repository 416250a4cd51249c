// The shell's rules that need no window: the message about taken hot keys, and the names
// under which the effect last on is stored.
#include <gtest/gtest.h>

#include "app/KeyMessages.h"
#include "base/Text.h"
#include "effects/PointerEffect.h"

TEST(TakenHotKeys, OneMessageNamesEachTakenKeyWithItsUseInTheOrderGiven) {
    EXPECT_EQ(TakenHotKeysMessage({}), L"");

    const std::wstring message = TakenHotKeysMessage({HotKeyAction::Pen, HotKeyAction::Picture});
    EXPECT_EQ(
        message,
        L"以下快捷键已被其他程序占用，在 Vellora 中不起作用：\nEsc（打开或关闭电子笔）\nF8（显示或隐藏鼠标跟随）\n"
        L"其余快捷键照常可用。\n可以在托盘菜单或设置窗口的“快捷键”中另选。");

    UseLanguage(Language::English);
    EXPECT_EQ(TakenHotKeysMessage({HotKeyAction::Spotlight}),
              L"These shortcut keys are in use by another program and do not work in Vellora:\n"
              L"Ctrl+Alt+Shift+1 (Turn the spotlight on or off)\nAll other shortcut keys work as usual.\n"
              L"To choose other keys, open Shortcut Keys from the tray menu or the settings window.");
    UseLanguage(Language::Chinese);
}

TEST(LastEffect, StoredNamesRoundTripAndAnythingElseGivesThePicture) {
    for (PointerEffect effect : {PointerEffect::None, PointerEffect::Picture, PointerEffect::Halo,
                                 PointerEffect::Spotlight, PointerEffect::Laser})
        EXPECT_EQ(EffectFromStoredName(StoredEffectName(effect)), effect);
    EXPECT_EQ(StoredEffectName(PointerEffect::Halo), L"halo");
    EXPECT_EQ(StoredEffectName(PointerEffect::None), L"none");
    EXPECT_EQ(EffectFromStoredName(L""), PointerEffect::Picture) << "no row yet: a first start";
    EXPECT_EQ(EffectFromStoredName(L"magnifier"), PointerEffect::Picture) << "a newer copy's effect";
    EXPECT_EQ(EffectFromStoredName(L"Halo"), PointerEffect::Picture);
}

TEST(KeyMessages, ARefusalNamesTheKeyTheReasonAndWhatIsKept) {
    const auto name = [](HotKey key) { return L"k" + std::to_wstring(key.virtualKey); };
    EXPECT_EQ(RefusedKeyMessage(HotKeyAction::Pen, {0x77}, {0x1B},
                                KeyRefusal{KeyRefusal::Reason::OtherAction, HotKeyAction::Picture}, name),
              L"k119 已是“显示或隐藏鼠标跟随”的快捷键，请另选一个。“打开或关闭电子笔”仍用 k27。");
    EXPECT_EQ(RefusedKeyMessage(HotKeyAction::Halo, {0x7A}, {}, std::nullopt, name),
              L"k122 已被其他程序占用，请另选一个。“显示或隐藏鼠标光环”仍用 “无”。");

    const HeldKey keys[] = {{HotKeyAction::Picture, {0x77}}, {HotKeyAction::Halo, {}}, {HotKeyAction::Pause, {0x30}}};
    UseLanguage(Language::English);
    EXPECT_EQ(KeysInUseText(keys, true, name),
              L"\r\nShortcut keys in use (change them in the Shortcut Keys window):\r\n"
              L"k119: Show or hide the pointer picture\r\nk48: Pause or resume all shortcut keys\r\n"
              L"(The shortcut keys are paused; press k48 to resume.)\r\n");
    UseLanguage(Language::Chinese);
}
