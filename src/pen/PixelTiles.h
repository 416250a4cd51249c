// Copies of parts of a 32-bit bitmap, kept in square tiles: each tile is copied once,
// the first time something asks for it, so it holds what the bitmap showed then.
// The pen keeps its background copy this way (only where the drawing has covered the
// picture) and each undo step (only where the step changed the surface). The tiles of
// undo steps are handed to a TilePacker, which deflates them while they wait.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "pen/FigureGeometry.h"
#include "pen/PackedTile.h"
#include "pen/TilePacker.h"

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
    // Copies every tile that meets `area`, has no copy yet, and differs from `other`'s.
    void KeepWhereDifferent(const PixelPlane& plane, const PixelPlane& other, Rect area);
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

    // Hands every kept tile to `packer` to be deflated on its thread.
    void PackWith(TilePacker& packer) const;
    // Holds every tile unpacked and apart from the packer again, for tiles read often
    // (the eraser reads the background's pixel by pixel).
    void Unpack();

    bool Empty() const { return tiles_.empty(); }
    // The smallest rectangle holding every kept tile (empty when none is kept).
    Rect KeptArea() const;
    // What the tiles hold now, packed or not.
    std::size_t Bytes() const;
    void Clear() { tiles_.clear(); }

private:
    Rect TileRect(int index) const;
    std::vector<int> TilesMeeting(Rect area) const;
    // Keep and KeepWhereDifferent: `unlessSameIn` is the plane to compare with, if any.
    void KeepTiles(const PixelPlane& plane, const PixelPlane* unlessSameIn, Rect area);

    int width_;
    int height_;
    int columns_;
    // By tile number; each tile row by row. A tile is never changed once made, so tiles
    // may be shared with the packer's thread; trading one makes a new one.
    using Tiles = std::map<int, std::shared_ptr<PackedTile>>;
    Tiles tiles_;
};

}  // namespace pen
