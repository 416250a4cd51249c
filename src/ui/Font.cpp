#include "ui/Font.h"

#include <cwchar>

#include "base/Monitors.h"
#include "base/Text.h"
#include "ui/Form.h"

namespace ui {
namespace {

LOGFONTW FontByHeight(const wchar_t* face, int charHeight, bool bold, BYTE charset) {
    LOGFONTW font{};
    // A negative height asks for the character height rather than the cell height.
    font.lfHeight = -charHeight;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = charset;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

UniqueFont FontAt(LOGFONTW font, int dpi) {
    font.lfHeight = ScaleForDpi(font.lfHeight, dpi);
    return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace

std::wstring TextFace() { return Text(IDS_FONT_FACE); }

BYTE TextCharset() { return CurrentLanguage() == Language::Chinese ? GB2312_CHARSET : DEFAULT_CHARSET; }

UniqueFont CreateFontByHeight(const wchar_t* face, int charHeight, bool bold, BYTE charset) {
    return FontAt(FontByHeight(face, charHeight, bold, charset), kBaseDpi);
}

UniqueFont CreateFontByPoints(const wchar_t* face, int points, bool bold) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return CreateFontByHeight(face, MulDiv(points, dpi, 72), bold);
}

ScaledFont::ScaledFont(HWND windowOfForm, const LOGFONTW& design)
    : form_(dynamic_cast<Form*>(Window::FromHandle(GetAncestor(windowOfForm, GA_ROOT)))), design_(design) {
    font_ = FontAt(design_, form_ ? form_->ChildLayoutDpi() : kBaseDpi);
    if (form_) form_->AttachFont(this);
}

ScaledFont::ScaledFont(HWND windowOfForm, const std::wstring& face, int charHeight, bool bold, BYTE charset)
    : ScaledFont(windowOfForm, FontByHeight(face.c_str(), charHeight, bold, charset)) {}

ScaledFont::~ScaledFont() {
    if (form_) form_->DetachFont(this);
}

UniqueFont ScaledFont::Rescale(int dpi) {
    UniqueFont previous = std::move(font_);
    font_ = FontAt(design_, dpi);
    return previous;
}

}  // namespace ui
