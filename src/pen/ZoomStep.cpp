#include "pen/ZoomStep.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "pen/Stretch.h"
#include "pen/Zoom.h"

namespace pen {
namespace {

// Along one side: the first pixel of the zoomed surface (of `whole` pixels) that pixel
// `at` of the source (starting at `start`, `part` pixels long) was scaled up to.
int Zoomed(int at, int start, int part, int whole) {
    return static_cast<int>(std::int64_t{at - start} * whole / part);
}

// The part of the zoomed surface that the source's `area` reaches, a pixel more each way
// for the blending, widened to whole tiles: every tile the background keeps of it is then
// zoomed whole.
Rect ReachedTiles(Rect area, Rect source, Size size) {
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    const auto along = Zoomed;
    const int side = PixelTiles::kTileSide;
    const int left = std::max(0, along(area.left - 1, source.left, sw, size.width)) / side * side;
    const int top = std::max(0, along(area.top - 1, source.top, sh, size.height)) / side * side;
    const int right = std::min(size.width, (along(area.right + 1, source.left, sw, size.width) + side) / side * side);
    const int bottom =
        std::min(size.height, (along(area.bottom + 1, source.top, sh, size.height) + side) / side * side);
    return {left, top, right, bottom};
}

// The part of the picture before a zoom step from `source` that `area` of the zoomed
// surface (of `size`) was scaled up from.
Rect ShrunkArea(Rect area, Rect source, Size size) {
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    const auto start = [](int at, int first, int part, int whole) {
        return first + static_cast<int>(std::int64_t{at} * part / whole);
    };
    const auto end = [](int at, int first, int part, int whole) {
        return first + static_cast<int>((std::int64_t{at} * part + whole - 1) / whole);
    };
    return {start(area.left, source.left, sw, size.width), start(area.top, source.top, sh, size.height),
            end(area.right, source.left, sw, size.width), end(area.bottom, source.top, sh, size.height)};
}

// Writes into `into`, within `target`, each pixel of `source` whose zoomed pixels changed
// between `undrawn` and `drawn`: the drawn colour at the middle of those pixels if it
// changed there, else the first changed one.
void ShrinkDrawing(const PixelPlane& drawn, const PixelPlane& undrawn, Rect target, Rect source,
                   const PixelPlane& into) {
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    const int w = drawn.width, h = drawn.height;
    for (int ty = target.top; ty < target.bottom; ++ty) {
        const int y0 = Zoomed(ty, source.top, sh, h);
        const int y1 = std::min(h, std::max(y0 + 1, Zoomed(ty + 1, source.top, sh, h)));
        for (int tx = target.left; tx < target.right; ++tx) {
            const int x0 = Zoomed(tx, source.left, sw, w);
            const int x1 = std::min(w, std::max(x0 + 1, Zoomed(tx + 1, source.left, sw, w)));
            // The middle first, then the rest of the footprint.
            std::optional<std::size_t> found;
            const std::size_t middle = static_cast<std::size_t>((y0 + y1 - 1) / 2) * w + (x0 + x1 - 1) / 2;
            if (drawn.bits[middle] != undrawn.bits[middle]) found = middle;
            for (int y = y0; y < y1 && !found; ++y)
                for (int x = x0; x < x1 && !found; ++x) {
                    const std::size_t i = static_cast<std::size_t>(y) * w + x;
                    if (drawn.bits[i] != undrawn.bits[i]) found = i;
                }
            if (found) into.bits[static_cast<std::size_t>(ty) * into.width + tx] = drawn.bits[*found];
        }
    }
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
    history.SetZoomSource(source);
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

Rect ZoomOut(const PixelPlane& surface, PixelTiles& background, UndoHistory& history, ZoomScratch& scratch) {
    std::optional<UndoHistory::ZoomBack> zoom = history.LastZoom();
    if (!zoom) return {};
    if (zoom->drawnSince.Empty()) return history.UndoZoom(surface, background);
    const std::size_t pixels = static_cast<std::size_t>(surface.width) * surface.height;
    scratch.before.resize(pixels);
    scratch.ground.resize(pixels);
    const PixelPlane before{scratch.before.data(), surface.width, surface.height};
    const PixelPlane after{scratch.ground.data(), surface.width, surface.height};
    history.PicturesAroundLastZoom(surface, before, after);
    // What the eraser restores: as before the zoom, and beneath what comes down from it
    // the picture as it was there.
    PixelTiles ground = std::move(zoom->background);
    const Rect whole{0, 0, surface.width, surface.height};
    const Rect target = ShrunkArea(zoom->drawnSince, zoom->source, {surface.width, surface.height});
    ground.Keep(before, target);
    ShrinkDrawing(surface, after, target, zoom->source, before);
    history.BeginCopy(surface, whole, background);
    history.SetZoomLevel(zoom->level);
    std::copy_n(before.bits, pixels, surface.bits);
    background = std::move(ground);
    background.DropUnchanged(surface);
    background.Unpack();
    history.Finish(surface);
    return whole;
}

}  // namespace pen
