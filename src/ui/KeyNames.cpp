#include "ui/KeyNames.h"

#include <windows.h>

#include "base/KeyChoice.h"

namespace ui {
namespace {

// The system's name of one key, by its scan code; keys of the extended block say so.
std::wstring SystemName(unsigned virtualKey) {
    LONG code = static_cast<LONG>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    if (OnExtendedBlock(virtualKey)) code |= 1 << 24;
    wchar_t name[64] = L"";
    if (code && GetKeyNameTextW(code, name, 64) > 0) return name;
    wchar_t number[16];
    wsprintfW(number, L"0x%02X", virtualKey);  // a key the layout does not name
    return number;
}

}  // namespace

std::wstring KeyName(HotKey key) {
    if (!key.virtualKey) return {};
    for (const HotKeyRow& row : kHotKeyRows)
        if (row.key == key) return row.keyName;
    std::wstring name;
    for (const auto& [flag, vk] : {std::pair{MOD_CONTROL, VK_CONTROL}, std::pair{MOD_ALT, VK_MENU},
                                   std::pair{MOD_SHIFT, VK_SHIFT}, std::pair{MOD_WIN, VK_LWIN}})
        if (key.modifiers & flag) name += SystemName(vk) + L"+";
    return name + SystemName(key.virtualKey);
}

}  // namespace ui
