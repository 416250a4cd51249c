#include "base/ErrorText.h"

std::wstring WithFullStop(const std::wstring& text) {
    if (text.empty() || text.back() <= L'.') return text;
    return text + L'.';
}
