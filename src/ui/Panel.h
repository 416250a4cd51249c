// A flat or raised panel with a centred caption that acts on a click; it can also hold
// other controls, whose notifications it passes back to them.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/ColorBrush.h"
#include "ui/Control.h"
#include "ui/Handles.h"

namespace ui {

enum class Bevel { None, Raised };

struct PanelParams {
    int left = 0, top = 0, width = 185, height = 41;
    std::wstring caption;
    Color color = BtnFace;
    Bevel bevel = Bevel::None;
    // A button reached with Tab: it takes the focus, shows it, and Space or Enter click it.
    bool tabStop = false;
};

class Panel : public Control {
public:
    Panel(HWND parent, const PanelParams& params);

    Color GetColor() const { return background_.Get(); }
    void SetColor(Color color);
    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    // Runs the click handler, as a click of the user would.
    void Click();

    std::function<void()> OnClick;
    // Button (VK_LBUTTON, VK_RBUTTON, VK_MBUTTON) and position in the panel.
    std::function<void(int button, int x, int y)> OnMouseDown;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);

    std::wstring caption_;
    ColorBrush background_;
    Bevel bevel_;
    bool tabStop_;
    bool pressed_ = false;
};

}  // namespace ui
