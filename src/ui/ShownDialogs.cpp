#include "ui/ShownDialogs.h"

#include <cwchar>

namespace ui {

std::vector<HWND> ShownDialogs() {
    std::vector<HWND> dialogs;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[8];
            GetClassNameW(window, name, 8);
            if (wcscmp(name, L"#32770") == 0 && IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

}  // namespace ui
