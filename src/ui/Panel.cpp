#include "ui/Panel.h"

#include <windowsx.h>

namespace ui {

Panel::Panel(HWND parent, const PanelParams& params)
    : caption_(params.caption), background_(params.color), bevel_(params.bevel), tabStop_(params.tabStop) {
    RegisterClassOnce(L"TPanel");
    // A panel that holds controls lets Tab reach into it; a control parent is never a
    // tab stop itself.
    CreateHandle(tabStop_ ? 0 : WS_EX_CONTROLPARENT, L"TPanel", params.caption.c_str(),
                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (tabStop_ ? WS_TABSTOP : 0), params.left,
                 params.top, params.width, params.height, parent);
    SetFont(DefaultFont());
}

void Panel::SetColor(Color color) {
    if (background_.Set(color)) InvalidateRect(Handle(), nullptr, TRUE);
}

void Panel::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    SetText(caption);
}

void Panel::Click() {
    if (OnClick) OnClick();
}

void Panel::Paint(HDC dc) {
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, background_.Brush());
    if (bevel_ == Bevel::Raised) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (!caption_.empty()) {
        SelectScope font(dc, font_ ? font_ : DefaultFont());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (tabStop_ && GetFocus() == Handle()) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(dc, &r);
    }
}

LRESULT Panel::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (ReflectToChild(msg, wParam, lParam, reflected)) return reflected;
    if (ServePaint(msg, wParam, [this](HDC dc, const RECT&) { Paint(dc); })) return 0;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const int button = msg == WM_RBUTTONDOWN ? VK_RBUTTON : msg == WM_MBUTTONDOWN ? VK_MBUTTON : VK_LBUTTON;
            if (button == VK_LBUTTON) {
                pressed_ = true;
                SetCapture(Handle());
                if (tabStop_) SetFocus(Handle());
            }
            if (OnMouseDown) OnMouseDown(button, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        }
        case WM_LBUTTONUP: {
            if (!pressed_) return 0;
            pressed_ = false;
            if (GetCapture() == Handle()) ReleaseCapture();
            RECT r{};
            GetClientRect(Handle(), &r);
            const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (PtInRect(&r, p)) Click();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        case WM_GETDLGCODE: {
            // Enter would otherwise go to the form as its default command.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            const bool press =
                key && key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_SPACE);
            return tabStop_ && press ? DLGC_WANTMESSAGE : 0;
        }
        case WM_KEYDOWN:
            if (tabStop_ && (wParam == VK_RETURN || wParam == VK_SPACE)) {
                Click();
                return 0;
            }
            return Default(msg, wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        default:
            return Default(msg, wParam, lParam);
    }
}

}  // namespace ui
