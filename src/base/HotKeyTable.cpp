#include "base/HotKeyTable.h"

const HotKeyRow& RowOf(HotKeyAction action) {
    for (const HotKeyRow& row : kHotKeyRows)
        if (row.action == action) return row;
    // Every action has its row; the table and the enumeration are kept together above.
    return kHotKeyRows[0];
}

std::optional<HotKeyAction> ActionForMessage(std::span<const HeldKey> held, std::intptr_t lParam) {
    const HotKey pressed = HotKeyOf(lParam);
    std::optional<HotKeyAction> found;
    for (const HeldKey& key : held) {
        if (key.key.virtualKey != pressed.virtualKey) continue;
        if (key.key.modifiers == pressed.modifiers) return key.action;
        if (!found) found = key.action;
    }
    return found;
}
