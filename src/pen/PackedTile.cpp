#include "pen/PackedTile.h"

#include <utility>

namespace pen {

PackedTile::PackedTile(TileBlock pixels, std::size_t count) : count_(count), pixels_(std::move(pixels)) {}

std::size_t PackedTile::Bytes() const {
    std::lock_guard lock(mutex_);
    return (pixels_ ? count_ * sizeof(std::uint32_t) : 0) + packed_.size();
}

void PackedTile::Pack(TileDeflater& deflater) {
    {
        std::lock_guard lock(mutex_);
        if (tried_) return;
    }
    PackedBytes packed = deflater.Pack(pixels_.get(), count_);
    TileBlock released;
    std::lock_guard lock(mutex_);
    tried_ = true;
    if (packed.empty()) return;
    packed_ = std::move(packed);
    released = std::move(pixels_);
}

}  // namespace pen
