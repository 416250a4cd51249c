#include "ui/HotKeyBox.h"

#include <commctrl.h>

#include "base/KeyChoice.h"

namespace ui {

HotKeyBox::HotKeyBox(HWND parent, int left, int top, int width, int height) {
    CreateSystemControl(WS_EX_CLIENTEDGE, HOTKEY_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, left, top, width,
                        height, parent);
    SetFont(DefaultFont());
}

HotKey HotKeyBox::Key() const {
    return FromHotKeyControl(static_cast<unsigned>(SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0)));
}

void HotKeyBox::ShowKey(HotKey key) { SendMessageW(Handle(), HKM_SETHOTKEY, HotKeyControlValue(key), 0); }

namespace {
// Posted to the box itself when it told of a change.
constexpr UINT kPressedMessage = WM_APP + 1;
}  // namespace

bool HotKeyBox::Reflected(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return false;
    // Taken once the control has done with the key: what the handler shows then (the
    // key kept) stays, and a message box it opens does not meet the rest of the press.
    PostMessageW(Handle(), kPressedMessage, 0, 0);
    result = 0;
    return true;
}

LRESULT HotKeyBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != kPressedMessage) return Control::HandleMessage(msg, wParam, lParam);
    // While only modifiers are down the control shows them and holds no key yet.
    const HotKey key = Key();
    if (key.virtualKey && OnPressed) OnPressed(key);
    return 0;
}

}  // namespace ui
