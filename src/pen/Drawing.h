// The pen's picture as pixels, apart from any window: the surface drawn on (its pixels
// owned by the window), the background copy the eraser restores from, the undo history
// and the zoom. Every change is a step: the history and the background keep what it
// reaches before it changes the surface, and the step is finished once it is drawn.
#pragma once
#include <cstdint>
#include <functional>

#include "pen/FigureGeometry.h"
#include "pen/PixelTiles.h"
#include "pen/UndoHistory.h"
#include "pen/ZoomStep.h"

namespace pen {

class Drawing {
public:
    // On the surface `surface` gives, as it is at each call.
    explicit Drawing(std::function<PixelPlane()> surface);
    // The surface took another size: nothing of the old picture can be undone or erased back.
    void SurfaceResized();

    // Before a figure (or stamped text) is drawn within `area`: the background keeps what
    // it is about to cover.
    void BeforeFigure(Rect area);
    // The eraser swept from `from` to `to` with a square of half side `size`, reaching
    // `area`: the picture beneath comes back there.
    void Erase(Rect area, Point from, Point to, int size);
    // The number the next numbered mark shows; MarkDrawn counts one more within the step
    // that draws it.
    int NextMark() const { return history_.Marks() + 1; }
    void MarkDrawn() { history_.SetMarks(history_.Marks() + 1); }
    // Everything drawn taken away, as one step: the picture beneath comes back everywhere.
    // Returns what changed.
    Rect EraseAll();
    // Ends a drawing step: the history keeps it, the background forgets what came back.
    void FinishStep();

    // Each returns the part of the surface that changed (empty when nothing did).
    Rect Undo() { return history_.Undo(surface_(), background_); }
    Rect Redo() { return history_.Redo(surface_(), background_); }
    // The wheel: one level in around `pointer` (false at the last level), or back out.
    bool ZoomIn(Point pointer) { return pen::ZoomIn(surface_(), background_, history_, pointer, zoomScratch_); }
    Rect ZoomOut() { return pen::ZoomOut(surface_(), background_, history_, zoomScratch_); }

    // A step that puts a whole new picture on the surface, drawn by `copy`, undone as one.
    template <typename Copy>
    void CopyStep(Copy copy) {
        const PixelPlane surface = surface_();
        history_.BeginCopy(surface, {0, 0, surface.width, surface.height}, background_);
        copy();
        history_.SetZoomLevel(0);  // a whole new picture, not zoomed
        history_.SetMarks(0);      // and no numbered marks: the next is 1 again
        history_.Finish(surface);
    }
    // A kept drawing again, as one step: scaled to fit, centred on `margin` (black), where
    // its size differs from the surface's.
    void ShowKept(const PixelPlane& picture, std::uint32_t margin = 0);

    // Live ink's `ink` laid over the picture as one step; false, and nothing done, where
    // it has another size.
    bool LayInk(const PixelPlane& ink);

    // A new picture, with nothing to undo or erase back.
    void StartAfresh();
    // The pen closed: the working memory of its steps goes too.
    void Release();
    // Whether the picture is worth keeping as the pen closes: something was done since it
    // opened, and what it shows is not a kept drawing brought back unchanged.
    bool WorthKeeping() const { return history_.UndoCount() > 0 && !history_.ShowsKeptPicture(); }

    const PixelTiles& Background() const { return background_; }
    const UndoHistory& History() const { return history_; }
    // What the eraser restores at (x, y), as the surface holds it (0xAARRGGBB).
    std::uint32_t BackgroundPixel(int x, int y) const { return background_.PixelOver(surface_(), x, y); }

private:
    std::function<PixelPlane()> surface_;
    PixelTiles background_;
    UndoHistory history_;
    ZoomScratch zoomScratch_;
};

}  // namespace pen
