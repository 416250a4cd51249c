// The shell's rules that need no window: the message about taken hot keys, and the names
// under which the effect last on is stored.
#include <gtest/gtest.h>

#include "app/TakenHotKeys.h"
#include "base/Text.h"
#include "effects/PointerEffect.h"

TEST(TakenHotKeys, OneMessageNamesEachTakenKeyWithItsUseInTheOrderGiven) {
    EXPECT_EQ(TakenHotKeysMessage({}), L"");

    const std::wstring message = TakenHotKeysMessage({HotKeyAction::Pen, HotKeyAction::Picture});
    EXPECT_EQ(
        message,
        L"以下快捷键已被其他程序占用，在 Vellora 中不起作用：\nEsc（打开或关闭电子笔）\nF8（显示或隐藏鼠标跟随）\n"
        L"其余快捷键照常可用。");

    UseLanguage(Language::English);
    EXPECT_EQ(TakenHotKeysMessage({HotKeyAction::Spotlight}),
              L"These shortcut keys are in use by another program and do not work in Vellora:\n"
              L"Ctrl+Alt+Shift+1 (Turn the spotlight on or off)\nAll other shortcut keys work as usual.");
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
