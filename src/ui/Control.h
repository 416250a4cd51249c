// Common ground of the child controls a form owns: placement, visibility and font.
#pragma once
#include <windows.h>

#include <string>

#include "ui/Window.h"

namespace ui {

class Control : public Window {
public:
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);
    void SetPosition(int left, int top);
    void SetSize(int width, int height);

    bool Visible() const;
    void Show();
    void Hide();

    // The font is owned by the caller (a form member or a stock font) and must outlive the control.
    void SetFont(HFONT font);
    HFONT GetFont() const { return font_; }

    std::wstring Text() const;
    void SetText(const std::wstring& text);

protected:
    HFONT font_ = nullptr;

private:
    RECT RectInParent() const;
};

// The stock dialog font, the default of every control.
HFONT DefaultFont();

}  // namespace ui
