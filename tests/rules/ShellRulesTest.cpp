// The shell's rules that need no window: the message about taken hot keys, and the names
// under which the effect last on is stored.
#include <gtest/gtest.h>

#include "app/AppTexts.h"
#include "app/TakenHotKeys.h"
#include "effects/PointerEffect.h"

TEST(TakenHotKeys, OneMessageNamesEachTakenKeyWithItsUseInTheOrderGiven) {
    EXPECT_EQ(TakenHotKeysMessage({}), L"");

    const std::wstring message = TakenHotKeysMessage({HotKeyAction::Pen, HotKeyAction::Picture});
    EXPECT_EQ(message, std::wstring(app::kTakenHotKeysOpening) + L"\nEsc（打开或关闭电子笔）\nF8（显示或隐藏鼠标跟随）\n" +
                           app::kTakenHotKeysClosing);
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
