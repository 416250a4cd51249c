#include "effects/LaserTrail.h"

#include <algorithm>

bool LaserTrail::Update(ScreenPoint pointer, std::int64_t nowMs) {
    if (points_.empty() || points_.back().at != pointer) {
        points_.push_back({pointer, nowMs});
        lastMoveMs_ = nowMs;
        faded_ = false;
        // While moving, the oldest part goes; the segment leading into the span stays so
        // the trail does not start in mid-air.
        while (points_.size() > 2 && points_[1].ms < nowMs - kSpanMs) points_.pop_front();
        return true;
    }
    if (faded_) return false;
    const std::int64_t still = nowMs - lastMoveMs_;
    if (still < kHoldMs) return false;
    if (still >= kHoldMs + (fades_ ? kFadeMs : 0)) {
        // Gone: only the pointer's own place is left, for the next movement to start from.
        points_.erase(points_.begin(), points_.end() - 1);
        faded_ = true;
    }
    return true;
}

int LaserTrail::Alpha(std::int64_t nowMs) const {
    if (faded_) return 0;
    const std::int64_t fading = nowMs - lastMoveMs_ - kHoldMs;
    if (fading <= 0) return 255;
    if (!fades_ || fading >= kFadeMs) return 0;
    return static_cast<int>(255 * (kFadeMs - fading) / kFadeMs);
}

ScreenRect LaserTrail::Bounds(int pad) const {
    if (points_.empty()) return {};
    ScreenRect box{points_.front().at.x, points_.front().at.y, points_.front().at.x, points_.front().at.y};
    for (const TrailPoint& point : points_) {
        box.left = std::min(box.left, point.at.x);
        box.top = std::min(box.top, point.at.y);
        box.right = std::max(box.right, point.at.x);
        box.bottom = std::max(box.bottom, point.at.y);
    }
    return {box.left - pad, box.top - pad, box.right + pad + 1, box.bottom + pad + 1};
}

ScreenRect SegmentBox(ScreenPoint a, ScreenPoint b, int pad) {
    return {std::min(a.x, b.x) - pad, std::min(a.y, b.y) - pad, std::max(a.x, b.x) + pad + 1,
            std::max(a.y, b.y) + pad + 1};
}

std::vector<ScreenRect> TrailRepaint(const std::deque<TrailPoint>& before, const std::deque<TrailPoint>& after,
                                     int pad) {
    // A trail loses points at its start and gains them at its end: what the two share
    // begins where `before` holds the first point of `after`.
    const auto kept = after.empty() ? before.end() : std::find(before.begin(), before.end(), after.front());
    const std::size_t gone = static_cast<std::size_t>(kept - before.begin());
    const std::size_t shared = before.size() - gone;
    std::vector<ScreenRect> boxes;
    for (std::size_t i = 0; i < gone && i + 1 < before.size(); ++i)
        boxes.push_back(SegmentBox(before[i].at, before[i + 1].at, pad));
    for (std::size_t i = std::max<std::size_t>(shared, 1); i < after.size(); ++i)
        boxes.push_back(SegmentBox(after[i - 1].at, after[i].at, pad));
    return boxes;
}
