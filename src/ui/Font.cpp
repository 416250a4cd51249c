#include "ui/Font.h"

namespace ui {

UniqueFont CreateFontByHeight(const wchar_t* face, int charHeight, bool bold, BYTE charset) {
    // A negative height asks for the character height rather than the cell height.
    return UniqueFont(CreateFontW(-charHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, charset,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  face));
}

UniqueFont CreateFontByPoints(const wchar_t* face, int points, bool bold) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return CreateFontByHeight(face, MulDiv(points, dpi, 72), bold);
}

}  // namespace ui
