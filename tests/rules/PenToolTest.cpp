// The pen's tool rules that need no window: each tool's cursor, the board button's cycle,
// the text box's size and the pen that draws styled lines.
#include <gtest/gtest.h>

#include <string>

#include "pen/BoardCycle.h"
#include "pen/DrawTool.h"
#include "pen/TextBoxSize.h"
#include "ui/CanvasStyles.h"

using pen::DrawTool;

TEST(PenToolRules, EraserAndTextHaveTheirOwnCursors) {
    for (int t = 0; t <= static_cast<int>(DrawTool::Text); ++t) {
        const auto tool = static_cast<DrawTool>(t);
        const std::wstring expected = tool == DrawTool::Eraser ? L"pic\\gang\\ga.cur"
                                      : tool == DrawTool::Text ? L"pic\\gang\\beam_l.cur"
                                                               : L"pic\\gang\\gb.cur";
        EXPECT_EQ(pen::ToolCursorFile(tool), expected) << t;
    }
}

TEST(PenToolRules, BoardButtonCyclesWhiteBlackScreen) {
    using pen::NextBoard;
    NextBoard board = NextBoard::White;
    std::string seen;
    for (int press = 0; press < 4; ++press) {
        seen += board == NextBoard::White ? 'W' : board == NextBoard::Black ? 'B' : 'S';
        board = pen::After(board);
    }
    EXPECT_EQ(seen, "WBSW");
}

TEST(PenToolRules, TextFollowsThePenWidth) {
    const struct {
        int penWidth, textWidth, points, boxWidth;
    } cases[] = {{1, 0, 5, 25}, {5, 40, 25, 85}, {30, 7, 150, 177}};
    for (const auto& c : cases) {
        EXPECT_EQ(pen::TextPoints(c.penWidth), c.points) << c.penWidth;
        EXPECT_EQ(pen::TextBoxWidth(c.textWidth, c.penWidth), c.boxWidth) << c.penWidth;
    }
}

TEST(PenToolRules, StyledLinesWiderThanAPixelTakeTheFlatEndedPen) {
    using ui::PenStyle;
    for (PenStyle style : {PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot, PenStyle::DashDotDot}) {
        EXPECT_FALSE(ui::FlatEndedPen(style, 1)) << "one pixel wide, the plain pen shows the pattern";
        EXPECT_TRUE(ui::FlatEndedPen(style, 2));
        EXPECT_TRUE(ui::FlatEndedPen(style, 30));
    }
    EXPECT_FALSE(ui::FlatEndedPen(PenStyle::Solid, 5)) << "solid lines keep their round ends";
}
