#include "app/TakenHotKeys.h"

#include "app/AppTexts.h"

std::wstring TakenHotKeysMessage(const std::vector<HotKeyAction>& taken) {
    if (taken.empty()) return {};
    std::wstring lines;
    for (HotKeyAction action : taken) {
        const HotKeyRow& row = RowOf(action);
        lines += std::wstring(row.keyName) + L"（" + row.use + L"）\n";
    }
    return std::wstring(app::kTakenHotKeysOpening) + L"\n" + lines + app::kTakenHotKeysClosing;
}
