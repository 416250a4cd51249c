// A read-only rich-text box with both scroll bars, for fixed text such as the help.
#pragma once
#include <windows.h>

#include <string>

#include "ui/Control.h"

namespace ui {

class RichEdit : public Control {
public:
    // Lines are separated by "\r\n" in `text`; long lines wrap at the box's width.
    RichEdit(HWND parent, int left, int top, int width, int height, const std::wstring& text);

    bool ReadOnly() const;
};

}  // namespace ui
