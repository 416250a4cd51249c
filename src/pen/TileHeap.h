// Memory of the pen's own for its tiles, given back to the system whole when the heap goes.
// Freed into the heap the rest of the program shares, a long lesson's tiles left their
// pages there, and the working set stayed high long after the pen had closed. Under
// Windows it is a heap of its own (HeapCreate, HeapDestroy); elsewhere plain allocations,
// each freed as the heap goes, so that the native tests see the same lifetimes.
#pragma once
#include <cstddef>

#ifndef _WIN32
#include <unordered_set>
#endif

namespace pen {

class TileHeap {
public:
    // Throws std::bad_alloc when the system gives no heap.
    TileHeap();
    // Everything allocated from the heap goes with it.
    ~TileHeap();
    TileHeap(const TileHeap&) = delete;
    TileHeap& operator=(const TileHeap&) = delete;

    // Throws std::bad_alloc when no memory is left. Not for two threads at once: its one
    // user, the tile pool, calls it under its lock.
    void* Allocate(std::size_t bytes);
    void Free(void* block);

private:
#ifdef _WIN32
    void* heap_;  // the heap's handle
#else
    std::unordered_set<void*> blocks_;
#endif
};

}  // namespace pen
