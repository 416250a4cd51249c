#include "effects/LaserTrailWindow.h"

#include <algorithm>

#include "effects/EffectsTexts.h"
#include "effects/PointerOverlay.h"

namespace {

ui::FormParams TrailParams() {
    ui::FormParams p;
    p.className = effects::kLaserTrailClass;
    p.caption = effects::kLaserCaption;
    p.border = ui::BorderStyle::None;
    p.color = ui::SeeThrough;
    p.topMost = true;
    p.toolWindow = true;
    p.activateOnShow = false;
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

ScreenRect Union(const ScreenRect& a, const ScreenRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The glow: the laser's colour at half strength, dark red for a red laser.
COLORREF Glow(COLORREF color) { return (color >> 1) & 0x7F7F7F; }

}  // namespace

LaserTrailWindow::LaserTrailWindow() : ui::Form(TrailParams()) { KeepClickThrough(Handle()); }

void LaserTrailWindow::SetLook(COLORREF color, int dotDiameter) {
    // The key is the see-through grey, unless the laser itself is that grey.
    key_ = color == ui::kSeeThroughKey ? ui::kSeeThroughKey ^ 0x010101 : ui::kSeeThroughKey;
    SetColor(static_cast<ui::Color>(key_));
    glow_.reset(CreatePen(PS_SOLID, dotDiameter, Glow(color)));
    core_.reset(CreatePen(PS_SOLID, std::max(2, dotDiameter / 3), color));
    pad_ = dotDiameter / 2 + 1;
    alpha_ = -1;
    SetOpacity(255);
}

void LaserTrailWindow::SetOpacity(int alpha) {
    if (alpha == alpha_) return;
    alpha_ = alpha;
    SetLayeredWindowAttributes(Handle(), key_, static_cast<BYTE>(alpha), LWA_COLORKEY | LWA_ALPHA);
}

void LaserTrailWindow::ShowTrail(const LaserTrail& trail, int alpha, bool redraw) {
    if (trail.Points().size() < 2 || alpha == 0) {
        Hide();
        drawn_ = {};
        return;
    }
    SetOpacity(alpha);
    if (redraw) {
        const ScreenRect box = trail.Bounds(pad_);
        ScreenRect changed = drawn_.Width() > 0 ? Union(drawn_, box) : box;
        if (!Inside(box, placed_)) {
            placed_ = {TileBelow(box.left), TileBelow(box.top), TileAbove(box.right), TileAbove(box.bottom)};
            SetBounds(placed_.left, placed_.top, placed_.Width(), placed_.Height());
            changed = placed_;
        }
        drawn_ = box;
        line_.clear();
        for (const TrailPoint& point : trail.Points())
            line_.push_back({point.at.x - placed_.left, point.at.y - placed_.top});
        const RECT area{changed.left - placed_.left, changed.top - placed_.top, changed.right - placed_.left,
                        changed.bottom - placed_.top};
        InvalidateRect(Handle(), &area, FALSE);
    }
    if (!Visible()) Show();
    if (redraw) UpdateWindow(Handle());
}

void LaserTrailWindow::PaintContent(HDC dc, const RECT& clip) {
    Form::PaintContent(dc, clip);
    if (line_.size() < 2) return;
    ui::SelectScope glow(dc, glow_.get());
    Polyline(dc, line_.data(), static_cast<int>(line_.size()));
    ui::SelectScope core(dc, core_.get());
    Polyline(dc, line_.data(), static_cast<int>(line_.size()));
}
