// The second core's share of the pen's whole-screen work (zooming, trading a screen of
// tiles): one thread, kept for it from the first use on. Starting a thread for each share
// cost half a millisecond under Wine, a good part of what the share saved.
#pragma once
#include <functional>

namespace pen {

// Runs `half(0)` on the calling thread and `half(1)` on the second thread, and returns once
// both are done; with one core, both on the calling thread. An exception from either half
// comes out here once both have ended.
void InTwoHalves(const std::function<void(int)>& half);

}  // namespace pen
