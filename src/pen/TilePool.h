// Blocks for the pixels of one tile, given out again once given back, and the bytes of
// packed tiles, all from one heap of the pen's own (TileHeap). A board, refresh or zoom
// step keeps a whole screen of tiles and lets most of them go once they are packed;
// taken from the process heap, those hundreds of equal blocks among the packed tiles'
// small ones left its free lists ever longer (under Wine each next step took longer to
// find its blocks), and what a long lesson had packed stayed in the working set once the
// pen had closed. Here a block is found at once, and when the pen closes (Release) the
// heap goes back to the system whole.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "pen/TileHeap.h"

namespace pen {

struct TileBlockReturn {
    void operator()(std::uint32_t* block) const;
};
// One block, back to the pool when it goes.
using TileBlock = std::unique_ptr<std::uint32_t[], TileBlockReturn>;

class TilePool {
public:
    static constexpr std::size_t kBlockPixels = 64 * 64;

    // The one pool of the process: blocks are given back from the packer's thread too.
    static TilePool& Shared();

    // Each throws std::bad_alloc when no memory is left; the heap is made with the first.
    TileBlock Take();
    void* TakeBytes(std::size_t bytes);
    void GiveBytes(void* bytes);
    // The pen has closed: the heap goes back to the system as soon as nothing taken from it
    // is still out, now or when the last of it comes back (the packer's thread may hold a
    // tile for a moment yet). Anything taken meanwhile keeps it.
    void Release();
    // Blocks held, out or free, for those who measure the pool.
    std::size_t HeldBlocks() const;

private:
    friend struct TileBlockReturn;
    void Give(std::uint32_t* block);
    TileHeap& Heap();
    // Under the lock, once something has come back.
    void ReleaseIfDue();

    mutable std::mutex mutex_;
    std::optional<TileHeap> heap_;
    std::vector<std::uint32_t*> slabs_;
    std::vector<std::uint32_t*> free_;
    std::size_t out_ = 0;      // blocks and byte runs taken and not given back
    bool releasing_ = false;  // Release is waiting for them
};

// Memory from the pool's heap, for the packed bytes of tiles.
template <typename T>
struct TileAllocator {
    using value_type = T;
    TileAllocator() = default;
    template <typename U>
    TileAllocator(const TileAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(TilePool::Shared().TakeBytes(n * sizeof(T))); }
    void deallocate(T* p, std::size_t) { TilePool::Shared().GiveBytes(p); }
    friend bool operator==(const TileAllocator&, const TileAllocator&) { return true; }
};
using PackedBytes = std::vector<std::uint8_t, TileAllocator<std::uint8_t>>;

}  // namespace pen
