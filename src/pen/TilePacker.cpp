#include "pen/TilePacker.h"

#include <exception>

namespace pen {

TilePacker::~TilePacker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    handed_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void TilePacker::Hand(const std::vector<std::shared_ptr<PackedTile>>& tiles) {
    if (tiles.empty()) return;
    {
        std::lock_guard lock(mutex_);
        if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
        waiting_.insert(waiting_.end(), tiles.begin(), tiles.end());
    }
    handed_.notify_one();
}

void TilePacker::Wait() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return waiting_.empty() && !packing_; });
}

void TilePacker::Run() {
    TileDeflater deflater;
    std::unique_lock lock(mutex_);
    for (;;) {
        handed_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (stopping_) return;
        std::shared_ptr<PackedTile> tile = waiting_.front().lock();
        waiting_.pop_front();
        packing_ = true;
        lock.unlock();
        if (tile) {
            try {
                tile->Pack(deflater);
            } catch (const std::exception&) {
                // Out of memory for zlib: the tile stays unpacked, which is only bigger.
            }
            tile.reset();  // a tile dropped meanwhile is freed here, not under the lock
        }
        lock.lock();
        packing_ = false;
        if (waiting_.empty()) idle_.notify_all();
    }
}

}  // namespace pen
