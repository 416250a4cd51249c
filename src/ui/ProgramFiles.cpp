#include "ui/ProgramFiles.h"

#include <windows.h>

#include "base/ProgramPaths.h"
#include "ui/Application.h"

namespace ui {

std::wstring ProgramPath() {
    // The path can be longer than MAX_PATH (a deep folder on a USB stick): grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ProgramFolder() { return FolderOf(ProgramPath()); }

std::wstring BesideProgram(const std::wstring& relative) {
    return InsideFolder(Application::Current().FilesFolder(), relative);
}

}  // namespace ui
