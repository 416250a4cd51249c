// Hot-key ids and the key a hot-key message carries.
#include <gtest/gtest.h>

#include "base/HotKeyTable.h"

TEST(HotKeyRules, IdIsTheUnsignedAtomMinusTheKeysConstant) {
    EXPECT_EQ(HotKeyId(0xC0DE, hotkeys::F8), 0xDE);
    EXPECT_EQ(HotKeyId(0xC0DE, hotkeys::F5), 0xDE - 5);
    EXPECT_EQ(HotKeyId(0xC0DE, hotkeys::Down), 0xDE - 4);
    // An atom below the constant gives a negative id, not a wrapped unsigned one.
    EXPECT_EQ(HotKeyId(0xC002, hotkeys::F6), -4);
    // Only the low 16 bits of the atom count.
    EXPECT_EQ(HotKeyId(0x1C001, hotkeys::F7), 1);
}

TEST(HotKeyRules, KeyComesFromTheHighWordOnly) {
    EXPECT_EQ(HotKeyVirtualKey(0x00770000), 0x77u);
    EXPECT_EQ(HotKeyVirtualKey(0x0077FFFF), 0x77u) << "modifier bits are not looked at";
    EXPECT_EQ(HotKeyVirtualKey(static_cast<std::intptr_t>(0xFFFFFFFF001B0004ull)), 0x1Bu);
}

TEST(HotKeyRules, KeysOfOneWindowNeverShareAnIdOrAKey) {
    // A second registration under an id already used on the same window replaces the first.
    const HotKey follower[] = {hotkeys::F8,    hotkeys::F5, hotkeys::F6,  hotkeys::Left,
                               hotkeys::Right, hotkeys::Up, hotkeys::Down};
    for (std::size_t i = 0; i < std::size(follower); ++i) {
        for (std::size_t j = i + 1; j < std::size(follower); ++j) {
            EXPECT_NE(HotKeyId(0xC123, follower[i]), HotKeyId(0xC123, follower[j])) << i << " and " << j;
            EXPECT_NE(follower[i].virtualKey, follower[j].virtualKey) << i << " and " << j;
        }
    }
}
