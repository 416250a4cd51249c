// The folders the pen's pictures go to, and the plain file work on them, with the
// system's error code where something fails: the messages name the reason.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pen {

// Pictures\Vellora, where Ctrl+S saves; nothing when the system names no Pictures folder.
std::optional<std::wstring> SavedDrawingsFolder();
// %LOCALAPPDATA%\Vellora\Recent, where the drawings are kept as the pen closes.
std::optional<std::wstring> KeptDrawingsFolder();

// Makes `folder` and the folders above it where missing; the error code, 0 when it stands.
DWORD MakeFolder(const std::wstring& folder);
// The names of the files in `folder` (none when it cannot be read).
std::vector<std::wstring> FileNamesIn(const std::wstring& folder);
bool FileExists(const std::wstring& path);
// Writes `bytes` as the whole file; the error code, 0 when written. A file cut short (a
// full disk) is deleted again.
DWORD WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
// The whole file into `bytes`; the error code, 0 when read.
DWORD ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& bytes);

}  // namespace pen
