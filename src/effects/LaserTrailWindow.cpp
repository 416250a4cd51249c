#include "effects/LaserTrailWindow.h"

#include <algorithm>

#include "effects/EffectsTexts.h"
#include "effects/PointerOverlay.h"
#include "effects/PointerPlacement.h"

namespace {

ui::FormParams TrailParams() {
    ui::FormParams p = ui::OverlayParams(effects::kLaserTrailClass, effects::kLaserCaption);
    p.color = ui::SeeThrough;
    return p;
}

// The trail window's edges lie on multiples of this many pixels.
constexpr int kTile = 128;

int TileBelow(int v) { return (v >= 0 ? v : v - kTile + 1) / kTile * kTile; }
int TileAbove(int v) { return TileBelow(v + kTile - 1); }

bool Inside(const ScreenRect& inner, const ScreenRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The glow: the laser's colour at half strength, dark red for a red laser.
COLORREF Glow(COLORREF color) { return (color >> 1) & 0x7F7F7F; }

}  // namespace

HRGN DotRegion(int diameter) { return CreateEllipticRgn(0, 0, diameter + 1, diameter + 1); }

LaserTrailWindow::LaserTrailWindow() : ui::Form(TrailParams()) { KeepClickThrough(Handle()); }

void LaserTrailWindow::SetLook(COLORREF color, int dotDiameter) {
    // The key is the see-through grey, unless the laser itself is that grey.
    key_ = color == ui::kSeeThroughKey ? ui::kSeeThroughKey ^ 0x010101 : ui::kSeeThroughKey;
    SetColor(static_cast<ui::Color>(key_));
    glow_.reset(CreatePen(PS_SOLID, dotDiameter, Glow(color)));
    core_.reset(CreatePen(PS_SOLID, std::max(2, dotDiameter / 3), color));
    dotBrush_.reset(CreateSolidBrush(color));
    dot_.reset(DotRegion(dotDiameter));
    dotDiameter_ = dotDiameter;
    pad_ = dotDiameter / 2 + 1;
    alpha_ = -1;
    SetOpacity(255);
    // The next trail is drawn whole, in the new look.
    shown_.clear();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void LaserTrailWindow::SetOpacity(int alpha) {
    if (alpha == alpha_) return;
    alpha_ = alpha;
    SetLayeredWindowAttributes(Handle(), key_, static_cast<BYTE>(alpha), LWA_COLORKEY | LWA_ALPHA);
}

void LaserTrailWindow::ShowTrail(const LaserTrail& trail, int alpha, bool redraw) {
    if (trail.Points().size() < 2 || alpha == 0) {
        Hide();
        shown_.clear();
        return;
    }
    SetOpacity(alpha);
    if (redraw) Redraw(trail);
    if (!Visible()) Show();
    if (redraw) UpdateWindow(Handle());
}

void LaserTrailWindow::Redraw(const LaserTrail& trail) {
    const ScreenRect box = trail.Bounds(pad_);
    bool whole = shown_.empty();
    if (!Inside(box, placed_)) {
        placed_ = {TileBelow(box.left), TileBelow(box.top), TileAbove(box.right), TileAbove(box.bottom)};
        SetBounds(placed_.left, placed_.top, placed_.Width(), placed_.Height());
        whole = true;
    }
    line_.clear();
    for (const TrailPoint& point : trail.Points())
        line_.push_back({point.at.x - placed_.left, point.at.y - placed_.top});
    if (whole) {
        InvalidateRect(Handle(), nullptr, FALSE);
    } else {
        for (const ScreenRect& area : TrailRepaint(shown_, trail.Points(), pad_)) {
            const RECT client{area.left - placed_.left, area.top - placed_.top, area.right - placed_.left,
                              area.bottom - placed_.top};
            InvalidateRect(Handle(), &client, FALSE);
        }
    }
    shown_ = trail.Points();
}

void LaserTrailWindow::PaintContent(HDC dc, const RECT& clip) {
    Form::PaintContent(dc, clip);
    // Only the runs of segments that reach the area being painted are drawn: a tick
    // repaints the trail's two ends, and a wide line costs by its whole length.
    struct Run {
        std::size_t first, count;
    };
    std::vector<Run> runs;
    for (std::size_t i = 1; i < line_.size(); ++i) {
        const ScreenRect box = SegmentBox({line_[i - 1].x, line_[i - 1].y}, {line_[i].x, line_[i].y}, pad_);
        const RECT area{box.left, box.top, box.right, box.bottom};
        if (!RectVisible(dc, &area)) continue;
        if (!runs.empty() && runs.back().first + runs.back().count == i)
            ++runs.back().count;
        else
            runs.push_back({i - 1, 2});
    }
    for (HPEN pen : {glow_.get(), core_.get()}) {
        ui::SelectScope select(dc, pen);
        for (const Run& run : runs) Polyline(dc, &line_[run.first], static_cast<int>(run.count));
    }
    if (line_.empty()) return;
    const ScreenPoint head = HaloOrigin({line_.back().x, line_.back().y}, dotDiameter_);
    OffsetRgn(dot_.get(), head.x, head.y);
    FillRgn(dc, dot_.get(), dotBrush_.get());
    OffsetRgn(dot_.get(), -head.x, -head.y);
}
