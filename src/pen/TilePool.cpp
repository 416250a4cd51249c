#include "pen/TilePool.h"

#include <algorithm>
#include <functional>

namespace pen {
namespace {

// A megabyte a slab: big enough that the heap hands it straight from the system.
constexpr std::size_t kSlabBlocks = 64;
constexpr std::size_t kSlabPixels = kSlabBlocks * TilePool::kBlockPixels;

}  // namespace

void TileBlockReturn::operator()(std::uint32_t* block) const { TilePool::Shared().Give(block); }

TilePool& TilePool::Shared() {
    static TilePool pool;
    return pool;
}

TileBlock TilePool::Take() {
    std::lock_guard lock(mutex_);
    if (free_.empty()) {
        // Room for every block to come back, made before the slab: giving a block back
        // never allocates, and a failure here leaves the pool as it was.
        free_.reserve((slabs_.size() + 1) * kSlabBlocks);
        slabs_.reserve(slabs_.size() + 1);
        std::uint32_t* slab = slabs_.emplace_back(std::make_unique_for_overwrite<std::uint32_t[]>(kSlabPixels)).get();
        for (std::size_t i = kSlabBlocks; i-- > 0;) free_.push_back(slab + i * kBlockPixels);
    }
    std::uint32_t* block = free_.back();
    free_.pop_back();
    return TileBlock(block);
}

void TilePool::Give(std::uint32_t* block) {
    std::lock_guard lock(mutex_);
    free_.push_back(block);
}

void TilePool::Trim() {
    std::lock_guard lock(mutex_);
    std::sort(free_.begin(), free_.end(), std::less<>());
    std::erase_if(slabs_, [&](const std::unique_ptr<std::uint32_t[]>& slab) {
        const auto first = std::lower_bound(free_.begin(), free_.end(), slab.get(), std::less<>());
        const auto last = std::lower_bound(first, free_.end(), slab.get() + kSlabPixels, std::less<>());
        if (static_cast<std::size_t>(last - first) != kSlabBlocks) return false;
        free_.erase(first, last);
        return true;
    });
}

std::size_t TilePool::HeldBlocks() const {
    std::lock_guard lock(mutex_);
    return slabs_.size() * kSlabBlocks;
}

}  // namespace pen
