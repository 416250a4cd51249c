// Scoped owners for the Win32 handles the program creates. Every GDI object, icon,
// cursor, menu and DC the program makes is held by one of these, so nothing leaks
// when a handler ends early with an exception.
#pragma once
#include <windows.h>

#include <utility>

namespace ui {

template <typename H, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset(H h = nullptr) {
        if (h_) Traits::Close(h_);
        h_ = h;
    }
    // Hands the handle to a new owner (the system, for a window region).
    H release() { return std::exchange(h_, nullptr); }

private:
    H h_ = nullptr;
};

struct GdiTraits {
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct CursorTraits {
    static void Close(HCURSOR h) { DestroyCursor(h); }
};
struct IconTraits {
    static void Close(HICON h) { DestroyIcon(h); }
};
struct MenuTraits {
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct MemoryDcTraits {
    static void Close(HDC h) { DeleteDC(h); }
};
struct KernelTraits {
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct RegistryKeyTraits {
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct HookTraits {
    static void Close(HHOOK h) { UnhookWindowsHookEx(h); }
};
struct WindowTraits {
    static void Close(HWND h) { DestroyWindow(h); }
};

using UniqueBitmap = UniqueHandle<HBITMAP, GdiTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiTraits>;
using UniquePen = UniqueHandle<HPEN, GdiTraits>;
using UniqueFont = UniqueHandle<HFONT, GdiTraits>;
using UniqueRegion = UniqueHandle<HRGN, GdiTraits>;
using UniqueCursor = UniqueHandle<HCURSOR, CursorTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using MemoryDC = UniqueHandle<HDC, MemoryDcTraits>;
// A window the program makes outside the form and control classes (a tooltip).
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelTraits>;
using UniqueRegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueHook = UniqueHandle<HHOOK, HookTraits>;

// A DC borrowed from a window (GetDC), given back on scope exit.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC for the length of a scope and puts the old one back.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;
    ~SelectScope() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace ui
