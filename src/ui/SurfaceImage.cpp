#include "ui/SurfaceImage.h"

#include <windowsx.h>

namespace ui {
namespace {

int ButtonOf(UINT msg) {
    switch (msg) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_RBUTTONUP:
            return VK_RBUTTON;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_MBUTTONUP:
            return VK_MBUTTON;
        default:
            return VK_LBUTTON;
    }
}

}  // namespace

void SurfaceImage::Resize(int width, int height) {
    surface_.Resize(width, height);
    SetSize(width, height);
}

SurfaceImage::SurfaceImage(HWND parent, int left, int top, int width, int height) : surface_(width, height) {
    RegisterClassOnce(L"TSurfaceImage");
    // Its pixels are the screen's pixels, whatever the DPI.
    pixelLayout_ = true;
    // Siblings above it (a palette, a text box) are never painted over.
    CreateHandle(0, L"TSurfaceImage", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, left, top, width, height, parent);
}

void SurfaceImage::SetCursor(HCURSOR cursor) {
    cursor_ = cursor;
    POINT p;
    if (GetCursorPos(&p) && WindowFromPoint(p) == Handle()) ShowCursor();
}

void SurfaceImage::ShowCursor() const { ::SetCursor(cursor_ ? cursor_ : LoadCursorW(nullptr, IDC_ARROW)); }

void SurfaceImage::Invalidate(const RECT& block) { InvalidateRect(Handle(), &block, FALSE); }

void SurfaceImage::InvalidateAll() { InvalidateRect(Handle(), nullptr, FALSE); }

LRESULT SurfaceImage::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The surface is the back buffer: one copy of the damaged part, no flicker.
    if (ServePaint(msg, wParam, [this](HDC dc, const RECT& r) {
            BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, surface_.Dc(), r.left, r.top, SRCCOPY);
        }))
        return 0;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT) break;
            ShowCursor();
            return TRUE;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            SetCapture(Handle());
            if (OnMouseDown) OnMouseDown(ButtonOf(msg), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSEMOVE:
            if (OnMouseMove) OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == Handle()) ReleaseCapture();
            if (OnMouseUp) OnMouseUp(ButtonOf(msg), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        default:
            break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace ui
