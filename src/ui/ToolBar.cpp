#include "ui/ToolBar.h"

#include "ui/ColorRef.h"

namespace ui {
namespace {
constexpr COLORREF kGlyphMask = RGB(255, 0, 255);
}  // namespace

ToolBar::ToolBar(HWND parent, const ToolBarParams& params)
    : buttonSize_{params.buttonWidth, params.buttonHeight},
      glyphStrips_(params.glyphStrips),
      background_(params.background) {
    CreateSystemControl(0, TOOLBARCLASSNAMEW, L"",
                        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_WRAPABLE | CCS_NORESIZE |
                            CCS_NOPARENTALIGN | CCS_NODIVIDER,
                        params.left, params.top, params.width, params.height, parent);
    SendMessageW(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // Mixed buttons show their text only when asked to: each button has its name as its
    // text, which screen readers read, and shows its glyph alone.
    SendMessageW(Handle(), TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    LoadGlyphs();
    SizeButtons();
    // Our own tooltip control: it watches the toolbar's mouse messages and holds each
    // hint's text, so no notification has to travel back to us.
    tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                                   0, 0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
}

void ToolBar::LoadGlyphs() {
    if (glyphStrips_.empty()) return;
    auto chosen = glyphStrips_.front();
    for (const auto& strip : glyphStrips_)
        if (strip.first <= ScaleForDpi(glyphStrips_.front().first, LayoutDpi())) chosen = strip;
    decltype(glyphs_) fresh(ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(chosen.second),
                                                 chosen.first, 0, kGlyphMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    SendMessageW(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(fresh.get()));
    glyphs_ = std::move(fresh);  // the toolbar no longer shows the old list
}

void ToolBar::SizeButtons() {
    SendMessageW(Handle(), TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(ScaleForDpi(buttonSize_.cx, LayoutDpi()), ScaleForDpi(buttonSize_.cy, LayoutDpi())));
}

void ToolBar::RelayOut(int dpi) {
    Control::RelayOut(dpi);
    LoadGlyphs();
    SizeButtons();
}

void ToolBar::Enable(int index, bool enabled) {
    SendMessageW(Handle(), TB_ENABLEBUTTON, static_cast<WPARAM>(kFirstCommand + index),
                 MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

bool ToolBar::Enabled(int index) const {
    return SendMessageW(Handle(), TB_ISBUTTONENABLED, static_cast<WPARAM>(kFirstCommand + index), 0) != 0;
}

// The toolbar goes first, before the image list it borrows.
ToolBar::~ToolBar() { DestroyHandle(); }

void ToolBar::Add(ToolButton& button, int glyph, const std::wstring& name, const std::wstring& hint, bool endsRow) {
    const int index = ButtonCount();
    TBBUTTON b{};
    b.iBitmap = glyph;
    b.idCommand = kFirstCommand + index;
    b.fsState = static_cast<BYTE>(TBSTATE_ENABLED | (endsRow ? TBSTATE_WRAP : 0));
    b.fsStyle = BTNS_BUTTON;
    b.iString = reinterpret_cast<INT_PTR>(name.c_str());  // the toolbar keeps its own copy
    SendMessageW(Handle(), TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&b));
    SizeButtons();  // a button with text would otherwise grow the buttons to fit it
    buttons_.push_back(&button);
    if (hint.empty()) return;
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = Handle();
    info.uId = static_cast<UINT_PTR>(index);
    info.rect = ButtonRect(index);
    info.lpszText = const_cast<wchar_t*>(hint.c_str());  // the tooltip keeps its own copy
    SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

RECT ToolBar::ButtonRect(int index) const {
    RECT r{};
    SendMessageW(Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

std::wstring ToolBar::Name(int index) const {
    const auto command = static_cast<WPARAM>(kFirstCommand + index);
    const auto length = static_cast<int>(SendMessageW(Handle(), TB_GETBUTTONTEXTW, command, 0));
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(Handle(), TB_GETBUTTONTEXTW, command, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::wstring ToolBar::Hint(int index) const {
    wchar_t text[80] = L"";
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = Handle();
    info.uId = static_cast<UINT_PTR>(index);
    info.lpszText = text;
    SendMessageW(tooltip_.get(), TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

LRESULT ToolBar::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_ERASEBKGND) return Default(msg, wParam, lParam);
    // A flat toolbar would ask its parent to paint beneath it; it paints its own ground.
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(reinterpret_cast<HDC>(wParam), &r, background_.Brush());
    return 1;
}

bool ToolBar::Reflected(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND) return false;
    const int index = LOWORD(wParam) - kFirstCommand;
    if (index < 0 || index >= ButtonCount()) return false;
    result = 0;
    buttons_[static_cast<std::size_t>(index)]->Click();
    return true;
}

}  // namespace ui
