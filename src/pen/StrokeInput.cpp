#include "pen/StrokeInput.h"

#include "pen/Figures.h"
#include "pen/NumberMarks.h"
#include "pen/Snapping.h"

void StrokeInput::Press(pen::DrawTool tool, int eraserSize, int x, int y) {
    if (tool == pen::DrawTool::NumberMark) {
        PutMark({x, y});
        return;
    }
    tool_ = tool;
    eraserSize_ = eraserSize;
    active_ = true;
    straightFrom_.reset();
    ui::Canvas& canvas = surface_.GetCanvas();
    if (tool == pen::DrawTool::Highlighter) {
        penWidth_ = canvas.PenWidth();
        penColor_ = canvas.PenColor();
        canvas.SetPenWidth(penWidth_ * pen::kHighlighterWidthFactor);
        if (marking_) canvas.SetPenColor(static_cast<ui::Color>(*marking_));
    }
    canvas.MoveTo(x, y);
    origin_ = current_ = {x, y};
}

void StrokeInput::PutMark(pen::Point centre) {
    ui::Canvas& canvas = surface_.GetCanvas();
    const pen::Rect touched = pen::MarkBounds(centre, canvas.PenWidth());
    drawing_.BeforeFigure(touched);
    pen::DrawMark(canvas, centre, drawing_.NextMark());
    drawing_.MarkDrawn();
    drawing_.FinishStep();
    changed_(RECT{touched.left, touched.top, touched.right, touched.bottom});
}

pen::Point StrokeInput::EndAt(int x, int y) const {
    return GetKeyState(VK_SHIFT) < 0 ? pen::Snapped(tool_, origin_, {x, y}) : pen::Point{x, y};
}

void StrokeInput::Drag(int x, int y) {
    if (!active_) return;
    if (tool_ == pen::DrawTool::Pen) {
        DragFreehand({x, y}, GetKeyState(VK_SHIFT) < 0);
        return;
    }
    // Drawing the last rubber band again in not-xor mode takes it away.
    DrawShape(current_, ui::PenMode::NotXor);
    current_ = EndAt(x, y);
    DrawShape(current_, ui::PenMode::NotXor);
}

void StrokeInput::Release(int x, int y) {
    if (!active_) return;
    if (tool_ == pen::DrawTool::Pen && (straightFrom_ || GetKeyState(VK_SHIFT) < 0)) {
        DragFreehand({x, y}, true);
        EndStraight();
    } else {
        current_ = EndAt(x, y);
        DrawShape(current_, ui::PenMode::Copy);
    }
    active_ = false;
    if (tool_ == pen::DrawTool::Highlighter) {
        surface_.GetCanvas().SetPenWidth(penWidth_);
        surface_.GetCanvas().SetPenColor(penColor_);
    }
    drawing_.FinishStep();
}

void StrokeInput::DragFreehand(pen::Point to, bool straight) {
    if (!straight) {
        if (straightFrom_) EndStraight();
        current_ = to;
        DrawShape(current_, ui::PenMode::Copy);
        return;
    }
    // A rubber band from where Shift went down, as a line's.
    if (straightFrom_)
        DrawStraight(current_, ui::PenMode::NotXor);
    else
        straightFrom_ = current_;
    current_ = to;
    DrawStraight(current_, ui::PenMode::NotXor);
}

void StrokeInput::DrawStraight(pen::Point to, ui::PenMode mode) {
    ui::Canvas& canvas = surface_.GetCanvas();
    canvas.SetPenMode(mode);
    const pen::Rect touched = pen::FigureBounds(pen::DrawTool::Line, *straightFrom_, to, canvas.PenWidth(), 0);
    drawing_.BeforeFigure(touched);
    pen::DrawFigure(canvas, pen::DrawTool::Line, *straightFrom_, to);
    changed_(RECT{touched.left, touched.top, touched.right, touched.bottom});
}

void StrokeInput::EndStraight() {
    DrawStraight(current_, ui::PenMode::NotXor);
    DrawStraight(current_, ui::PenMode::Copy);
    surface_.GetCanvas().MoveTo(current_.x, current_.y);
    straightFrom_.reset();
}

void StrokeInput::DrawShape(pen::Point current, ui::PenMode mode) {
    ui::Canvas& canvas = surface_.GetCanvas();
    canvas.SetPenMode(mode);
    const POINT penPos = canvas.PenPos();
    // The freehand pen and the eraser go on from where the last event left them.
    const bool alongPath =
        tool_ == pen::DrawTool::Pen || tool_ == pen::DrawTool::Eraser || tool_ == pen::DrawTool::Highlighter;
    const pen::Point from = alongPath ? pen::Point{penPos.x, penPos.y} : origin_;
    const pen::Rect touched = pen::FigureBounds(tool_, from, current, canvas.PenWidth(), eraserSize_);
    if (touched.Empty()) return;
    if (tool_ == pen::DrawTool::Eraser) {
        drawing_.Erase(touched, from, current, eraserSize_);
        canvas.MoveTo(current.x, current.y);
    } else {
        drawing_.BeforeFigure(touched);
        // Marking, the highlighter draws as the freehand pen does, in copy mode.
        const bool marking = marking_ && tool_ == pen::DrawTool::Highlighter;
        pen::DrawFigure(canvas, marking ? pen::DrawTool::Pen : tool_, origin_, current);
    }
    changed_(RECT{touched.left, touched.top, touched.right, touched.bottom});
}
