// Which stored keys the actions may have, and what they get when they may not.
#include <gtest/gtest.h>

#include "base/KeyChoice.h"
#include "base/Text.h"

namespace {

std::wstring Named(HotKey key) {
    return L"vk" + std::to_wstring(key.virtualKey) + L"+" + std::to_wstring(key.modifiers);
}

HotKey KeyOf(const CheckedKeys& checked, HotKeyAction action) {
    for (const auto& [a, key] : checked.keys)
        if (a == action) return key;
    ADD_FAILURE() << "no key for the action";
    return {};
}

constexpr unsigned kCtrl = 0x0002, kShift = 0x0004;

}  // namespace

TEST(KeyChoice, TypingKeysNeedCtrlAltOrWinAndEverythingElseIsFree) {
    for (unsigned vk : {0x41u, 0x5Au, 0x30u, 0x39u, 0x60u, 0x20u, 0x0Du, 0x09u, 0x08u, 0xBAu, 0xDEu}) {
        EXPECT_TRUE(TakesTyping({vk})) << vk;
        EXPECT_TRUE(TakesTyping({vk, kShift})) << "Shift still types: " << vk;
        EXPECT_FALSE(TakesTyping({vk, kCtrl})) << vk;
    }
    for (unsigned vk : {0x70u, 0x78u, 0x1Bu, 0x13u, 0x91u, 0x25u})  // F1, F9, Esc, Pause, Scroll Lock, Left
        EXPECT_FALSE(TakesTyping({vk})) << vk;
}

TEST(KeyChoice, StoredRowsOverrideTheDefaultsAndEachBadRowFallsBackWithOneLine) {
    UseLanguage(Language::English);
    const CheckedKeys none = CheckStoredKeys({}, Named);
    EXPECT_TRUE(none.problems.empty());
    EXPECT_EQ(KeyOf(none, HotKeyAction::Pen), RowOf(HotKeyAction::Pen).key);
    EXPECT_EQ(none.keys.size(), 11u) << "the arrows of the keyboard mouse are not for changing";

    const CheckedKeys checked = CheckStoredKeys({{L"pen", 0x78, 0},         // F9
                                                 {L"halo", 0, 0},           // none
                                                 {L"picture", 0x41, 0},     // a plain letter
                                                 {L"laser", 0x41, kCtrl},   // Ctrl+A is fine
                                                 {L"spotlight", 0x75, 0},   // F6, the keyboard mouse's
                                                 {L"clickRings", 300, 0},   // no key
                                                 {L"timerTypo", 0x79, 0}},  // no such action
                                                Named);
    EXPECT_EQ(KeyOf(checked, HotKeyAction::Pen), (HotKey{0x78}));
    EXPECT_EQ(KeyOf(checked, HotKeyAction::Halo), HotKey{}) << "none is a choice";
    EXPECT_EQ(KeyOf(checked, HotKeyAction::Picture), RowOf(HotKeyAction::Picture).key);
    EXPECT_EQ(KeyOf(checked, HotKeyAction::Laser), (HotKey{0x41, kCtrl}));
    EXPECT_EQ(KeyOf(checked, HotKeyAction::Spotlight), RowOf(HotKeyAction::Spotlight).key);
    EXPECT_EQ(KeyOf(checked, HotKeyAction::ClickRings), RowOf(HotKeyAction::ClickRings).key);
    EXPECT_EQ(checked.problems,
              (std::vector<std::wstring>{
                  L"The key of “Show or hide the pointer picture”, “vk65+0”, would take typing away from every "
                  L"program; vk119+0 is used instead.",
                  L"The key of “Turn the click rings on or off”, “300+0”, is not a key; vk51+7 is used instead.",
                  L"The key table names “timerTypo”, which is not an action of Vellora; the row is not used.",
                  L"The key of “Turn the spotlight on or off”, “vk117+0”, belongs to another action; vk49+7 is "
                  L"used instead."}))
        << "in the order of the rows, the clashes last";
    UseLanguage(Language::Chinese);
}

TEST(KeyChoice, KeysMaySwapAndADefaultGivenBackMayDisplaceAnotherStoredKey) {
    const CheckedKeys swapped = CheckStoredKeys({{L"picture", 0x76, 0}, {L"halo", 0x77, 0}}, Named);
    EXPECT_TRUE(swapped.problems.empty());
    EXPECT_EQ(KeyOf(swapped, HotKeyAction::Picture), (HotKey{0x76}));
    EXPECT_EQ(KeyOf(swapped, HotKeyAction::Halo), (HotKey{0x77}));

    const CheckedKeys earlier = CheckStoredKeys({{L"picture", 0x75, 0}}, Named);  // F6, a later action's
    EXPECT_EQ(earlier.problems.size(), 1u);
    EXPECT_EQ(KeyOf(earlier, HotKeyAction::Picture), RowOf(HotKeyAction::Picture).key);

    // The pen may not have F7 (the halo keeps it): it gets Esc back, which the laser took.
    const CheckedKeys chain = CheckStoredKeys({{L"pen", 0x76, 0}, {L"laser", 0x1B, 0}}, Named);
    EXPECT_EQ(chain.problems.size(), 2u);
    EXPECT_EQ(KeyOf(chain, HotKeyAction::Pen), RowOf(HotKeyAction::Pen).key);
    EXPECT_EQ(KeyOf(chain, HotKeyAction::Laser), RowOf(HotKeyAction::Laser).key);
}

TEST(KeyChoice, AChosenKeyIsRefusedForTypingOrWhenAnotherActionHasIt) {
    const HeldKey keys[] = {{HotKeyAction::Picture, {0x77}},
                            {HotKeyAction::Halo, {}},  // none
                            {HotKeyAction::Left, {0x25}},
                            {HotKeyAction::Pen, {0x1B}}};
    const auto other = RefusedKey(HotKeyAction::Pen, {0x77}, keys);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->reason, KeyRefusal::Reason::OtherAction);
    EXPECT_EQ(other->holder, HotKeyAction::Picture);
    EXPECT_EQ(RefusedKey(HotKeyAction::Pen, {0x25}, keys)->holder, HotKeyAction::Left) << "the arrows are taken too";
    EXPECT_EQ(RefusedKey(HotKeyAction::Pen, {0x41, 0x0004}, keys)->reason, KeyRefusal::Reason::Typing);
    EXPECT_FALSE(RefusedKey(HotKeyAction::Pen, {}, keys)) << "none is always free, though the halo has none too";
    EXPECT_FALSE(RefusedKey(HotKeyAction::Pen, {0x1B}, keys)) << "its own key";
    EXPECT_FALSE(RefusedKey(HotKeyAction::Pen, {0x77, kCtrl}, keys)) << "Ctrl+F8 is not F8";
}

TEST(KeyChoice, TheHotKeyControlsFlagsBecomeRegisterHotKeysAndBack) {
    // HOTKEYF_SHIFT 1, CONTROL 2, ALT 4, EXT 8 against MOD_ALT 1, CONTROL 2, SHIFT 4.
    EXPECT_EQ(FromHotKeyControl(0x0130), (HotKey{0x30, kShift}));
    EXPECT_EQ(FromHotKeyControl(0x0478), (HotKey{0x78, 0x0001}));
    EXPECT_EQ(FromHotKeyControl(0x0F25), (HotKey{0x25, 0x0007})) << "the extended flag is no modifier";
    EXPECT_EQ(FromHotKeyControl(0x0600), HotKey{}) << "modifiers alone are no key";
    EXPECT_EQ(HotKeyControlValue({0x31, 0x0007}), 0x0731u);
    EXPECT_EQ(HotKeyControlValue({0x25}), 0x0825u) << "an arrow is shown as the arrow, not the pad's 4";
    EXPECT_EQ(HotKeyControlValue({0x70, 0x0008}), 0x0070u) << "the control has no Win key";
}
