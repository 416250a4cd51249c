#include "pen/Drawing.h"

#include <algorithm>
#include <utility>

#include "pen/InkPixels.h"
#include "pen/Stretch.h"

namespace pen {
namespace {

// Two full-screen bitmaps of history.
std::size_t HistoryBytes(const PixelPlane& surface) {
    return std::size_t{2} * 4 * static_cast<std::size_t>(surface.width) * surface.height;
}

}  // namespace

Drawing::Drawing(std::function<PixelPlane()> surface)
    : surface_(std::move(surface)),
      background_(surface_().width, surface_().height),
      history_(surface_().width, surface_().height, HistoryBytes(surface_())) {}

void Drawing::SurfaceResized() {
    const PixelPlane surface = surface_();
    background_ = PixelTiles(surface.width, surface.height);
    history_ = UndoHistory(surface.width, surface.height, HistoryBytes(surface));
}

void Drawing::BeforeFigure(Rect area) {
    const PixelPlane surface = surface_();
    history_.Touch(surface, area);
    background_.Keep(surface, area);
}

void Drawing::Erase(Rect area, Point from, Point to, int size) {
    const PixelPlane surface = surface_();
    history_.Touch(surface, area);
    for (const Rect& part : EraserSweep(from, to, size)) background_.Restore(surface, part);
}

Rect Drawing::EraseAll() {
    const PixelPlane surface = surface_();
    const Rect whole{0, 0, surface.width, surface.height};
    history_.Touch(surface, whole);
    background_.Restore(surface, whole);
    history_.SetMarks(0);
    FinishStep();
    return whole;
}

void Drawing::FinishStep() {
    const PixelPlane surface = surface_();
    history_.Finish(surface);
    // Rubber bands that came and went left kept tiles equal to the surface.
    background_.DropUnchanged(surface);
}

void Drawing::ShowKept(const PixelPlane& picture, std::uint32_t margin) {
    CopyStep([&] {
        const PixelPlane surface = surface_();
        const Rect whole{0, 0, surface.width, surface.height};
        const Rect target = FitCentred({picture.width, picture.height}, {surface.width, surface.height});
        if (target != whole)
            std::fill(surface.bits, surface.bits + static_cast<std::size_t>(surface.width) * surface.height, margin);
        Stretch(picture, {0, 0, picture.width, picture.height}, surface, target);
        history_.MarkKeptPicture();
    });
}

bool Drawing::LayInk(const PixelPlane& ink) {
    const PixelPlane surface = surface_();
    if (ink.width != surface.width || ink.height != surface.height) return false;
    BeforeFigure({0, 0, surface.width, surface.height});
    pen::LayInk(surface, ink);
    FinishStep();
    return true;
}

void Drawing::StartAfresh() {
    history_.Clear();
    background_.Clear();
}

void Drawing::Release() {
    StartAfresh();
    zoomScratch_.Release();
}

}  // namespace pen
