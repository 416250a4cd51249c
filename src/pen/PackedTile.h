// The pixels of one kept tile, fixed once made. They are held as they are at first; the
// packer's thread (TilePacker) may deflate them later, after which reading them inflates
// them again. Reading and counting are safe while that thread packs the tile.
#pragma once
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "pen/TileCodec.h"
#include "pen/TilePool.h"

namespace pen {

class PackedTile {
public:
    // The first `count` pixels of `pixels`.
    PackedTile(TileBlock pixels, std::size_t count);
    PackedTile(const PackedTile&) = delete;
    PackedTile& operator=(const PackedTile&) = delete;

    // Calls `read(pixels)` with the tile's pixels, inflated through `inflater` if packed.
    template <typename Reader>
    void Read(TileInflater& inflater, Reader read) const {
        std::lock_guard lock(mutex_);
        read(pixels_ ? pixels_.get() : inflater.Unpack(packed_, count_));
    }
    // What the tile holds now: its pixels, or their deflated form once packed.
    std::size_t Bytes() const;
    // Deflates the pixels and lets them go, unless that would not make them smaller. Only
    // one thread packs a given tile.
    void Pack(TileDeflater& deflater);

private:
    const std::size_t count_;
    mutable std::mutex mutex_;
    // Written only by Pack, under the mutex; Pack reads the pixels without it, since
    // nothing else ever changes them.
    TileBlock pixels_;                  // none once packed
    PackedBytes packed_;                // empty until packed
    bool tried_ = false;                // packed, or found not to get smaller
};

}  // namespace pen
