// What a mouse move repaints with the freehand pen: the new segment wherever it goes,
// and nothing back to where the stroke began.
#include "PenFixture.h"

#include "ui/Handles.h"

using PenRepaintTest = PenTest;

TEST_F(PenRepaintTest, FreehandMoveRepaintsItsSegmentAndNotTheStrokesStart) {
    PenWindow& pen = OpenPen();
    ASSERT_EQ(pen.Tool(), pen::DrawTool::Pen);
    const HWND surface = pen.DrawingSurface().Handle();
    Press(100, 400);
    Move(300, 400);
    UpdateWindow(surface);
    Move(120, 440);  // turning back toward the start, below it
    ui::UniqueRegion dirty(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetUpdateRgn(surface, dirty.get(), FALSE), NULLREGION);
    for (const POINT p : {POINT{298, 401}, POINT{210, 420}, POINT{122, 439}})
        EXPECT_TRUE(PtInRegion(dirty.get(), p.x, p.y)) << p.x << "," << p.y << " on the new segment";
    EXPECT_FALSE(PtInRegion(dirty.get(), 100, 400)) << "the stroke's start is not repainted";
    Release(120, 440);

    UpdateWindow(surface);
    Press(500, 100);
    Move(900, 500);
    UpdateWindow(surface);
    Move(910, 505);
    RECT box{};
    ASSERT_TRUE(GetUpdateRect(surface, &box, FALSE));
    EXPECT_GE(box.left, 890) << "a short move far from the start repaints only around itself";
    EXPECT_GE(box.top, 490);
    Release(910, 505);
}
