// Base of every window the program registers a class for (forms and custom controls).
// One static window procedure finds the C++ object, attached at WM_NCCREATE, and
// forwards to the virtual handler inside the one try/catch of the program, so no C++
// exception ever crosses into the system.
#pragma once
#include <windows.h>

#include "base/Monitors.h"

namespace ui {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    // The program's object behind one of its windows; null for any other window.
    static Window* FromHandle(HWND hwnd);

    // Gives a notification that a child control sent to its parent (WM_COMMAND,
    // WM_NOTIFY, WM_CTLCOLOR*, WM_HSCROLL, WM_VSCROLL, WM_DRAWITEM) to the control
    // itself. True when the control handled it and `result` is the answer.
    static bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The DPI that the children of this top-level window are laid out at: 96, the DPI of
    // the design sizes, unless the window scales with the monitor it stands on.
    virtual int ChildLayoutDpi() const { return kBaseDpi; }
    // The form's own copy of the stock font at its layout DPI; null where the stock font serves.
    virtual HFONT ScaledDefaultFont() const { return nullptr; }
    // A child placed in design units lays itself out again at another DPI.
    virtual void RelayOut(int dpi);
    // The system's colours or its high-contrast mode changed: a window that chose colours
    // by them chooses again (system colours themselves follow on their own).
    virtual void ColorsChanged() {}

protected:
    // Registers the class on first use (CS_DBLCLKS, arrow cursor, no background brush).
    static void RegisterClassOnce(const wchar_t* className, UINT extraStyle = 0);
    void CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style, int x, int y,
                      int width, int height, HWND parent);
    // For a window of a system class (edit, combo box, ...): creates it and routes its
    // messages through HandleMessage by subclassing.
    void CreateSystemControl(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style, int x, int y,
                             int width, int height, HWND parent);
    // Destroys the window now; the destructor does the same if it is still there.
    void DestroyHandle();
    // Takes the child's current place in its parent as its design rectangle.
    void NotePlacement();
    int LayoutDpi() const { return layoutDpi_; }

    // A child is created at a position and size in design units (pixels at 96 DPI),
    // scaled to the DPI its form lays its children out at. A control that lays itself
    // out in pixels (the pen's drawing surface) sets this before it is created.
    bool pixelLayout_ = false;

    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // A notification about this control, sent to its parent and passed back here.
    virtual bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Serves WM_PAINT and WM_PRINTCLIENT with one painting function, given the DC and the
    // area to paint; true when `msg` was one of the two.
    template <typename Paint>
    bool ServePaint(UINT msg, WPARAM wParam, Paint&& paint) {
        if (msg == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            paint(dc, ps.rcPaint);
            EndPaint(hwnd_, &ps);
            return true;
        }
        if (msg == WM_PRINTCLIENT) {
            RECT all{};
            GetClientRect(hwnd_, &all);
            paint(reinterpret_cast<HDC>(wParam), all);
            return true;
        }
        return false;
    }
    // The system's own handling: the class's procedure for a subclassed control.
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR data);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    // Scales a child's design rectangle to its form's layout DPI and remembers it.
    void PlaceChild(DWORD style, HWND parent, int& x, int& y, int& width, int& height);

    RECT design_{};  // a child's rectangle in its parent, in design units
    int layoutDpi_ = kBaseDpi;
    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
};

}  // namespace ui
