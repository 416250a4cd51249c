#include "ui/HotKeys.h"

namespace ui {

int RegisterAppHotKey(HWND window, const HotKey& key) {
    const int id = HotKeyId(GlobalAddAtomA("MyHotKey"), key);
    RegisterHotKey(window, id, 0, key.virtualKey);
    return id;
}

void UnregisterAppHotKey(HWND window, int id) { UnregisterHotKey(window, id); }

}  // namespace ui
