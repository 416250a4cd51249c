#include "pen/PixelTiles.h"

#include <algorithm>
#include <cstring>

namespace pen {
namespace {

Rect Intersection(Rect a, Rect b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

std::uint32_t* Row(const PixelPlane& plane, int x, int y) {
    return plane.bits + static_cast<std::size_t>(y) * plane.width + x;
}

// Calls `row(planeRow, tileRow, count)` for each row of the tile `r` (the tile's own
// pixels start at its top-left corner).
template <typename Tile, typename RowFn>
void ForRows(const PixelPlane& plane, Rect r, Tile* tile, RowFn row) {
    const int w = r.right - r.left;
    for (int y = r.top; y < r.bottom; ++y)
        row(Row(plane, r.left, y), tile + static_cast<std::size_t>(y - r.top) * w, w);
}

}  // namespace

PixelTiles::PixelTiles(int width, int height)
    : width_(width), height_(height), columns_((width + kTileSide - 1) / kTileSide) {}

Rect PixelTiles::TileRect(int index) const {
    const int left = index % columns_ * kTileSide, top = index / columns_ * kTileSide;
    return {left, top, std::min(left + kTileSide, width_), std::min(top + kTileSide, height_)};
}

std::vector<int> PixelTiles::TilesMeeting(Rect area) const {
    const Rect r = Intersection(area, {0, 0, width_, height_});
    std::vector<int> found;
    if (r.Empty()) return found;
    for (int row = r.top / kTileSide; row <= (r.bottom - 1) / kTileSide; ++row)
        for (int column = r.left / kTileSide; column <= (r.right - 1) / kTileSide; ++column)
            found.push_back(row * columns_ + column);
    return found;
}

void PixelTiles::Keep(const PixelPlane& plane, Rect area) {
    for (int index : TilesMeeting(area)) {
        if (tiles_.count(index)) continue;
        const Rect r = TileRect(index);
        std::vector<std::uint32_t> copy(static_cast<std::size_t>(r.right - r.left) * (r.bottom - r.top));
        ForRows(plane, r, copy.data(), [](std::uint32_t* from, std::uint32_t* to, int n) { std::copy_n(from, n, to); });
        bytes_ += copy.size() * sizeof(std::uint32_t);
        tiles_.emplace(index, std::move(copy));
    }
}

void PixelTiles::Restore(const PixelPlane& plane, Rect area) const {
    for (int index : TilesMeeting(area)) {
        const auto kept = tiles_.find(index);
        if (kept == tiles_.end()) continue;
        const Rect tile = TileRect(index);
        const Rect r = Intersection(tile, area);
        const int w = tile.right - tile.left;
        for (int y = r.top; y < r.bottom; ++y)
            std::copy_n(kept->second.data() + static_cast<std::size_t>(y - tile.top) * w + (r.left - tile.left),
                        r.right - r.left, Row(plane, r.left, y));
    }
}

Rect PixelTiles::Exchange(const PixelPlane& plane) {
    Rect changed{};
    for (auto& [index, pixels] : tiles_) {
        const Rect r = TileRect(index);
        ForRows(plane, r, pixels.data(),
                [](std::uint32_t* live, std::uint32_t* kept, int n) { std::swap_ranges(live, live + n, kept); });
        changed = Union(changed, r);
    }
    return changed;
}

void PixelTiles::KeepSameTiles(const PixelPlane& plane, PixelTiles& other) const {
    for (const auto& kept : tiles_) other.Keep(plane, TileRect(kept.first));
}

void PixelTiles::DropUnchanged(const PixelPlane& plane) {
    for (auto it = tiles_.begin(); it != tiles_.end();) {
        bool same = true;
        ForRows(plane, TileRect(it->first), it->second.data(),
                [&same](std::uint32_t* live, std::uint32_t* kept, int n) {
                    same = same && std::memcmp(live, kept, n * sizeof(std::uint32_t)) == 0;
                });
        if (!same) {
            ++it;
            continue;
        }
        bytes_ -= it->second.size() * sizeof(std::uint32_t);
        it = tiles_.erase(it);
    }
}

std::uint32_t PixelTiles::PixelOver(const PixelPlane& plane, int x, int y) const {
    const int index = y / kTileSide * columns_ + x / kTileSide;
    const auto kept = tiles_.find(index);
    if (kept == tiles_.end()) return *Row(plane, x, y);
    const Rect r = TileRect(index);
    return kept->second[static_cast<std::size_t>(y - r.top) * (r.right - r.left) + (x - r.left)];
}

void PixelTiles::Clear() {
    tiles_.clear();
    bytes_ = 0;
}

}  // namespace pen
