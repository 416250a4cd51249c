#include "ui/ErrorText.h"

namespace ui {

std::wstring WithFullStop(const std::wstring& text) {
    if (text.empty() || text.back() <= L'.') return text;
    return text + L'.';
}

}  // namespace ui
