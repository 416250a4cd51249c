#include "pen/PackedTile.h"

#include <utility>

namespace pen {

PackedTile::PackedTile(std::vector<std::uint32_t> pixels) : count_(pixels.size()), pixels_(std::move(pixels)) {}

std::size_t PackedTile::Bytes() const {
    std::lock_guard lock(mutex_);
    return pixels_.size() * sizeof(std::uint32_t) + packed_.size();
}

void PackedTile::Pack(TileDeflater& deflater) {
    {
        std::lock_guard lock(mutex_);
        if (tried_) return;
    }
    std::vector<std::uint8_t> packed = deflater.Pack(pixels_.data(), count_);
    std::vector<std::uint32_t> released;
    std::lock_guard lock(mutex_);
    tried_ = true;
    if (packed.empty()) return;
    packed_ = std::move(packed);
    released.swap(pixels_);
}

}  // namespace pen
