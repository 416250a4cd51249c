#include "pen/StrokeInput.h"

#include "pen/Figures.h"

void StrokeInput::Press(pen::DrawTool tool, int eraserSize, int x, int y) {
    tool_ = tool;
    eraserSize_ = eraserSize;
    active_ = true;
    surface_.GetCanvas().MoveTo(x, y);
    origin_ = current_ = {x, y};
}

void StrokeInput::Drag(int x, int y) {
    if (!active_) return;
    // Drawing the last rubber band again in not-xor mode takes it away.
    DrawShape(current_, ui::PenMode::NotXor);
    current_ = {x, y};
    DrawShape(current_, ui::PenMode::NotXor);
}

void StrokeInput::Release(int x, int y) {
    if (!active_) return;
    current_ = {x, y};
    DrawShape(current_, ui::PenMode::Copy);
    active_ = false;
    drawing_.FinishStep();
}

void StrokeInput::DrawShape(pen::Point current, ui::PenMode mode) {
    ui::Canvas& canvas = surface_.GetCanvas();
    canvas.SetPenMode(mode);
    const POINT penPos = canvas.PenPos();
    // The freehand pen and the eraser go on from where the last event left them.
    const bool alongPath = tool_ == pen::DrawTool::Pen || tool_ == pen::DrawTool::Eraser;
    const pen::Point from = alongPath ? pen::Point{penPos.x, penPos.y} : origin_;
    const pen::Rect touched = pen::FigureBounds(tool_, from, current, canvas.PenWidth(), eraserSize_);
    if (touched.Empty()) return;
    if (tool_ == pen::DrawTool::Eraser) {
        drawing_.Erase(touched, from, current, eraserSize_);
        canvas.MoveTo(current.x, current.y);
    } else {
        drawing_.BeforeFigure(touched);
        pen::DrawFigure(canvas, tool_, origin_, current);
    }
    changed_(RECT{touched.left, touched.top, touched.right, touched.bottom});
}
