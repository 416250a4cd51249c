#include "pen/UndoHistory.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace pen {

UndoHistory::UndoHistory(int width, int height, std::size_t byteLimit)
    : width_(width), height_(height), byteLimit_(byteLimit) {}

UndoHistory::Step& UndoHistory::Begin() {
    if (!pending_) {
        steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
        pending_.emplace(Step{PixelTiles(width_, height_), std::nullopt});
        pending_->zoomBefore = zoomLevel_;
        pending_->marksBefore = marks_;
    }
    return *pending_;
}

void UndoHistory::Touch(const PixelPlane& surface, Rect area) { Begin().surface.Keep(surface, area); }

void UndoHistory::BeginCopy(const PixelPlane& surface, Rect area, PixelTiles& background) {
    Step& step = Begin();
    step.surface.Keep(surface, area);
    PixelTiles taken(width_, height_);
    std::swap(taken, background);
    step.background = std::move(taken);
}

void UndoHistory::Finish(const PixelPlane& surface) {
    if (!pending_) return;
    Step step = std::move(*pending_);
    pending_.reset();
    step.zoomAfter = zoomLevel_;
    step.marksAfter = marks_;
    zoomLevel_ = step.zoomBefore;  // until the step is kept
    marks_ = step.marksBefore;
    step.surface.DropUnchanged(surface);
    if (step.Bytes() == 0) return;
    if (step.surface.Empty()) {
        // Only the background changed: there is nothing to see in undoing it alone. With
        // no step before it, nothing can be undone past it, so it need not be kept.
        if (done_ == 0) return;
        step.withPrevious = true;
    }
    zoomLevel_ = step.zoomAfter;
    marks_ = step.marksAfter;
    steps_.push_back(std::move(step));
    done_ = steps_.size();
    KeepWithinBound();
    if (steps_.empty()) return;
    // Handed over only now, so that keeping the bound never waits for this step.
    steps_.back().surface.PackWith(*packer_);
    if (steps_.back().background) steps_.back().background->PackWith(*packer_);
}

void UndoHistory::KeepWithinBound() {
    std::size_t total = Bytes();
    if (total > byteLimit_) {
        // The steps before may still be packing: what that frees is waited for, not dropped.
        packer_->Wait();
        total = Bytes();
    }
    while (total > byteLimit_ && !steps_.empty()) {
        // The oldest step goes with those that were to be undone together with it.
        do {
            total -= steps_.front().Bytes();
            steps_.pop_front();
            --done_;
        } while (!steps_.empty() && steps_.front().withPrevious);
    }
}

Rect UndoHistory::Trade(Step& step, const PixelPlane& surface, PixelTiles& background) {
    if (step.background) {
        std::swap(*step.background, background);
        // The eraser reads the background pixel by pixel: it gets its tiles unpacked.
        background.Unpack();
        step.background->PackWith(*packer_);
    } else {
        // The background stays as it was: where it still is the surface, it keeps a copy
        // before the surface changes under it.
        step.surface.KeepSameTiles(surface, background);
    }
    const Rect changed = step.surface.Exchange(surface);
    step.surface.PackWith(*packer_);
    return changed;
}

Rect UndoHistory::Undo(const PixelPlane& surface, PixelTiles& background) {
    Rect changed{};
    if (pending_) return changed;
    bool more = done_ > 0;
    while (more) {
        Step& step = steps_[--done_];
        changed = Union(changed, Trade(step, surface, background));
        zoomLevel_ = step.zoomBefore;
        marks_ = step.marksBefore;
        more = step.withPrevious && done_ > 0;
    }
    return changed;
}

Rect UndoHistory::Redo(const PixelPlane& surface, PixelTiles& background) {
    Rect changed{};
    if (pending_) return changed;
    bool more = done_ < steps_.size();
    while (more) {
        Step& step = steps_[done_++];
        changed = Union(changed, Trade(step, surface, background));
        zoomLevel_ = step.zoomAfter;
        marks_ = step.marksAfter;
        more = done_ < steps_.size() && steps_[done_].withPrevious;
    }
    return changed;
}

std::size_t UndoHistory::LastZoomStep() const {
    std::size_t zoom = done_;
    while (zoom > 0 && steps_[zoom - 1].zoomBefore >= zoomLevel_) --zoom;
    return zoom == 0 || pending_ ? done_ : zoom - 1;
}

Rect UndoHistory::UndoZoom(const PixelPlane& surface, PixelTiles& background) {
    Rect changed{};
    const std::size_t zoom = LastZoomStep();
    while (zoom < done_) changed = Union(changed, Undo(surface, background));
    return changed;
}

std::optional<UndoHistory::ZoomBack> UndoHistory::LastZoom() const {
    const std::size_t zoom = LastZoomStep();
    if (zoom == done_) return std::nullopt;
    const Step& step = steps_[zoom];
    ZoomBack back{step.zoomSource, step.zoomBefore, step.background.value_or(PixelTiles(width_, height_)), {}};
    for (std::size_t i = zoom + 1; i < done_; ++i) back.drawnSince = Union(back.drawnSince, steps_[i].surface.KeptArea());
    return back;
}

void UndoHistory::PicturesAroundLastZoom(const PixelPlane& surface, const PixelPlane& before,
                                         const PixelPlane& after) const {
    const std::size_t zoom = LastZoomStep();
    const std::size_t pixels = static_cast<std::size_t>(width_) * height_;
    std::copy_n(surface.bits, pixels, after.bits);
    // A done step's tiles hold the pixels from before it: going back step by step.
    const Rect whole{0, 0, width_, height_};
    for (std::size_t i = done_; i-- > zoom + 1;) steps_[i].surface.Restore(after, whole);
    std::copy_n(after.bits, pixels, before.bits);
    steps_[zoom].surface.Restore(before, whole);
}

bool UndoHistory::ShowsKeptPicture() const {
    std::size_t last = done_;
    while (last > 0 && steps_[last - 1].withPrevious) --last;
    return last > 0 && steps_[last - 1].keptPicture;
}

void UndoHistory::Clear() {
    steps_.clear();
    done_ = 0;
    pending_.reset();
    zoomLevel_ = 0;
    marks_ = 0;
}

std::size_t UndoHistory::Bytes() const {
    std::size_t total = pending_ ? pending_->Bytes() : 0;
    for (const Step& step : steps_) total += step.Bytes();
    return total;
}

}  // namespace pen
