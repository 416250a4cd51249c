// The end-to-end checks' view of the clipboard, as another program on the same desktop:
//   clipboard_probe dump FILE   writes the clipboard's CF_DIB as a .bmp file (exit 1: none)
//   clipboard_probe hold FILE   opens the clipboard and keeps it until FILE exists
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

int Dump(const wchar_t* file) {
    if (!OpenClipboard(nullptr)) return 2;
    int result = 1;
    if (const HANDLE data = GetClipboardData(CF_DIB)) {
        const auto* dib = static_cast<const BYTE*>(GlobalLock(data));
        const SIZE_T size = GlobalSize(data);
        BITMAPFILEHEADER header{};
        header.bfType = 0x4D42;  // "BM"
        header.bfSize = static_cast<DWORD>(sizeof header + size);
        header.bfOffBits = static_cast<DWORD>(sizeof header + reinterpret_cast<const BITMAPINFOHEADER*>(dib)->biSize);
        if (FILE* out = _wfopen(file, L"wb")) {
            fwrite(&header, sizeof header, 1, out);
            fwrite(dib, 1, size, out);
            fclose(out);
            result = 0;
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return result;
}

int Hold(const wchar_t* until) {
    if (!OpenClipboard(nullptr)) return 2;
    std::puts("holding");
    std::fflush(stdout);
    while (GetFileAttributesW(until) == INVALID_FILE_ATTRIBUTES) Sleep(100);
    CloseClipboard();
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"dump") == 0) return Dump(argv[2]);
    if (argc == 3 && std::wcscmp(argv[1], L"hold") == 0) return Hold(argv[2]);
    std::fputs("usage: clipboard_probe dump FILE | hold FILE\n", stderr);
    return 64;
}
