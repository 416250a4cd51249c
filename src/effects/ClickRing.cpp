#include "effects/ClickRing.h"

RingFrame RingAt(int elapsedMs, int startRadius, int endRadius, bool animated) {
    if (elapsedMs >= kRingMs) return {endRadius, 0, true};
    if (!animated) return {endRadius, 255, false};
    if (elapsedMs < 0) elapsedMs = 0;
    // Fast at first and slowing down, as a ripple spreads; the fade follows time evenly.
    const int left = kRingMs - elapsedMs;
    const long long eased = static_cast<long long>(kRingMs) * kRingMs - static_cast<long long>(left) * left;
    const int radius =
        startRadius + static_cast<int>((endRadius - startRadius) * eased / (static_cast<long long>(kRingMs) * kRingMs));
    return {radius, 255 * left / kRingMs, false};
}
