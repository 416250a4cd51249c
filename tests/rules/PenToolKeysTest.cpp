// The pen's one-letter keys: each letter alone means its colour or command, with Shift a
// colour's letter the highlighter in it, with Ctrl or Alt nothing (those are the edit
// keys' and the other programs'), and the width keys
// stay within 1 to 30.
#include <gtest/gtest.h>

#include "pen/ToolKeys.h"

using pen::ToolKeyFor;
using pen::ToolKeyKind;

TEST(PenToolKeys, LettersAloneChooseColoursAndCommands) {
    struct Case {
        char key;
        ToolKeyKind kind;
        std::uint32_t rgb;
    };
    for (const Case& c : {Case{'R', ToolKeyKind::Colour, 0xFF0000}, Case{'G', ToolKeyKind::Colour, 0x00A000},
                          Case{'B', ToolKeyKind::Colour, 0x0000FF}, Case{'Y', ToolKeyKind::Colour, 0xFFFF00},
                          Case{'O', ToolKeyKind::Colour, 0xFF8000}, Case{'P', ToolKeyKind::Colour, 0xFF60C0},
                          Case{'E', ToolKeyKind::EraseAll, 0}, Case{'W', ToolKeyKind::WhiteBoard, 0},
                          Case{'K', ToolKeyKind::BlackBoard, 0}, Case{'T', ToolKeyKind::TextTool, 0}}) {
        const pen::ToolKey alone = ToolKeyFor(c.key, false, false, false);
        EXPECT_EQ(alone.kind, c.kind) << c.key;
        EXPECT_EQ(alone.rgb, c.rgb) << c.key;
        EXPECT_EQ(ToolKeyFor(c.key, true, false, false).kind, ToolKeyKind::None) << "Ctrl+" << c.key;
        const pen::ToolKey shifted = ToolKeyFor(c.key, false, true, false);
        EXPECT_EQ(shifted.kind, c.kind == ToolKeyKind::Colour ? ToolKeyKind::Highlight : ToolKeyKind::None)
            << "Shift+" << c.key;
        EXPECT_EQ(shifted.rgb, c.rgb) << "Shift+" << c.key;
        EXPECT_EQ(ToolKeyFor(c.key, false, false, true).kind, ToolKeyKind::None) << "Alt+" << c.key;
    }
    EXPECT_EQ(ToolKeyFor('Q', false, false, false).kind, ToolKeyKind::None);
}

TEST(PenToolKeys, CtrlUpAndDownStepTheWidthWithinOneToThirty) {
    EXPECT_EQ(ToolKeyFor(0x26, true, false, false).kind, ToolKeyKind::Wider);
    EXPECT_EQ(ToolKeyFor(0x28, true, false, false).kind, ToolKeyKind::Narrower);
    EXPECT_EQ(ToolKeyFor(0x26, false, false, false).kind, ToolKeyKind::None) << "Up alone scrolls, as ever";
    EXPECT_EQ(pen::WidthAfter(5, 1), 6);
    EXPECT_EQ(pen::WidthAfter(5, -3), 2);
    EXPECT_EQ(pen::WidthAfter(1, -1), 1);
    EXPECT_EQ(pen::WidthAfter(29, 3), 30);
}
