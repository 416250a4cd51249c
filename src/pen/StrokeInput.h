// Drawing with the mouse: a press starts a figure of the chosen tool, each drag shows it
// as a rubber band (drawn in not-xor mode, so drawing it again takes it away; the freehand
// pen and the eraser go on along the path instead), and the release draws it for good and
// ends the step.
#pragma once
#include "pen/DrawTool.h"
#include "pen/Drawing.h"
#include "pen/FigureGeometry.h"
#include <functional>
#include <optional>

#include "ui/CanvasStyles.h"
#include "ui/Surface.h"

class StrokeInput {
public:
    // Draws on `surface`, whose pixels `drawing` keeps the steps of; `changed` shows each
    // part of it that changed.
    StrokeInput(ui::Surface& surface, pen::Drawing& drawing, std::function<void(const RECT&)> changed)
        : surface_(surface), drawing_(drawing), changed_(std::move(changed)) {}

    // A figure of `tool` begins at (x, y); the eraser's square has half side `eraserSize`.
    // A numbered mark is put there at once, with no drag.
    // With Shift held on a drag or the release, lines and figures snap (see Snapping.h)
    // and freehand draws a straight segment from where Shift went down.
    void Press(pen::DrawTool tool, int eraserSize, int x, int y);
    void Drag(int x, int y);
    void Release(int x, int y);
    // Between a press and its release.
    bool Active() const { return active_; }
    // Where the surface holds no picture to combine with (live ink), the highlighter
    // marks its pixels in `marking`, in copy mode, for the caller to colour them.
    void MarkHighlighter(COLORREF marking) { marking_ = marking; }

private:
    void DrawShape(pen::Point current, ui::PenMode mode);
    // A numbered mark round `centre`: a step of its own, at once.
    void PutMark(pen::Point centre);
    // Where a drag or release at (x, y) ends, with Shift held or not.
    pen::Point EndAt(int x, int y) const;
    // Freehand: on from the last point, or straight while Shift is held.
    void DragFreehand(pen::Point to, bool straight);
    void DrawStraight(pen::Point to, ui::PenMode mode);
    // The straight segment drawn for good, and freehand goes on from its end.
    void EndStraight();

    ui::Surface& surface_;
    pen::Drawing& drawing_;
    std::function<void(const RECT&)> changed_;
    pen::DrawTool tool_ = pen::DrawTool::Pen;
    int eraserSize_ = 0;
    int penWidth_ = 0;  // the pen's width and colour, while the highlighter draws its own
    ui::Color penColor_ = 0;
    std::optional<COLORREF> marking_;
    bool active_ = false;
    pen::Point origin_;
    pen::Point current_;
    std::optional<pen::Point> straightFrom_;  // freehand: where Shift went down
};
