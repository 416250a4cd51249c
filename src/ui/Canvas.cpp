#include "ui/Canvas.h"

#include "ui/ColorRef.h"

namespace ui {
namespace {

int Win32PenStyle(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return PS_DASH;
        case PenStyle::Dot:
            return PS_DOT;
        case PenStyle::DashDot:
            return PS_DASHDOT;
        case PenStyle::DashDotDot:
            return PS_DASHDOTDOT;
        default:
            return PS_SOLID;
    }
}

int Rop2(PenMode mode) {
    switch (mode) {
        case PenMode::NotXor:
            return R2_NOTXORPEN;
        case PenMode::Mask:
            return R2_MASKPEN;
        default:
            return R2_COPYPEN;
    }
}

int Hatch(BrushStyle style) {
    switch (style) {
        case BrushStyle::Horizontal:
            return HS_HORIZONTAL;
        case BrushStyle::Vertical:
            return HS_VERTICAL;
        case BrushStyle::FDiagonal:
            return HS_FDIAGONAL;  // falling: top left to bottom right
        case BrushStyle::BDiagonal:
            return HS_BDIAGONAL;  // rising: bottom left to top right
        default:
            return HS_CROSS;
    }
}

}  // namespace

Canvas::Canvas(HDC dc)
    : dc_(dc), originalPen_(GetCurrentObject(dc, OBJ_PEN)), originalBrush_(GetCurrentObject(dc, OBJ_BRUSH)) {
    // A widened outline overlaps itself where its figure closes; in the default
    // alternate mode the overlap would become a hole in its region.
    SetPolyFillMode(dc_, WINDING);
    Reset();
}

Canvas::~Canvas() {
    // Put the DC's own objects back before ours are deleted.
    SelectObject(dc_, originalPen_);
    SelectObject(dc_, originalBrush_);
}

void Canvas::Reset() {
    penColor_ = Black;
    penWidth_ = 1;
    penStyle_ = PenStyle::Solid;
    brushColor_ = White;
    brushStyle_ = BrushStyle::Solid;
    penStale_ = brushStale_ = true;
    SetPenMode(PenMode::Copy);
}

void Canvas::SetPenColor(Color color) {
    penColor_ = color;
    penStale_ = true;
}

void Canvas::SetPenWidth(int width) {
    penWidth_ = width;
    penStale_ = true;
}

void Canvas::SetPenStyle(PenStyle style) {
    penStyle_ = style;
    penStale_ = true;
}

void Canvas::SetPenMode(PenMode mode) {
    penMode_ = mode;
    SetROP2(dc_, Rop2(mode));
}

void Canvas::SetBrushColor(Color color) {
    brushColor_ = color;
    brushStyle_ = StyleAfterColour(brushStyle_);
    brushStale_ = true;
}

void Canvas::SetBrushStyle(BrushStyle style) {
    brushStyle_ = style;
    brushStale_ = true;
}

void Canvas::Realize() {
    if (penStale_) {
        const int style = Win32PenStyle(penStyle_);
        const COLORREF rgb = ColorToRGB(penColor_);
        UniquePen fresh;
        if (FlatEndedPen(penStyle_, penWidth_)) {
            const LOGBRUSH solid{BS_SOLID, rgb, 0};
            fresh.reset(
                ExtCreatePen(PS_GEOMETRIC | style | PS_ENDCAP_FLAT | PS_JOIN_MITER, penWidth_, &solid, 0, nullptr));
        } else {
            fresh.reset(CreatePen(style, penWidth_, rgb));
        }
        SelectObject(dc_, fresh.get());
        pen_ = std::move(fresh);  // the previous pen is no longer selected when it goes
        penBrush_.reset(CreateSolidBrush(rgb));
        penStale_ = false;
    }
    if (brushStale_) {
        const COLORREF rgb = ColorToRGB(brushColor_);
        UniqueBrush fresh;
        if (brushStyle_ == BrushStyle::Solid)
            fresh.reset(CreateSolidBrush(rgb));
        else if (brushStyle_ != BrushStyle::Clear)
            fresh.reset(CreateHatchBrush(Hatch(brushStyle_), rgb));
        SelectObject(dc_, fresh ? fresh.get() : GetStockObject(NULL_BRUSH));
        brush_ = std::move(fresh);
        SetBkMode(dc_, OpaqueBackground(brushStyle_) ? OPAQUE : TRANSPARENT);
        SetBkColor(dc_, rgb);
        brushStale_ = false;
    }
}

POINT Canvas::PenPos() const {
    POINT p{};
    GetCurrentPositionEx(dc_, &p);
    return p;
}

void Canvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void Canvas::LineTo(int x, int y) {
    Realize();
    ::LineTo(dc_, x, y);
}

void Canvas::Rectangle(const RECT& r) {
    Realize();
    ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

// Wine draws the outline of a wide ellipse or rounded rectangle piece by piece, some
// 15 ms for a large one: far too slow for a rubber band that draws two per mouse move.
// The same outline as the region of the widened path takes a fraction of a millisecond,
// and GDI still applies the pen mode to it.
template <typename Trace>
void Canvas::WideFigure(Trace trace) {
    BeginPath(dc_);
    trace();
    EndPath(dc_);
    FillPath(dc_);
    BeginPath(dc_);
    trace();
    EndPath(dc_);
    WidenPath(dc_);
    const UniqueRegion outline(PathToRegion(dc_));
    FillRgn(dc_, outline.get(), penBrush_.get());
}

void Canvas::Ellipse(const RECT& r) {
    Realize();
    const auto trace = [&] { ::Ellipse(dc_, r.left, r.top, r.right, r.bottom); };
    if (penWidth_ > 1)
        WideFigure(trace);
    else
        trace();
}

void Canvas::RoundRect(const RECT& r, int cornerWidth, int cornerHeight) {
    Realize();
    const auto trace = [&] { ::RoundRect(dc_, r.left, r.top, r.right, r.bottom, cornerWidth, cornerHeight); };
    if (penWidth_ > 1)
        WideFigure(trace);
    else
        trace();
}

}  // namespace ui
