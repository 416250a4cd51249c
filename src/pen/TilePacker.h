// Packs kept tiles on a thread of its own, oldest first, so that finishing, undoing or
// redoing a step never waits for deflate. A tile that nobody keeps any more by the time
// its turn comes is skipped.
#pragma once
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "pen/PackedTile.h"

namespace pen {

class TilePacker {
public:
    TilePacker() = default;
    // Stops after the tile being packed; the tiles still waiting stay as they are.
    ~TilePacker();
    TilePacker(const TilePacker&) = delete;
    TilePacker& operator=(const TilePacker&) = delete;

    // The thread starts with the first tiles handed over.
    void Hand(const std::vector<std::shared_ptr<PackedTile>>& tiles);
    // Returns once every tile handed over so far is packed or skipped.
    void Wait();

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable handed_;
    std::condition_variable idle_;
    std::deque<std::weak_ptr<PackedTile>> waiting_;
    bool packing_ = false;  // a tile taken from `waiting_` is being packed
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace pen
