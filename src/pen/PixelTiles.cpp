#include "pen/PixelTiles.h"

#include <algorithm>
#include <cstring>

#include "pen/SecondThread.h"

namespace pen {
namespace {

// Fewer tiles are traded sooner than the work is shared with the second thread.
constexpr std::size_t kTilesToShare = 64;

Rect Intersection(Rect a, Rect b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

std::uint32_t* Row(const PixelPlane& plane, int x, int y) {
    return plane.bits + static_cast<std::size_t>(y) * plane.width + x;
}

// Calls `row(planeRow, tileRow, count)` for each row of the tile `r` (the tile's own
// pixels start at its top-left corner).
template <typename Pixel, typename RowFn>
void ForRows(const PixelPlane& plane, Rect r, Pixel* tile, RowFn row) {
    const int w = r.right - r.left;
    for (int y = r.top; y < r.bottom; ++y)
        row(Row(plane, r.left, y), tile + static_cast<std::size_t>(y - r.top) * w, w);
}

std::size_t PixelCount(Rect r) { return static_cast<std::size_t>(r.right - r.left) * (r.bottom - r.top); }

// A new tile of the plane's pixels of `r`, row by row.
std::shared_ptr<PackedTile> TileOf(const PixelPlane& plane, Rect r) {
    TileBlock copy = TilePool::Shared().Take();
    ForRows(plane, r, copy.get(), [](const std::uint32_t* from, std::uint32_t* to, int n) { std::copy_n(from, n, to); });
    return std::make_shared<PackedTile>(std::move(copy), PixelCount(r));
}

// Calls `each(i, inflater)` for every i below `count`. A whole screen of tiles takes one
// core a frame and more to inflate or compare: the second thread then takes half of them,
// with an inflater of its own.
template <typename Each>
void ForEachTile(std::size_t count, Each each) {
    const auto run = [&](std::size_t from, std::size_t to) {
        TileInflater inflater;
        for (std::size_t i = from; i < to; ++i) each(i, inflater);
    };
    if (count >= kTilesToShare) {
        const std::size_t middle = count / 2;
        InTwoHalves([&](int half) { half == 0 ? run(0, middle) : run(middle, count); });
    } else {
        run(0, count);
    }
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

void PixelTiles::Keep(const PixelPlane& plane, Rect area) { KeepTiles(plane, nullptr, area); }

void PixelTiles::KeepWhereDifferent(const PixelPlane& plane, const PixelPlane& other, Rect area) {
    KeepTiles(plane, &other, area);
}

void PixelTiles::KeepTiles(const PixelPlane& plane, const PixelPlane* unlessSameIn, Rect area) {
    std::vector<int> missing;
    for (int index : TilesMeeting(area))
        if (!tiles_.count(index)) missing.push_back(index);
    std::vector<std::shared_ptr<PackedTile>> made(missing.size());
    ForEachTile(missing.size(), [&](std::size_t i, TileInflater&) {
        const Rect r = TileRect(missing[i]);
        bool same = unlessSameIn != nullptr;
        for (int y = r.top; same && y < r.bottom; ++y)
            same = std::equal(Row(plane, r.left, y), Row(plane, r.right, y), Row(*unlessSameIn, r.left, y));
        if (!same) made[i] = TileOf(plane, r);
    });
    for (std::size_t i = 0; i < missing.size(); ++i)
        if (made[i]) tiles_.emplace(missing[i], std::move(made[i]));
}

void PixelTiles::Restore(const PixelPlane& plane, Rect area) const {
    TileInflater inflater;
    for (int index : TilesMeeting(area)) {
        const auto kept = tiles_.find(index);
        if (kept == tiles_.end()) continue;
        const Rect tile = TileRect(index);
        const Rect r = Intersection(tile, area);
        const int w = tile.right - tile.left;
        kept->second->Read(inflater, [&](const std::uint32_t* pixels) {
            for (int y = r.top; y < r.bottom; ++y)
                std::copy_n(pixels + static_cast<std::size_t>(y - tile.top) * w + (r.left - tile.left),
                            r.right - r.left, Row(plane, r.left, y));
        });
    }
}

Rect PixelTiles::Exchange(const PixelPlane& plane) {
    std::vector<Tiles::value_type*> kept;
    Rect changed{};
    for (auto& tile : tiles_) {
        kept.push_back(&tile);
        changed = Union(changed, TileRect(tile.first));
    }
    // Each tile is its own part of the plane and its own map entry.
    ForEachTile(kept.size(), [&](std::size_t i, TileInflater& inflater) {
        auto& [index, tile] = *kept[i];
        const Rect r = TileRect(index);
        std::shared_ptr<PackedTile> live = TileOf(plane, r);
        tile->Read(inflater, [&](const std::uint32_t* pixels) {
            ForRows(plane, r, pixels, [](std::uint32_t* to, const std::uint32_t* from, int n) { std::copy_n(from, n, to); });
        });
        tile = std::move(live);
    });
    return changed;
}

void PixelTiles::KeepSameTiles(const PixelPlane& plane, PixelTiles& other) const {
    for (const auto& kept : tiles_) other.Keep(plane, TileRect(kept.first));
}

void PixelTiles::DropUnchanged(const PixelPlane& plane) {
    std::vector<Tiles::iterator> kept;
    for (auto it = tiles_.begin(); it != tiles_.end(); ++it) kept.push_back(it);
    std::vector<char> same(kept.size(), 1);
    ForEachTile(kept.size(), [&](std::size_t i, TileInflater& inflater) {
        kept[i]->second->Read(inflater, [&](const std::uint32_t* pixels) {
            ForRows(plane, TileRect(kept[i]->first), pixels, [&](std::uint32_t* live, const std::uint32_t* copy, int n) {
                same[i] = same[i] && std::memcmp(live, copy, n * sizeof(std::uint32_t)) == 0;
            });
        });
    });
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (same[i]) tiles_.erase(kept[i]);
}

std::uint32_t PixelTiles::PixelOver(const PixelPlane& plane, int x, int y) const {
    const int index = y / kTileSide * columns_ + x / kTileSide;
    const auto kept = tiles_.find(index);
    if (kept == tiles_.end()) return *Row(plane, x, y);
    const Rect r = TileRect(index);
    std::uint32_t pixel = 0;
    TileInflater inflater;
    kept->second->Read(inflater, [&](const std::uint32_t* pixels) {
        pixel = pixels[static_cast<std::size_t>(y - r.top) * (r.right - r.left) + (x - r.left)];
    });
    return pixel;
}

void PixelTiles::PackWith(TilePacker& packer) const {
    std::vector<std::shared_ptr<PackedTile>> handed;
    handed.reserve(tiles_.size());
    for (const auto& kept : tiles_) handed.push_back(kept.second);
    packer.Hand(handed);
}

void PixelTiles::Unpack() {
    TileInflater inflater;
    for (auto& [index, tile] : tiles_) {
        const std::size_t count = PixelCount(TileRect(index));
        TileBlock copy = TilePool::Shared().Take();
        tile->Read(inflater, [&](const std::uint32_t* pixels) { std::copy_n(pixels, count, copy.get()); });
        tile = std::make_shared<PackedTile>(std::move(copy), count);
    }
}

Rect PixelTiles::KeptArea() const {
    Rect area{};
    for (const auto& kept : tiles_) area = Union(area, TileRect(kept.first));
    return area;
}

std::size_t PixelTiles::Bytes() const {
    std::size_t total = 0;
    for (const auto& kept : tiles_) total += kept.second->Bytes();
    return total;
}

}  // namespace pen
