// Loaded into the program by menu_texts_probe: reads the items of the program's open menu
// from inside its process (a menu's handle means nothing in another process under Wine),
// writes them as UTF-8 lines "item <text>" to menu_texts.txt beside this library, and
// unloads itself. Uses nothing but the system, so that it loads into any program.
#include <windows.h>

namespace {

HWND OpenMenuWindow() {
    struct Search {
        DWORD process;
        HWND found;
    } search{GetCurrentProcessId(), nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            wchar_t name[16];
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process != s->process || !IsWindowVisible(window) || !GetClassNameW(window, name, 16) ||
                lstrcmpW(name, L"#32768") != 0)
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Append(HANDLE file, const wchar_t* text) {
    char utf8[1024];
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    DWORD written = 0;
    if (size > 1) WriteFile(file, utf8, static_cast<DWORD>(size - 1), &written, nullptr);
}

DWORD WINAPI ReadMenu(void* self) {
    const auto module = static_cast<HMODULE>(self);
    wchar_t path[MAX_PATH], written[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    while (length && path[lstrlenW(path) - 1] != L'\\') path[lstrlenW(path) - 1] = 0;
    lstrcpyW(written, path);
    lstrcatW(path, L"menu_texts.part");
    lstrcatW(written, L"menu_texts.txt");
    // Written whole under another name first: the probe takes the file once it appears.
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        if (HWND window = OpenMenuWindow()) {
            const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
            const int count = GetMenuItemCount(menu);
            for (int i = 0; i < count; ++i) {
                wchar_t text[256];
                if (GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION) <= 0) continue;
                Append(file, L"item ");
                Append(file, text);
                Append(file, L"\n");
            }
        }
        CloseHandle(file);
        MoveFileExW(path, written, MOVEFILE_REPLACE_EXISTING);
    }
    FreeLibraryAndExitThread(module, 0);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void*) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    DisableThreadLibraryCalls(module);
    // Not under the loader's lock: the reading sends a message to the menu's thread.
    if (HANDLE thread = CreateThread(nullptr, 0, ReadMenu, module, 0, nullptr)) CloseHandle(thread);
    return TRUE;
}
