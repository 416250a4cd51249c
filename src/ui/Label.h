// Static text drawn on its parent's colour, sized to its text.
#pragma once
#include <windows.h>

#include <string>

#include "ui/ColorBrush.h"
#include "ui/Control.h"

namespace ui {

class Label : public Control {
public:
    // `background` is the colour of the parent the label stands on.
    Label(HWND parent, int left, int top, const std::wstring& caption, HFONT font, Color background);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void FitToText();
    void Paint(HDC dc);
    ColorBrush background_;
};

}  // namespace ui
