#include "pen/ZoomStep.h"

#include <algorithm>
#include <cstdint>

#include "pen/Stretch.h"
#include "pen/Zoom.h"

namespace pen {
namespace {

// The part of the zoomed surface that the source's `area` reaches, a pixel more each way
// for the blending, widened to whole tiles: every tile the background keeps of it is then
// zoomed whole.
Rect ReachedTiles(Rect area, Rect source, Size size) {
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    const auto along = [](int at, int start, int part, int whole) {
        return static_cast<int>(std::int64_t{at - start} * whole / part);
    };
    const int side = PixelTiles::kTileSide;
    const int left = std::max(0, along(area.left - 1, source.left, sw, size.width)) / side * side;
    const int top = std::max(0, along(area.top - 1, source.top, sh, size.height)) / side * side;
    const int right = std::min(size.width, (along(area.right + 1, source.left, sw, size.width) + side) / side * side);
    const int bottom =
        std::min(size.height, (along(area.bottom + 1, source.top, sh, size.height) + side) / side * side);
    return {left, top, right, bottom};
}

}  // namespace

bool ZoomIn(const PixelPlane& surface, PixelTiles& background, UndoHistory& history, Point pointer,
            ZoomScratch& scratch) {
    const int level = history.ZoomLevel();
    if (level >= kMostZoomLevel) return false;
    const Size size{surface.width, surface.height};
    const Rect whole{0, 0, size.width, size.height};
    const Rect source = ZoomSource(size, pointer, level);
    scratch.before.assign(surface.bits, surface.bits + static_cast<std::size_t>(size.width) * size.height);
    const PixelPlane before{scratch.before.data(), size.width, size.height};
    // The picture beneath the drawing, where the drawing covers it: the step takes the
    // background's tiles, which this copy of the set shares.
    const Rect covered = background.KeptArea();
    const PixelTiles beneath = background;
    history.BeginCopy(surface, whole, background);
    history.SetZoomLevel(level + 1);
    Stretch(before, source, surface, whole);
    if (!covered.Empty()) {
        // The copy of the surface has done its part: with the picture beneath put back in
        // it, it is zoomed again, as far as the zoomed drawing can cover it.
        beneath.Restore(before, covered);
        const Rect reach = ReachedTiles(covered, source, size);
        scratch.ground.resize(scratch.before.size());
        const PixelPlane ground{scratch.ground.data(), size.width, size.height};
        Stretch(before, source, ground, whole, reach);
        background.KeepWhereDifferent(ground, surface, reach);
    }
    history.Finish(surface);
    return true;
}

}  // namespace pen
