// A check box with its caption, on its parent's colour; clicking it ticks or unticks it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/ColorBrush.h"
#include "ui/Control.h"

namespace ui {

class CheckBox : public Control {
public:
    // `background` is the colour of the parent the box stands on.
    CheckBox(HWND parent, int left, int top, int width, int height, const std::wstring& caption, Color background);

    bool Checked() const;
    void SetChecked(bool checked);

    // The user ticked or unticked the box (not raised by SetChecked).
    std::function<void()> OnClick;

protected:
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    ColorBrush background_;
};

}  // namespace ui
