// Hot-key ids, the dispatch key, and where the pointer effects stand.
#include <gtest/gtest.h>

#include "app/HotKeyTable.h"
#include "effects/PointerPlacement.h"
#include "ui/ErrorText.h"

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

TEST(PlacementRules, FollowerAndHaloCorners) {
    EXPECT_EQ(FollowerOrigin({300, 200}, 0), (ScreenPoint{300, 200}));
    EXPECT_EQ(FollowerOrigin({300, 200}, 130), (ScreenPoint{170, 70}));
    EXPECT_EQ(FollowerOrigin({10, 5}, 65), (ScreenPoint{-55, -60}));
    EXPECT_EQ(HaloOrigin({400, 300}, 101), (ScreenPoint{350, 250}));
    EXPECT_EQ(HaloOrigin({400, 300}, 0), (ScreenPoint{400, 300}));
    EXPECT_EQ(HaloOrigin({400, 300}, -5), (ScreenPoint{402, 302})) << "halving rounds toward zero";
}

TEST(PlacementRules, ArrowSteps) {
    EXPECT_EQ(ArrowStep(0x25), (ScreenPoint{-10, 0}));
    EXPECT_EQ(ArrowStep(0x27), (ScreenPoint{10, 0}));
    EXPECT_EQ(ArrowStep(0x26), (ScreenPoint{0, -10}));
    EXPECT_EQ(ArrowStep(0x28), (ScreenPoint{0, 10}));
    EXPECT_EQ(ArrowStep(0x74), (ScreenPoint{0, 0}));
}

TEST(ErrorTextRules, FullStopUnlessTheTextEndsLowEnough) {
    EXPECT_EQ(ui::WithFullStop(L"Bad value"), L"Bad value.");
    EXPECT_EQ(ui::WithFullStop(L""), L"");
    EXPECT_EQ(ui::WithFullStop(L"Done."), L"Done.");
    EXPECT_EQ(ui::WithFullStop(L"ends with a comma,"), L"ends with a comma,");
    EXPECT_EQ(ui::WithFullStop(L"path\\name"), L"path\\name.") << "'\\\\' sorts above '.'";
    EXPECT_EQ(ui::WithFullStop(L"value is 7"), L"value is 7.");
    EXPECT_EQ(ui::WithFullStop(L"中文"), L"中文.");
    EXPECT_EQ(ui::WithFullStop(L"line\r"), L"line\r");
}
