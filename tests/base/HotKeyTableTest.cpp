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
