#include "app/TakenHotKeys.h"

#include "app/AppTexts.h"

std::wstring TakenHotKeysMessage(const std::vector<unsigned>& virtualKeys) {
    std::wstring lines;
    for (unsigned key : virtualKeys)
        for (const app::HotKeyUse& use : app::kHotKeyUses)
            if (use.virtualKey == key) lines += std::wstring(use.name) + L"（" + use.use + L"）\n";
    if (lines.empty()) return {};
    return std::wstring(app::kTakenHotKeysOpening) + L"\n" + lines + app::kTakenHotKeysClosing;
}
