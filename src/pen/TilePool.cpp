#include "pen/TilePool.h"

namespace pen {
namespace {

// A megabyte a slab: big enough that the heap hands it straight from the system.
constexpr std::size_t kSlabBlocks = 64;
constexpr std::size_t kSlabBytes = kSlabBlocks * TilePool::kBlockPixels * sizeof(std::uint32_t);

}  // namespace

void TileBlockReturn::operator()(std::uint32_t* block) const { TilePool::Shared().Give(block); }

TilePool& TilePool::Shared() {
    static TilePool pool;
    return pool;
}

TileHeap& TilePool::Heap() {
    releasing_ = false;
    if (!heap_) heap_.emplace();
    return *heap_;
}

TileBlock TilePool::Take() {
    std::lock_guard lock(mutex_);
    TileHeap& heap = Heap();
    if (free_.empty()) {
        // Room for every block to come back, made before the slab: giving a block back
        // never allocates, and a failure here leaves the pool as it was.
        free_.reserve((slabs_.size() + 1) * kSlabBlocks);
        slabs_.reserve(slabs_.size() + 1);
        auto* slab = static_cast<std::uint32_t*>(heap.Allocate(kSlabBytes));
        slabs_.push_back(slab);
        for (std::size_t i = kSlabBlocks; i-- > 0;) free_.push_back(slab + i * kBlockPixels);
    }
    std::uint32_t* block = free_.back();
    free_.pop_back();
    ++out_;
    return TileBlock(block);
}

void TilePool::Give(std::uint32_t* block) {
    std::lock_guard lock(mutex_);
    free_.push_back(block);
    --out_;
    ReleaseIfDue();
}

void* TilePool::TakeBytes(std::size_t bytes) {
    std::lock_guard lock(mutex_);
    void* taken = Heap().Allocate(bytes);
    ++out_;
    return taken;
}

void TilePool::GiveBytes(void* bytes) {
    std::lock_guard lock(mutex_);
    heap_->Free(bytes);
    --out_;
    ReleaseIfDue();
}

void TilePool::Release() {
    std::lock_guard lock(mutex_);
    releasing_ = true;
    ReleaseIfDue();
}

void TilePool::ReleaseIfDue() {
    if (!releasing_ || out_ > 0) return;
    // The slabs go with the heap; the lists that pointed into it give back their room too.
    slabs_ = {};
    free_ = {};
    heap_.reset();
    releasing_ = false;
}

std::size_t TilePool::HeldBlocks() const {
    std::lock_guard lock(mutex_);
    return slabs_.size() * kSlabBlocks;
}

}  // namespace pen
