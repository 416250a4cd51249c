// What a screen reader finds in another program's open menu: loads menu_texts_reader.dll
// into the process that shows a menu, as screen readers read from inside a program, and
// prints the lines it writes ("item <text>" for each item, UTF-8). Exits with 1 when no
// menu is open or nothing came back within five seconds.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring beside(path);
    return beside.substr(0, beside.find_last_of(L'\\') + 1) + name;
}

bool LoadInto(DWORD processId, const std::wstring& library) {
    HANDLE process = OpenProcess(
        PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ,
        FALSE, processId);
    if (!process) return false;
    const SIZE_T bytes = (library.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
    bool loaded = false;
    if (remote && WriteProcessMemory(process, remote, library.c_str(), bytes, nullptr)) {
        // The system's libraries lie at the same place in every process.
        auto* load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
        if (HANDLE thread = CreateRemoteThread(process, nullptr, 0, load, remote, 0, nullptr)) {
            loaded = WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0;
            CloseHandle(thread);
        }
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return loaded;
}

}  // namespace

int wmain() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return 1;
    DWORD processId = 0;
    GetWindowThreadProcessId(menu, &processId);
    const std::wstring written = BesideThisProgram(L"menu_texts.txt");
    DeleteFileW(written.c_str());
    if (!LoadInto(processId, BesideThisProgram(L"menu_texts_reader.dll"))) return 1;
    for (int waited = 0; waited < 5000; waited += 50) {
        if (FILE* file = _wfopen(written.c_str(), L"rb")) {
            char buffer[4096];
            std::size_t read = 0;
            while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) std::fwrite(buffer, 1, read, stdout);
            std::fclose(file);
            DeleteFileW(written.c_str());
            return 0;
        }
        Sleep(50);
    }
    return 1;
}
