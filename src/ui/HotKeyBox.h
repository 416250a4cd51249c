// The system's hot-key control: the presenter presses a combination into it, and it shows
// the key an action has. Keys are given and taken as RegisterHotKey takes them.
#pragma once
#include <windows.h>

#include <functional>

#include "base/HotKeyTable.h"
#include "ui/Control.h"

namespace ui {

class HotKeyBox : public Control {
public:
    HotKeyBox(HWND parent, int left, int top, int width, int height);

    HotKey Key() const;
    // Shows `key` (none for no key); not raised as a change.
    void ShowKey(HotKey key);

    // The presenter pressed a whole combination, a key beside the modifiers.
    std::function<void(HotKey key)> OnPressed;

protected:
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
