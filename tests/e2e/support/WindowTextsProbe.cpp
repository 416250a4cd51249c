// What a screen reader finds in another program's windows: for every visible top-level
// window whose title is given on the command line (any title when none is), prints
//   window <title>
//   text <class> <text>          for each child window with text
//   name <name>                  for each child a toolbar has, through MSAA (accName)
//   button <text>                for each button of a toolbar, its own text (what the
//                                system's MSAA proxy reads where Wine's has no children)
// as UTF-8; a text of several lines goes on over as many.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "WindowQueries.h"

namespace {

void Print(const char* kind, const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    std::printf("%s %s\n", kind, utf8.c_str());
}

// The names MSAA gives the children of `toolbar`: its buttons.
void PrintNames(HWND toolbar) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(toolbar, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))))
        return;
    long count = 0;
    accessible->get_accChildCount(&count);
    for (long i = 1; i <= count; ++i) {
        VARIANT child;
        VariantInit(&child);
        child.vt = VT_I4;
        child.lVal = i;
        BSTR name = nullptr;
        if (SUCCEEDED(accessible->get_accName(child, &name)) && name) {
            Print("name", std::wstring(name, SysStringLen(name)));
            SysFreeString(name);
        }
    }
    accessible->Release();
}

// The texts of `toolbar`'s buttons, read through memory of its own process: a toolbar's
// messages carry pointers, which are not carried across processes.
void PrintButtonTexts(HWND toolbar) {
    DWORD processId = 0;
    GetWindowThreadProcessId(toolbar, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return;
    constexpr std::size_t kSize = 4096;
    void* remote = VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
    const auto count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; remote && i < count; ++i) {
        TBBUTTON button{};
        if (!SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(remote)) ||
            !ReadProcessMemory(process, remote, &button, sizeof button, nullptr))
            continue;
        const auto length =
            SendMessageW(toolbar, TB_GETBUTTONTEXTW, button.idCommand, reinterpret_cast<LPARAM>(remote));
        wchar_t text[512] = L"";
        if (length > 0 && length < 512 &&
            ReadProcessMemory(process, remote, text, static_cast<SIZE_T>(length) * sizeof(wchar_t), nullptr))
            Print("button", std::wstring(text, static_cast<std::size_t>(length)));
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
}

BOOL CALLBACK EachChild(HWND child, LPARAM) {
    const std::wstring kind = ClassOf(child), text = WindowText(child);
    if (!text.empty()) Print("text", kind + L" " + text);
    if (kind == L"ToolbarWindow32") {
        PrintNames(child);
        PrintButtonTexts(child);
    }
    return TRUE;
}

BOOL CALLBACK EachWindow(HWND window, LPARAM wanted) {
    const auto& titles = *reinterpret_cast<const std::vector<std::wstring>*>(wanted);
    const std::wstring title = WindowText(window);
    if (!IsWindowVisible(window)) return TRUE;
    bool found = titles.empty();
    for (const std::wstring& t : titles) found = found || t == title;
    if (!found) return TRUE;
    Print("window", title);
    EnumChildWindows(window, EachChild, 0);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    CoInitialize(nullptr);
    std::vector<std::wstring> titles(argv + 1, argv + argc);
    EnumWindows(EachWindow, reinterpret_cast<LPARAM>(&titles));
    CoUninitialize();
    return 0;
}
