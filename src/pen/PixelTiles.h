// Copies of parts of a 32-bit bitmap, kept in square tiles: each tile is copied once,
// the first time something asks for it, so it holds what the bitmap showed then.
// The pen keeps its background copy this way (only where the drawing has covered the
// picture) and each undo step (only where the step changed the surface).
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "pen/FigureGeometry.h"

namespace pen {

// The pixels of a bitmap owned elsewhere, top row first, one 32-bit value each.
struct PixelPlane {
    std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
};

class PixelTiles {
public:
    static constexpr int kTileSide = 64;

    PixelTiles(int width, int height);

    // Copies every tile that meets `area` and has no copy yet.
    void Keep(const PixelPlane& plane, Rect area);
    // Writes the copied pixels inside `area` back; where no tile is kept the plane is left.
    void Restore(const PixelPlane& plane, Rect area) const;
    // Trades every kept tile with the plane's pixels at its place; returns the part of
    // the plane that changed hands (empty when nothing is kept).
    Rect Exchange(const PixelPlane& plane);
    // Keeps in `other` every tile kept here, as the plane shows it now.
    void KeepSameTiles(const PixelPlane& plane, PixelTiles& other) const;
    // Forgets the copies equal to what the plane shows now.
    void DropUnchanged(const PixelPlane& plane);
    // The kept pixel at (x, y), or the plane's own where the tile is not kept.
    std::uint32_t PixelOver(const PixelPlane& plane, int x, int y) const;

    bool Empty() const { return tiles_.empty(); }
    std::size_t Bytes() const { return bytes_; }
    void Clear();

private:
    Rect TileRect(int index) const;
    std::vector<int> TilesMeeting(Rect area) const;

    int width_;
    int height_;
    int columns_;
    std::map<int, std::vector<std::uint32_t>> tiles_;  // by tile number, row by row
    std::size_t bytes_ = 0;
};

}  // namespace pen
