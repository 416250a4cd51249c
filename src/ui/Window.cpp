#include "ui/Window.h"

#include <commctrl.h>

#include "ui/AppIcon.h"

#include "ui/Application.h"

namespace ui {

// A window's object is found through GWLP_USERDATA alone, for our own classes and the
// system controls we subclass alike: the system's classes leave that slot to the program.

Window::~Window() { DestroyHandle(); }

void Window::RegisterClassOnce(const wchar_t* className, UINT extraStyle) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | extraStyle;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(VELLORA_ICON_ID));
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

namespace {

// From pixels at `dpi` back to design units.
int Unscale(int value, int dpi) { return dpi == kBaseDpi ? value : MulDiv(value, kBaseDpi, dpi); }

// A design rectangle in pixels at `dpi`: its edges are scaled, so neighbours stay flush.
RECT Scaled(const RECT& design, int dpi) {
    return {ScaleForDpi(design.left, dpi), ScaleForDpi(design.top, dpi), ScaleForDpi(design.right, dpi),
            ScaleForDpi(design.bottom, dpi)};
}

}  // namespace

void Window::PlaceChild(DWORD style, HWND parent, int& x, int& y, int& width, int& height) {
    if (!(style & WS_CHILD) || pixelLayout_) return;
    design_ = {x, y, x + width, y + height};
    const Window* form = FromHandle(GetAncestor(parent, GA_ROOT));
    layoutDpi_ = form ? form->ChildLayoutDpi() : kBaseDpi;
    if (layoutDpi_ == kBaseDpi) return;
    const RECT r = Scaled(design_, layoutDpi_);
    x = r.left;
    y = r.top;
    width = r.right - r.left;
    height = r.bottom - r.top;
}

void Window::NotePlacement() {
    if (pixelLayout_ || !hwnd_) return;
    RECT r{};
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    design_ = {Unscale(r.left, layoutDpi_), Unscale(r.top, layoutDpi_), Unscale(r.right, layoutDpi_),
               Unscale(r.bottom, layoutDpi_)};
}

void Window::RelayOut(int dpi) {
    if (pixelLayout_ || !hwnd_ || dpi == layoutDpi_) return;
    layoutDpi_ = dpi;
    const RECT r = Scaled(design_, dpi);
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style, int x, int y,
                          int width, int height, HWND parent) {
    PlaceChild(style, parent, x, y, width, height);
    CreateWindowExW(exStyle, className, caption, style, x, y, width, height, parent, nullptr, GetModuleHandleW(nullptr),
                    this);
}

void Window::CreateSystemControl(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style, int x,
                                 int y, int width, int height, HWND parent) {
    PlaceChild(style, parent, x, y, width, height);
    hwnd_ = CreateWindowExW(exStyle, className, caption, style, x, y, width, height, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    subclassed_ = SetWindowSubclass(hwnd_, SubclassProcedure, 1, 0);
}

void Window::DestroyHandle() {
    if (hwnd_) DestroyWindow(hwnd_);
}

Window* Window::FromHandle(HWND hwnd) {
    return hwnd ? reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

bool Window::ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = nullptr;
    switch (msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            child = reinterpret_cast<HWND>(lParam);
            break;
        case WM_NOTIFY:
            child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
            break;
        case WM_DRAWITEM:
            child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
            break;
        default:
            return false;
    }
    Window* control = FromHandle(child);
    return control && control->Reflected(msg, wParam, lParam, result);
}

bool Window::Reflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) { return Default(msg, wParam, lParam); }

LRESULT Window::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    return subclassed_ ? DefSubclassProc(hwnd_, msg, wParam, lParam) : DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT Window::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY) {
        // Last message of the window: detach so nothing reaches a half-destroyed object.
        const HWND hwnd = hwnd_;
        const LRESULT result = Default(msg, wParam, lParam);
        if (subclassed_) RemoveWindowSubclass(hwnd, SubclassProcedure, 1);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        subclassed_ = false;
        return result;
    }
    try {
        return HandleMessage(msg, wParam, lParam);
    } catch (...) {
        Application::Current().HandleException(std::current_exception());
        return 0;
    }
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* self;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = FromHandle(hwnd);
    }
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    Window* self = FromHandle(hwnd);
    return self ? self->Dispatch(msg, wParam, lParam) : DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace ui
