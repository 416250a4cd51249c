// The few places where the program would block on a person, act on the machine outside
// its own windows, or read a setting of the system that a test cannot change. The application holds one set; the
// defaults are the real system calls, and tests put recording ones in their place.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace ui {

struct OpenFileRequest {
    std::wstring filter;  // "Description|*.ext" pairs
    std::wstring initialDirectory;
};

struct SaveFileRequest {
    std::wstring filter;  // "Description|*.ext" pairs
    std::wstring initialDirectory;
    std::wstring fileName;          // offered in the name box
    std::wstring defaultExtension;  // added to a name typed without one
};

// What a message box tells, shown by its icon: a plain message has none.
enum class MessageKind { Plain, Information, Warning };

struct Seams {
    // Error report: message box with the application title, error icon and OK, owned by
    // `owner` (null: by none), so that it stands above a top-most owner.
    std::function<void(HWND owner, const std::wstring& text)> showError;
    // User message: message box with the application title, the icon of `kind` and OK,
    // owned by `owner` (null: by none).
    std::function<void(HWND owner, MessageKind kind, const std::wstring& text)> showMessage;
    // Question: message box with the application title, a question icon, Yes and No; true for Yes.
    std::function<bool(const std::wstring& text)> askYesNo;
    // Colour chooser opened on `initial`; nothing when cancelled.
    std::function<std::optional<COLORREF>(HWND owner, COLORREF initial)> chooseColor;
    // File-open dialog; the full path picked, nothing when cancelled.
    std::function<std::optional<std::wstring>(HWND owner, const OpenFileRequest& request)> openFile;
    // File-save dialog that asks before replacing a file; the full path, nothing when cancelled.
    std::function<std::optional<std::wstring>(HWND owner, const SaveFileRequest& request)> saveFile;
    // Synthesised mouse input (mouse_event).
    std::function<void(DWORD flags, LONG dx, LONG dy)> mouseEvent;
    // Whether high contrast is on (SPI_GETHIGHCONTRAST; Wine cannot switch it).
    std::function<bool()> highContrast;

    static Seams System();
};

}  // namespace ui
