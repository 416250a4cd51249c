#include "ui/ColorBox.h"

namespace ui {

ColorBox::ColorBox(HWND parent, int left, int top, int width, int height, const std::wstring& text, ColorDialog& dialog)
    : Edit(parent, left, top, width, height, text) {
    OnDblClick = [this, &dialog] {
        if (dialog.Execute(GetAncestor(Handle(), GA_ROOT))) SetColor(dialog.GetColor());
    };
}

}  // namespace ui
