#include "pen/InkLayer.h"

#include <algorithm>

#include "pen/InkPixels.h"

InkLayer::InkLayer(HWND window) : window_(window), surface_(1, 1) {}

void InkLayer::Clear(ScreenSize size) {
    if (size.width != surface_.Width() || size.height != surface_.Height()) surface_.Resize(size.width, size.height);
    pen::ClearInk(Plane());
    pending_ = {};
}

void InkLayer::SetBackdrop(std::uint32_t backdrop) {
    backdrop_ = backdrop;
    pending_ = {0, 0, surface_.Width(), surface_.Height()};
}

void InkLayer::ShowChanged(const ScreenRect& covered) {
    if (HasChanges()) Show(covered, pending_, false);
}

void InkLayer::ShowAll(const ScreenRect& covered) { Show(covered, {0, 0, surface_.Width(), surface_.Height()}, true); }

void InkLayer::Show(const ScreenRect& covered, pen::Rect area, bool whole) {
    const pen::PixelPlane plane = Plane();  // GDI's drawing has landed
    area = {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, plane.width),
            std::min(area.bottom, plane.height)};
    pending_ = {};
    if (area.Empty()) return;
    pen::InkToShown(plane, area, backdrop_);
    POINT source{0, 0}, place{covered.left, covered.top};
    SIZE size{surface_.Width(), surface_.Height()};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    RECT dirty{area.left, area.top, area.right, area.bottom};
    UPDATELAYEREDWINDOWINFO info{
        sizeof(info), nullptr, &place, &size,     surface_.Dc(),
        &source,      0,       &blend, ULW_ALPHA, whole ? nullptr : &dirty};  // a new size or place takes every pixel
    UpdateLayeredWindowIndirect(window_, &info);
    pen::ShownToInk(plane, area);
}
