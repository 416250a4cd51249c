// The folders the pen's pictures go to, and the plain file work on them, with the
// system's error code where something fails: the messages name the reason.
#pragma once
#include <windows.h>
#include <shtypes.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pen {

// One of the system's known folders; nothing when the system gives none.
using KnownFolderLookup = std::function<std::optional<std::wstring>(const KNOWNFOLDERID&)>;
// The system's answer, the folder made where it is missing (a Pictures folder deleted).
std::optional<std::wstring> SystemKnownFolder(const KNOWNFOLDERID& id);

struct SaveFolder {
    std::wstring path;
    bool inPictures = true;
};
// Where Ctrl+S saves: Pictures\Vellora; where the system gives no Pictures folder even
// when asked to make it (its link dangles), %LOCALAPPDATA%\Vellora beside the kept
// drawings, then Vellora in the user's profile; nothing when it gives none of them.
std::optional<SaveFolder> SavedDrawingsFolder(const KnownFolderLookup& lookup = SystemKnownFolder);
// %LOCALAPPDATA%\Vellora\Recent, where the drawings are kept as the pen closes.
std::optional<std::wstring> KeptDrawingsFolder(const KnownFolderLookup& lookup = SystemKnownFolder);

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
