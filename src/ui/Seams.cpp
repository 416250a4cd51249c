#include "ui/Seams.h"

#include <commdlg.h>

#include <vector>

#include "ui/Application.h"

namespace ui {
namespace {

std::optional<COLORREF> ChooseColorDialog(HWND owner, COLORREF initial) {
    static COLORREF customColors[16] = {};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = initial;
    cc.lpCustColors = customColors;
    cc.Flags = CC_RGBINIT;
    if (!ChooseColorW(&cc)) return std::nullopt;
    return cc.rgbResult;
}

std::optional<std::wstring> OpenFileDialog(HWND owner, const OpenFileRequest& request) {
    // The filter arrives as "Text|pattern" pairs; the dialog wants them NUL-separated.
    std::vector<wchar_t> filter(request.filter.begin(), request.filter.end());
    for (auto& c : filter)
        if (c == L'|') c = L'\0';
    filter.push_back(L'\0');
    filter.push_back(L'\0');

    std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = request.initialDirectory.empty() ? nullptr : request.initialDirectory.c_str();
    // Without OFN_NOCHANGEDIR the dialog leaves the working directory in the picked
    // file's folder, which the settings window relies on.
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!GetOpenFileNameW(&ofn)) return std::nullopt;
    return std::wstring(file.data());
}

}  // namespace

Seams Seams::System() {
    Seams s;
    s.showError = [](const std::wstring& text) {
        MessageBoxW(nullptr, text.c_str(), Application::Title, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    };
    s.showMessage = [](const std::wstring& text) {
        MessageBoxW(nullptr, text.c_str(), Application::Title, MB_OK | MB_TASKMODAL);
    };
    s.askYesNo = [](const std::wstring& text) {
        return MessageBoxW(nullptr, text.c_str(), Application::Title, MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) ==
               IDYES;
    };
    s.chooseColor = ChooseColorDialog;
    s.openFile = OpenFileDialog;
    s.mouseEvent = [](DWORD flags, LONG dx, LONG dy) { mouse_event(flags, dx, dy, 0, 0); };
    return s;
}

}  // namespace ui
