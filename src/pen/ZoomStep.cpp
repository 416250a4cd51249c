#include "pen/ZoomStep.h"

#include <algorithm>
#include <cstdint>
#include <vector>

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

bool ZoomIn(const PixelPlane& surface, PixelTiles& background, UndoHistory& history, Point pointer) {
    const int level = history.ZoomLevel();
    if (level >= kMostZoomLevel) return false;
    const Size size{surface.width, surface.height};
    const Rect whole{0, 0, size.width, size.height};
    const Rect source = ZoomSource(size, pointer, level);
    std::vector<std::uint32_t> before(surface.bits, surface.bits + static_cast<std::size_t>(size.width) * size.height);
    const PixelPlane picture{before.data(), size.width, size.height};
    // The picture beneath the drawing, where the drawing covers it.
    const Rect covered = background.KeptArea();
    std::vector<std::uint32_t> ground;
    if (!covered.Empty()) {
        ground = before;
        background.Restore({ground.data(), size.width, size.height}, covered);
    }
    history.BeginCopy(surface, whole, background);
    history.SetZoomLevel(level + 1);
    Stretch(picture, source, surface, whole);
    if (!covered.Empty()) {
        // The copy of the surface before is not needed any more: it takes the zoomed ground.
        const Rect reach = ReachedTiles(covered, source, size);
        Stretch({ground.data(), size.width, size.height}, source, picture, whole, reach);
        background.Keep(picture, reach);
        background.DropUnchanged(surface);
    }
    history.Finish(surface);
    return true;
}

}  // namespace pen
