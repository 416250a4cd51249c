// The pen's undo history. A step keeps only the tiles of the surface that it changed
// (their pixels before it while it is done, after it while it is undone), so undoing and
// redoing trade those tiles with the surface. A step that copies a whole picture over
// the surface (refresh, a board, stamped text) also takes over the background copy's
// kept tiles, since after it the background is the surface again. A copy that shows no
// change (a text press with nothing typed) goes with the step before it.
// A finished step's tiles are deflated on the packer's thread, and so are the tiles an
// undo or redo has just traded, so that neither waits for it.
#pragma once
#include <cstddef>
#include <deque>
#include <memory>
#include <optional>

#include "pen/PixelTiles.h"

namespace pen {

class UndoHistory {
public:
    // For a surface `width` by `height`; the steps together hold at most `byteLimit`
    // bytes, counted as they are held (deflated or not yet), the oldest dropped first.
    // The newest step counts in full until it is packed; the steps before it are waited
    // for rather than dropped while their packing would make room.
    UndoHistory(int width, int height, std::size_t byteLimit);

    // Before each change of a drawing step, with the area the change can reach. The first
    // call starts the step and forgets what could have been redone.
    void Touch(const PixelPlane& surface, Rect area);
    // Before a copy that changes the surface within `area` and leaves the background
    // equal to the surface: the step takes over the background's kept tiles.
    void BeginCopy(const PixelPlane& surface, Rect area, PixelTiles& background);
    // Ends the step begun by Touch or BeginCopy; a step that changed nothing is no step.
    void Finish(const PixelPlane& surface);

    // Take back the last done step, or bring back the last undone one. Each returns the
    // part of the surface that changed (empty when there was nothing to do).
    Rect Undo(const PixelPlane& surface, PixelTiles& background);
    Rect Redo(const PixelPlane& surface, PixelTiles& background);

    // How far the surface is zoomed in (see Zoom.h): each step keeps the level from before
    // it and after it, and undo and redo bring the level back with the pixels.
    int ZoomLevel() const { return zoomLevel_; }
    // Within a step: the level the surface is at once the step is done (0 after a new
    // picture). A step that turns out to change nothing leaves the level as it was.
    void SetZoomLevel(int level) { zoomLevel_ = level; }
    // Back to a lower level: undoes the last zoom step that raised the surface to the level
    // it is at, with every step after it (redo brings them back). Does nothing when no such
    // step is kept. Returns the part of the surface that changed.
    Rect UndoZoom(const PixelPlane& surface, PixelTiles& background);
    // Within a zoom step: the part of the surface before it that it scales up.
    void SetZoomSource(Rect source) { Begin().zoomSource = source; }

    // The last done step that raised the surface to the level it is at, as zooming out
    // needs it; nothing when no such step is kept.
    struct ZoomBack {
        Rect source;            // the part of the picture before the step that it scaled up
        int level = 0;          // the level before the step
        PixelTiles background;  // the background before the step
        Rect drawnSince;        // where the steps done after it changed the surface
    };
    std::optional<ZoomBack> LastZoom() const;
    // Draws the surface as it was before that step into `before`, and as the step left it
    // into `after` (planes of the surface's size).
    void PicturesAroundLastZoom(const PixelPlane& surface, const PixelPlane& before, const PixelPlane& after) const;

    // How many numbered marks the picture shows: each step keeps the count from before it
    // and after it, and undo and redo bring the count back. Within a step: the count once
    // it is done (0 after a new picture).
    int Marks() const { return marks_; }
    void SetMarks(int marks) {
        Begin();
        marks_ = marks;
    }

    // Within a step: it shows a kept drawing as it was kept.
    void MarkKeptPicture() { Begin().keptPicture = true; }
    // True while the last done step that changed the surface showed a kept drawing.
    bool ShowsKeptPicture() const;

    void Clear();
    std::size_t Bytes() const;
    // Returns once every step is packed, for those who measure the history.
    void WaitForPacking() const { packer_->Wait(); }
    // Steps as kept, those that go with the step before them counted on their own.
    std::size_t UndoCount() const { return done_; }
    std::size_t RedoCount() const { return steps_.size() - done_; }

private:
    struct Step {
        PixelTiles surface;
        std::optional<PixelTiles> background;  // only for copies
        bool withPrevious = false;             // undone and redone together with the step before
        int zoomBefore = 0;
        int zoomAfter = 0;
        int marksBefore = 0;
        int marksAfter = 0;
        Rect zoomSource{};         // only for zoom steps
        bool keptPicture = false;  // shows a kept drawing as it was kept
        std::size_t Bytes() const { return surface.Bytes() + (background ? background->Bytes() : 0); }
    };

    Step& Begin();
    void KeepWithinBound();
    Rect Trade(Step& step, const PixelPlane& surface, PixelTiles& background);
    // The index of the last done step that raised the surface to its level, or done_ when none is kept.
    std::size_t LastZoomStep() const;

    int width_;
    int height_;
    std::size_t byteLimit_;
    std::deque<Step> steps_;
    std::size_t done_ = 0;  // steps_[0, done_) can be undone, the rest redone
    std::optional<Step> pending_;
    int zoomLevel_ = 0;
    int marks_ = 0;
    std::unique_ptr<TilePacker> packer_ = std::make_unique<TilePacker>();
};

}  // namespace pen
