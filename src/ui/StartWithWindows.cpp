#include "ui/StartWithWindows.h"

#include <windows.h>

#include <optional>

#include "base/Exception.h"
#include "base/ProgramPaths.h"
#include "base/Text.h"
#include "base/Utf8.h"
#include "ui/Handles.h"
#include "ui/ProgramFiles.h"

namespace ui {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

[[noreturn]] void Fail(LSTATUS status) {
    throw Exception(ToUtf8(Formatted(IDS_START_WITH_WINDOWS_FAILED, {std::to_wstring(status)})));
}

UniqueRegistryKey OpenRunKey(REGSAM access) {
    HKEY key = nullptr;
    const LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, access, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) Fail(status);
    return UniqueRegistryKey(key);
}

// The entry's command, or nothing when there is no entry of a text type.
std::optional<std::wstring> ReadEntry() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
    const UniqueRegistryKey owned(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, kStartEntryName, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, kStartEntryName, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

void WriteEntry() {
    const UniqueRegistryKey key = OpenRunKey(KEY_SET_VALUE);
    const std::wstring command = StartCommandFor(ProgramPath());
    const LSTATUS status =
        RegSetValueExW(key.get(), kStartEntryName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) Fail(status);
}

}  // namespace

bool StartsWithWindows() {
    const std::optional<std::wstring> entry = ReadEntry();
    return entry && StartCommandNames(*entry, ProgramPath());
}

void SetStartWithWindows(bool on) {
    if (on) {
        WriteEntry();
        return;
    }
    if (!ReadEntry()) return;
    const UniqueRegistryKey key = OpenRunKey(KEY_SET_VALUE);
    const LSTATUS status = RegDeleteValueW(key.get(), kStartEntryName);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) Fail(status);
}

void CorrectStartEntry() {
    const std::optional<std::wstring> entry = ReadEntry();
    if (!entry || StartCommandNames(*entry, ProgramPath())) return;
    // Another copy that is still there keeps the entry: the user chose it there.
    if (GetFileAttributesW(StartCommandPath(*entry).c_str()) == INVALID_FILE_ATTRIBUTES) WriteEntry();
}

}  // namespace ui
