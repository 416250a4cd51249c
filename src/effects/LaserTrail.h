// The laser pointer's trail: where the pointer has just been. While the pointer moves the
// trail keeps its last half second; when it stops, the whole trail stays a while so the
// audience can follow the gesture to its end, then fades out as one (or, without
// animations, goes at once).
#pragma once
#include <cstdint>
#include <deque>
#include <vector>

#include "base/Monitors.h"

struct TrailPoint {
    ScreenPoint at;
    std::int64_t ms = 0;
    bool operator==(const TrailPoint&) const = default;
};

// The box of the line from `a` to `b`, widened by `pad` on each side.
ScreenRect SegmentBox(ScreenPoint a, ScreenPoint b, int pad);

class LaserTrail {
public:
    static constexpr std::int64_t kSpanMs = 500;   // how much of a movement the trail shows
    static constexpr std::int64_t kHoldMs = 1500;  // the trail stays whole this long after a stop
    static constexpr std::int64_t kFadeMs = 300;   // and then fades out over this long

    explicit LaserTrail(bool fades = true) : fades_(fades) {}
    void SetFades(bool fades) { fades_ = fades; }

    // One tick with the pointer where it is now. True when what the trail shows changed
    // (it moved, or it is fading or has just gone); false on a tick with nothing to draw.
    bool Update(ScreenPoint pointer, std::int64_t nowMs);

    const std::deque<TrailPoint>& Points() const { return points_; }
    // The trail's opacity, 255 while moving or held, falling to 0 over the fade.
    int Alpha(std::int64_t nowMs) const;
    // The box round every point, widened by `pad` on each side; empty with no points.
    ScreenRect Bounds(int pad) const;

private:
    std::deque<TrailPoint> points_;
    std::int64_t lastMoveMs_ = 0;
    bool faded_ = true;
    bool fades_;
};

// What a tick's change of the trail repaints, from its points before and after: the box of
// every segment that left its start and of every segment that came at its end, each
// widened by `pad`. Points the two do not share are all repainted.
std::vector<ScreenRect> TrailRepaint(const std::deque<TrailPoint>& before, const std::deque<TrailPoint>& after,
                                     int pad);
