#include "ui/Seams.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "ui/Application.h"
#include "ui/Contrast.h"

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

// The filter arrives as "Text|pattern" pairs; the dialogs want them NUL-separated.
std::vector<wchar_t> DialogFilter(const std::wstring& pairs) {
    std::vector<wchar_t> filter(pairs.begin(), pairs.end());
    for (auto& c : filter)
        if (c == L'|') c = L'\0';
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

// What the open and the save dialog are given alike; the vectors must outlive the call.
OPENFILENAMEW FileDialogFields(HWND owner, std::vector<wchar_t>& filter, std::vector<wchar_t>& file,
                               const std::wstring& initialDirectory) {
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialDirectory.empty() ? nullptr : initialDirectory.c_str();
    return ofn;
}

std::optional<std::wstring> OpenFileDialog(HWND owner, const OpenFileRequest& request) {
    std::vector<wchar_t> filter = DialogFilter(request.filter);
    std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
    OPENFILENAMEW ofn = FileDialogFields(owner, filter, file, request.initialDirectory);
    // Without OFN_NOCHANGEDIR the dialog leaves the working directory in the picked
    // file's folder, which the settings window relies on.
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!GetOpenFileNameW(&ofn)) return std::nullopt;
    return std::wstring(file.data());
}

std::optional<std::wstring> SaveFileDialog(HWND owner, const SaveFileRequest& request) {
    std::vector<wchar_t> filter = DialogFilter(request.filter);
    std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
    request.fileName.copy(file.data(), std::min(request.fileName.size(), file.size() - 1));
    OPENFILENAMEW ofn = FileDialogFields(owner, filter, file, request.initialDirectory);
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    // Saving a picture must not move the working directory as the open dialog does.
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameW(&ofn)) return std::nullopt;
    return std::wstring(file.data());
}

UINT IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return MB_ICONINFORMATION;
        case MessageKind::Warning:
            return MB_ICONWARNING;
        case MessageKind::Plain:
            break;
    }
    return 0;
}

}  // namespace

Seams Seams::System() {
    Seams s;
    s.showError = [](HWND owner, const std::wstring& text) {
        MessageBoxW(owner, text.c_str(), Application::Title, MB_OK | MB_ICONERROR | (owner ? 0 : MB_TASKMODAL));
    };
    s.showMessage = [](HWND owner, MessageKind kind, const std::wstring& text) {
        MessageBoxW(owner, text.c_str(), Application::Title, MB_OK | IconOf(kind) | (owner ? 0 : MB_TASKMODAL));
    };
    s.askYesNo = [](const std::wstring& text) {
        return MessageBoxW(nullptr, text.c_str(), Application::Title, MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) ==
               IDYES;
    };
    s.chooseColor = ChooseColorDialog;
    s.openFile = OpenFileDialog;
    s.saveFile = SaveFileDialog;
    s.mouseEvent = [](DWORD flags, LONG dx, LONG dy) { mouse_event(flags, dx, dy, 0, 0); };
    s.highContrast = SystemHighContrastOn;
    return s;
}

}  // namespace ui
