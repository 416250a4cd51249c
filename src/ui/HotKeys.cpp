#include "ui/HotKeys.h"

namespace ui {

int RegisterAppHotKey(HWND window, const HotKey& key) {
    // RegisterHotKey wants an application's ids in 0xC000-0xFFFF, where global atoms live:
    // an id made from an atom of its own cannot collide with another program's hot keys.
    const int id = HotKeyId(GlobalAddAtomA(kHotKeyAtom), key);
    RegisterHotKey(window, id, key.modifiers, key.virtualKey);
    return id;
}

void UnregisterAppHotKey(HWND window, int id) { UnregisterHotKey(window, id); }

}  // namespace ui
