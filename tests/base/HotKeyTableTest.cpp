// Hot-key ids, and which action a hot-key message stands for.
#include <gtest/gtest.h>

#include <vector>

#include "base/HotKeyTable.h"

namespace {

constexpr std::intptr_t Message(unsigned virtualKey, unsigned modifiers = 0) {
    return static_cast<std::intptr_t>((virtualKey << 16) | modifiers);
}

}  // namespace

TEST(HotKeyRules, IdIsTheUnsignedAtomMinusTheRowsNumber) {
    EXPECT_EQ(HotKeyId(0xC0DE, RowOf(HotKeyAction::Picture).subtrahend), 0xDE);
    EXPECT_EQ(HotKeyId(0xC0DE, RowOf(HotKeyAction::Click).subtrahend), 0xDE - 5);
    EXPECT_EQ(HotKeyId(0xC0DE, RowOf(HotKeyAction::Down).subtrahend), 0xDE - 4);
    // An atom below the number gives a negative id, not a wrapped unsigned one.
    EXPECT_EQ(HotKeyId(0xC002, RowOf(HotKeyAction::KeyboardMouse).subtrahend), -4);
    // Only the low 16 bits of the atom count.
    EXPECT_EQ(HotKeyId(0x1C008, RowOf(HotKeyAction::Halo).subtrahend), 1);
}

TEST(HotKeyRules, EveryActionHasOneRowAndNoTwoRowsShareAnIdOrAKey) {
    // All keys are registered on one window: a second registration under an id already
    // used there would replace the first.
    for (std::size_t i = 0; i < std::size(kHotKeyRows); ++i) {
        EXPECT_EQ(&RowOf(kHotKeyRows[i].action), &kHotKeyRows[i]) << i;
        for (std::size_t j = i + 1; j < std::size(kHotKeyRows); ++j) {
            EXPECT_NE(kHotKeyRows[i].action, kHotKeyRows[j].action) << i << " and " << j;
            EXPECT_NE(HotKeyId(0xC123, kHotKeyRows[i].subtrahend), HotKeyId(0xC123, kHotKeyRows[j].subtrahend))
                << i << " and " << j;
            EXPECT_NE(kHotKeyRows[i].key, kHotKeyRows[j].key) << i << " and " << j;
        }
    }
}

TEST(HotKeyRules, TheVirtualKeyPicksTheActionAndTheModifiersOnlyBetweenTwoOfOneKey) {
    std::vector<HeldKey> held{{HotKeyAction::Picture, {0x77}}, {HotKeyAction::Spotlight, {0x31, 7}}};
    EXPECT_EQ(ActionForMessage(held, Message(0x77)), HotKeyAction::Picture);
    EXPECT_EQ(ActionForMessage(held, Message(0x77, 0xFFFF)), HotKeyAction::Picture) << "modifiers alone decide nothing";
    EXPECT_EQ(ActionForMessage(held, Message(0x31)), HotKeyAction::Spotlight);
    EXPECT_EQ(ActionForMessage(held, static_cast<std::intptr_t>(0xFFFFFFFF00310007ull)), HotKeyAction::Spotlight)
        << "only the low 32 bits carry the key";
    EXPECT_EQ(ActionForMessage(held, Message(0x78)), std::nullopt) << "a key the program does not hold";

    held.push_back({HotKeyAction::Halo, {0x31, 2}});
    EXPECT_EQ(ActionForMessage(held, Message(0x31, 2)), HotKeyAction::Halo);
    EXPECT_EQ(ActionForMessage(held, Message(0x31, 7)), HotKeyAction::Spotlight);
    EXPECT_EQ(ActionForMessage(held, Message(0x31, 1)), HotKeyAction::Spotlight) << "no exact match: the first held";
}
