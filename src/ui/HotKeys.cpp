#include "ui/HotKeys.h"

#include "ui/Application.h"

namespace ui {

int RegisterAppHotKey(HWND window, const HotKey& key) {
    // RegisterHotKey wants an application's ids in 0xC000-0xFFFF, where global atoms live:
    // an id made from an atom of its own cannot collide with another program's hot keys.
    const int id = HotKeyId(GlobalAddAtomA(kHotKeyAtom), key);
    // Fails when another program holds the key (ERROR_HOTKEY_ALREADY_REGISTERED): the key
    // is noted for the one message of the start-up, and the program runs on without it.
    if (!RegisterHotKey(window, id, key.modifiers, key.virtualKey)) Application::Current().NoteTakenHotKey(key.virtualKey);
    return id;
}

void UnregisterAppHotKey(HWND window, int id) { UnregisterHotKey(window, id); }

}  // namespace ui
