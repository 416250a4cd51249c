// Entry point: one copy per session, the application, its shell with every window, the message loop.
#include <windows.h>

#include "app/AppTexts.h"
#include "app/Shell.h"
#include "app/SingleInstance.h"
#include "base/Text.h"
#include "ui/Application.h"
#include "ui/StartWithWindows.h"

namespace {

// Libraries loaded from now on come from the system folder only, never from beside the
// program or from the working directory, where a planted DLL of the same name would win.
// Windows 7 has the call only with its 2011 loader update, so it is looked up; without it
// the working directory at least is taken out of the search.
void LoadLibrariesFromSystemFolderOnly() {
    using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (!found ||
        !reinterpret_cast<SetDefaultDirectories>(reinterpret_cast<void (*)()>(found))(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryW(L"");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    LoadLibrariesFromSystemFolderOnly();
    // Before anything else: a later copy must not touch the tray or the settings.
    const SingleInstance copy;
    if (!copy.First()) {
        if (!copy.BringOutFirst())
            MessageBoxW(nullptr, Text(IDS_FIRST_COPY_NOT_ANSWERING).c_str(), app::kProductName, MB_OK | MB_ICONWARNING);
        return 0;
    }
    ui::Application application(instance);
    ui::Guarded(ui::CorrectStartEntry);
    Shell shell;
    shell.Start();
    return application.Run();
}
