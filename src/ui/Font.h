// Creating the fonts the forms name: face, character height in pixels, weight.
#pragma once
#include <windows.h>

#include <string>

#include "ui/Handles.h"

namespace ui {

class Form;

// The face and character set of the program's texts in the language in use: Chinese
// texts take a face that has their characters in every locale.
// The face and character set the program's texts are drawn in, for the language they are in:
// a Chinese text asks for a font with the Chinese characters on any Windows.
std::wstring TextFace();
BYTE TextCharset();

// `charHeight` is the character height in pixels (not the cell height), as the forms give it.
UniqueFont CreateFontByHeight(const wchar_t* face, int charHeight, bool bold = false, BYTE charset = DEFAULT_CHARSET);
// A font of `points` points on the screen, for text whose size is given in points.
UniqueFont CreateFontByPoints(const wchar_t* face, int points, bool bold = false);

// A font whose size is given for 96 DPI, made at the DPI its form lays its controls out
// at, and made again by the form when that DPI changes (the form moved to a monitor of
// another scaling). It belongs to the form of `windowOfForm`.
class ScaledFont {
public:
    ScaledFont(HWND windowOfForm, const LOGFONTW& design);
    ScaledFont(HWND windowOfForm, const std::wstring& face, int charHeight, bool bold = false,
               BYTE charset = TextCharset());
    ScaledFont(const ScaledFont&) = delete;
    ScaledFont& operator=(const ScaledFont&) = delete;
    ~ScaledFont();

    HFONT get() const { return font_.get(); }
    // Makes the font at `dpi` and hands back the one it replaces, which the caller keeps
    // until no control draws with it.
    UniqueFont Rescale(int dpi);

private:
    Form* form_;
    LOGFONTW design_;
    UniqueFont font_;
};

}  // namespace ui
