// A top-level window designed as a form: it owns its controls as members and its handlers
// are member functions. Its creation handler runs apart from the constructor (Create), so
// that every form of the program exists before any handler can open a message box, whose
// own message loop may hand input to any of them.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/ColorBrush.h"
#include "ui/Handles.h"
#include "ui/Window.h"

namespace ui {

class Timer;
class ScaledFont;

enum class BorderStyle { None, Sizeable };

struct FormParams {
    const wchar_t* className;
    std::wstring caption;
    BorderStyle border = BorderStyle::Sizeable;
    int left = 0, top = 0, width = 300, height = 200;  // outer size
    Color color = BtnFace;
    bool topMost = false;
    bool toolWindow = false;     // no taskbar button, no Alt+Tab entry
    bool activateOnShow = true;  // false: showing never takes the focus away from the user
    // Never the active window, not by a click nor by a window manager (WS_EX_NOACTIVATE).
    bool neverActive = false;
    bool mainForm = false;  // closing it ends the program
    // Laid out at the DPI of the monitor it stands on: its design position and size, and
    // those of its controls, are for 96 DPI and scaled by DPI / 96.
    bool scaled = false;
    bool visible = false;     // designed visible: shown once its creation handler has run
    bool dialogKeys = false;  // Tab and Shift+Tab move among its controls, Space and Enter press them
    // The window it always stands above; by default the application's hidden window.
    HWND owner = nullptr;
};

// An overlay's parameters: borderless, top-most, without a taskbar button, and never the
// active window. (A window manager that gave a full-screen overlay, such as the spotlight,
// the focus took it from the control bar's menu, and the choice made in it was lost.)
FormParams OverlayParams(const wchar_t* className, std::wstring caption = {});
// A borderless, top-most window without a taskbar button that always stands above `owner`
// (the timer above the pen, live ink's palette and text box above the ink).
FormParams OwnedPopupParams(const wchar_t* className, std::wstring caption, HWND owner);

class Form : public Window {
public:
    explicit Form(const FormParams& params);
    ~Form() override;

    // Runs the creation handler, whose errors go to the application's error report, then
    // shows a form designed visible.
    void Create();
    // Shows the form; when it was hidden its show hook runs, when it was already
    // visible it is only brought to the front. A minimised form is restored.
    void Show();
    void Hide();
    bool Visible() const;
    // Runs the close hook, then hides the form (the main form ends the program instead).
    void Close();
    // Destroys the window now, running the destruction hook while the derived form is
    // still whole. The window inventory calls it at exit, last form first.
    void Destroy();

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetPosition(int left, int top);
    void SetSize(int width, int height);
    void SetBounds(int left, int top, int width, int height);

    Color GetColor() const { return background_.Get(); }
    void SetColor(Color color);

    // True for a form of the program that takes dialog keys (the message loop asks).
    static bool TakesDialogKeys(HWND window);
    // The form of the program that `window` is or belongs to; null for any other window.
    static Form* Holding(HWND window);
    // Sees a key press meant for `target`, the form or one of its controls, before the
    // control does (the message loop asks); true when the form took the key.
    virtual bool PreviewKey(HWND /*target*/, WPARAM /*key*/) { return false; }

    // Timers of this form deliver their ticks through its window.
    void AttachTimer(Timer* timer);
    void DetachTimer(Timer* timer);
    // Fonts of this form are made again when its DPI changes.
    void AttachFont(ScaledFont* font);
    void DetachFont(ScaledFont* font);

    // The DPI the form's controls are laid out at (96 for a form that does not scale),
    // and a design size at that DPI.
    int ChildLayoutDpi() const override;
    int Scaled(int designPixels) const { return ScaleForDpi(designPixels, ChildLayoutDpi()); }
    HFONT ScaledDefaultFont() const override;

protected:
    virtual void OnCreate() {}
    virtual void OnShow() {}
    // Runs when Hide takes a shown form off the screen.
    virtual void OnHide() {}
    virtual void OnClose() {}
    virtual void OnDestroy() {}
    // After the form and its controls were laid out at a new DPI.
    virtual void OnDpiChanged() {}

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Paints the form's own surface (background colour by default); serves WM_PAINT and
    // WM_PRINTCLIENT alike.
    virtual void PaintContent(HDC dc, const RECT& clip);

private:
    void BringToFront();
    // The form moved to a monitor of another DPI: new fonts, the suggested rectangle,
    // every control laid out again.
    void ChangeDpi(int dpi, const RECT& suggested);
    // The colour scheme changed: the form and its controls choose their colours again, the
    // system's controls hear of it too, and everything paints anew.
    void RenewColors();
    // Where the keyboard goes when the form is active again: the control that had it, or
    // the first tab stop.
    void RestoreFocus();

    FormParams params_;
    ColorBrush background_;
    std::vector<Timer*> timers_;
    std::vector<ScaledFont*> fonts_;
    int dpi_ = kBaseDpi;
    std::unique_ptr<ScaledFont> defaultFont_;  // only where the stock font does not suit (see NeedsOwnDefaultFont)
    HWND focused_ = nullptr;
};

}  // namespace ui
