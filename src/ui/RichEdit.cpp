#include "ui/RichEdit.h"

#include <richedit.h>

namespace ui {
namespace {

// The rich-edit window class lives in its own library. It is loaded once and stays loaded
// for the life of the process: the class must outlast every box made from it.
void LoadRichEditClass() {
    static const HMODULE library = LoadLibraryW(L"riched20.dll");
    (void)library;
}

}  // namespace

RichEdit::RichEdit(HWND parent, int left, int top, int width, int height, const std::wstring& text) {
    LoadRichEditClass();
    CreateSystemControl(WS_EX_CLIENTEDGE, RICHEDIT_CLASSW, text.c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                            ES_AUTOVSCROLL | ES_DISABLENOSCROLL,
                        left, top, width, height, parent);
    // A horizontal scroll bar would otherwise turn wrapping off; wrap at the box's width.
    SendMessageW(Handle(), EM_SETTARGETDEVICE, 0, 0);
    SetFont(DefaultFont());
    // Lay the text out within what shows: Wine's box would take the whole window's width,
    // and its vertical scroll bar would cover the end of every wrapped line.
    RECT client{}, format{};
    GetClientRect(Handle(), &client);
    SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    if (format.right > client.right) {
        format.right = client.right;
        SendMessageW(Handle(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
    }
}

bool RichEdit::ReadOnly() const { return (GetWindowLongW(Handle(), GWL_STYLE) & ES_READONLY) != 0; }

}  // namespace ui
