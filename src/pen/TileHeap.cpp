#include "pen/TileHeap.h"

#include <new>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

namespace pen {

#ifdef _WIN32

// The pool serializes every call, so the heap need not.
TileHeap::TileHeap() : heap_(HeapCreate(HEAP_NO_SERIALIZE, 0, 0)) {
    if (!heap_) throw std::bad_alloc();
}

TileHeap::~TileHeap() { HeapDestroy(heap_); }

void* TileHeap::Allocate(std::size_t bytes) {
    void* block = HeapAlloc(heap_, 0, bytes);
    if (!block) throw std::bad_alloc();
    return block;
}

void TileHeap::Free(void* block) { HeapFree(heap_, 0, block); }

#else

TileHeap::TileHeap() = default;

TileHeap::~TileHeap() {
    for (void* block : blocks_) std::free(block);
}

void* TileHeap::Allocate(std::size_t bytes) {
    blocks_.reserve(blocks_.size() + 1);  // so that a failure below loses nothing
    void* block = std::malloc(bytes);
    if (!block) throw std::bad_alloc();
    blocks_.insert(block);
    return block;
}

void TileHeap::Free(void* block) {
    blocks_.erase(block);
    std::free(block);
}

#endif

}  // namespace pen
