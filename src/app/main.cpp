// Entry point: the application, its seven windows, the message loop.
#include <windows.h>

#include "app/Inventory.h"
#include "ui/Application.h"

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
    ui::Application application(instance);
    Inventory windows;
    windows.Start();
    return application.Run();
}
