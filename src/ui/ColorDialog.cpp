#include "ui/ColorDialog.h"

#include "ui/Application.h"

namespace ui {

bool ColorDialog::Execute(HWND owner) {
    const auto picked = Application::Current().RunColorDialog(owner, static_cast<COLORREF>(color_));
    if (!picked) return false;
    color_ = static_cast<Color>(*picked & 0x00FFFFFF);
    return true;
}

}  // namespace ui
