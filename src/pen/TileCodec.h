// Deflate for the pixels of the tiles the pen keeps. Each tile is one raw deflate stream
// of its own, so any tile unpacks alone; a stream's state is made once and reset for each
// next tile, since making it costs more than packing a tile.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "pen/TilePool.h"

struct z_stream_s;

namespace pen {

class TileDeflater {
public:
    // The deflated bytes of `count` (at least one) pixels, or nothing when they would come
    // out no smaller. Throws std::bad_alloc when zlib cannot have its memory.
    PackedBytes Pack(const std::uint32_t* pixels, std::size_t count);

private:
    struct End {
        void operator()(z_stream_s* stream) const;
    };
    std::unique_ptr<z_stream_s, End> stream_;  // made with the first tile
    std::vector<std::uint8_t> out_;            // the last tile's stream, reused
};

class TileInflater {
public:
    // The `count` pixels that `packed` holds, valid until the next call. Throws ::Exception
    // when the bytes are not what TileDeflater made of that many pixels.
    const std::uint32_t* Unpack(const PackedBytes& packed, std::size_t count);

private:
    struct End {
        void operator()(z_stream_s* stream) const;
    };
    std::unique_ptr<z_stream_s, End> stream_;  // made with the first tile
    std::vector<std::uint32_t> pixels_;        // of the last tile, reused
};

}  // namespace pen
