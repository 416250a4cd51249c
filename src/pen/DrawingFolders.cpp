#include "pen/DrawingFolders.h"

#include <knownfolders.h>
#include <shlobj.h>

#include "pen/PenTexts.h"
#include "ui/Handles.h"

namespace pen {
namespace {

class FindScope {
public:
    FindScope(const std::wstring& pattern, WIN32_FIND_DATAW& found)
        : find_(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0)) {}
    ~FindScope() {
        if (find_ != INVALID_HANDLE_VALUE) FindClose(find_);
    }
    FindScope(const FindScope&) = delete;
    FindScope& operator=(const FindScope&) = delete;
    HANDLE get() const { return find_; }

private:
    HANDLE find_;
};

ui::UniqueKernelHandle OpenFile(const std::wstring& path, DWORD access, DWORD disposition) {
    const HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    return ui::UniqueKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

}  // namespace

std::optional<std::wstring> SystemKnownFolder(const KNOWNFOLDERID& id) {
    PWSTR path = nullptr;
    const HRESULT found = SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path);
    std::optional<std::wstring> folder;
    if (SUCCEEDED(found) && path && *path) folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::optional<SaveFolder> SavedDrawingsFolder(const KnownFolderLookup& lookup) {
    const std::optional<std::wstring> pictures = lookup(FOLDERID_Pictures);
    if (pictures) return SaveFolder{*pictures + L"\\" + kSavedSubfolder, true};
    for (const KNOWNFOLDERID* instead : {&FOLDERID_LocalAppData, &FOLDERID_Profile})
        if (const std::optional<std::wstring> folder = lookup(*instead))
            return SaveFolder{*folder + L"\\" + kSavedSubfolder, false};
    return std::nullopt;
}

std::optional<std::wstring> KeptDrawingsFolder(const KnownFolderLookup& lookup) {
    const std::optional<std::wstring> folder = lookup(FOLDERID_LocalAppData);
    if (!folder) return std::nullopt;
    return *folder + L"\\" + kKeptSubfolder;
}

DWORD MakeFolder(const std::wstring& folder) {
    const int made = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    if (made == ERROR_SUCCESS) return 0;
    if (made == ERROR_ALREADY_EXISTS || made == ERROR_FILE_EXISTS) {
        // A file of that name is no folder to write into.
        const DWORD attributes = GetFileAttributesW(folder.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0
                                                                                                 : ERROR_DIRECTORY;
    }
    return static_cast<DWORD>(made);
}

std::vector<std::wstring> FileNamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const FindScope find(folder + L"\\*", found);
    if (find.get() == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (FindNextFileW(find.get(), &found));
    return names;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

DWORD WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    DWORD error = 0;
    {
        const ui::UniqueKernelHandle file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
        if (!file) return GetLastError();
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
            error = GetLastError();
        else if (written != bytes.size())
            error = ERROR_DISK_FULL;
    }
    if (error) DeleteFileW(path.c_str());
    return error;
}

DWORD ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& bytes) {
    const ui::UniqueKernelHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) return GetLastError();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return GetLastError();
    // A kept drawing is a screen's PNG; anything past a gigabyte is not one.
    if (size.QuadPart > (LONGLONG{1} << 30)) return ERROR_FILE_TOO_LARGE;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return GetLastError();
    bytes.resize(read);
    return 0;
}

}  // namespace pen
