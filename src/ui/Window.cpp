#include "ui/Window.h"

#include <commctrl.h>

#include "ui/Application.h"

namespace ui {
namespace {
constexpr wchar_t kObjectProperty[] = L"Vellora.Window";
}

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
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

void Window::CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style, int x, int y,
                          int width, int height, HWND parent) {
    CreateWindowExW(exStyle, className, caption, style, x, y, width, height, parent, nullptr, GetModuleHandleW(nullptr),
                    this);
}

void Window::CreateSystemControl(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style, int x,
                                 int y, int width, int height, HWND parent) {
    hwnd_ = CreateWindowExW(exStyle, className, caption, style, x, y, width, height, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return;
    SetPropW(hwnd_, kObjectProperty, this);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    subclassed_ = SetWindowSubclass(hwnd_, SubclassProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

void Window::DestroyHandle() {
    if (hwnd_) DestroyWindow(hwnd_);
}

Window* Window::FromHandle(HWND hwnd) { return hwnd ? static_cast<Window*>(GetPropW(hwnd, kObjectProperty)) : nullptr; }

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
        RemovePropW(hwnd, kObjectProperty);
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
        SetPropW(hwnd, kObjectProperty, self);
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProcedure(HWND, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    return reinterpret_cast<Window*>(self)->Dispatch(msg, wParam, lParam);
}

}  // namespace ui
