// A single-line edit box with the events the forms use: a key filter, double click,
// change, and its own background and text colours.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/ColorBrush.h"
#include "ui/Control.h"
#include "ui/Handles.h"

namespace ui {

class Edit : public Control {
public:
    Edit(HWND parent, int left, int top, int width, int height, const std::wstring& text, bool visible = true);

    Color GetColor() const { return background_.Get(); }
    void SetColor(Color color);
    Color FontColor() const { return fontColor_; }
    void SetFontColor(Color color);
    void Focus();

    // Sees each typed character before the box does; setting it to 0 discards it.
    std::function<void(wchar_t& key)> OnKeyPress;
    std::function<void()> OnDblClick;
    std::function<void()> OnChange;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    ColorBrush background_;
    Color fontColor_ = WindowText;
};

}  // namespace ui
