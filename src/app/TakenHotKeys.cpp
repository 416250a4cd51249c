#include "app/TakenHotKeys.h"

#include "base/Text.h"

std::wstring TakenHotKeysMessage(const std::vector<HotKeyAction>& taken,
                                 const std::function<std::wstring(HotKeyAction)>& keyName) {
    if (taken.empty()) return {};
    std::wstring lines;
    for (HotKeyAction action : taken) {
        const HotKeyRow& row = RowOf(action);
        lines += Formatted(IDS_TAKEN_KEY_LINE, {keyName(action), Text(row.use)}) + L"\n";
    }
    return Text(IDS_TAKEN_KEYS_OPENING) + L"\n" + lines + Text(IDS_TAKEN_KEYS_CLOSING);
}
