// Blocks for the pixels of one tile, given out again once given back. A board, refresh or
// zoom step keeps a whole screen of tiles and lets most of them go once they are packed;
// taken from the process heap, those hundreds of equal blocks among the packed tiles'
// small ones left its free lists ever longer (under Wine each next step took longer to
// find its blocks). Kept apart here, a block is found at once, its pages stay in memory
// while the pen is open, and they leave with Trim when it closes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

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

    // Throws std::bad_alloc when no memory is left for a new slab.
    TileBlock Take();
    // Gives the memory of every slab with no block out back to the system.
    void Trim();
    // Blocks held, out or free, for those who measure the pool.
    std::size_t HeldBlocks() const;

private:
    friend struct TileBlockReturn;
    void Give(std::uint32_t* block);

    mutable std::mutex mutex_;
    std::vector<std::unique_ptr<std::uint32_t[]>> slabs_;
    std::vector<std::uint32_t*> free_;
};

}  // namespace pen
