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
    EXPECT_EQ(none.keys.size(), 8u) << "the arrows of the keyboard mouse are not for changing";

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
