// The application object: title, message loop, the owner window that carries the
// (never shown) taskbar entry, and the one place every handler's error ends up.
#pragma once
#include <windows.h>

#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/ProgramFiles.h"
#include "ui/Seams.h"

namespace ui {

class Application {
public:
    static constexpr const wchar_t* Title = L"Vellora";

    // `filesFolder` holds the settings database and the pictures: the executable's own
    // folder, whatever the working directory.
    explicit Application(HINSTANCE instance, Seams seams = Seams::System(), std::wstring filesFolder = ProgramFolder());
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    // The one application of the process; forms reach it through here.
    static Application& Current();

    HINSTANCE Instance() const { return instance_; }
    // Hidden owner of every form: owned windows get no taskbar button of their own.
    HWND OwnerWindow() const { return owner_; }
    Seams& Dialogs() { return seams_; }
    const std::wstring& FilesFolder() const { return filesFolder_; }

    // The program's modal dialogs and message boxes, through the seams. Each counts as
    // open while it runs.
    // An error box owned by `owner` stands above it, even above a top-most window.
    void ShowErrorBox(const std::wstring& text, HWND owner = nullptr);
    // A message box owned by `owner` likewise; one owned by none holds every window of the
    // program until it is closed.
    void ShowMessageBox(const std::wstring& text, MessageKind kind = MessageKind::Plain, HWND owner = nullptr);
    bool AskYesNo(const std::wstring& text);
    std::optional<COLORREF> RunColorDialog(HWND owner, COLORREF initial);
    std::optional<std::wstring> RunOpenDialog(HWND owner, const OpenFileRequest& request);
    std::optional<std::wstring> RunSaveDialog(HWND owner, const SaveFileRequest& request);
    bool ModalOpen() const { return modalDepth_ > 0; }
    // A popup menu of the program's is open (see TrackMenu).
    bool MenuOpen() const { return menuOpen_; }
    // Opens a menu of the program (TrackPopupMenu's arguments) and returns the item chosen.
    // The menu counts as open while it runs its own loop.
    UINT TrackMenu(HMENU menu, UINT flags, int x, int y, HWND owner);
    // Esc while a menu of the program is open: closes it and nothing else; while a dialog
    // or box is open: cancels the innermost. False when none is open.
    bool CancelOpenDialog();

    // Runs the message loop until Terminate.
    int Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every message already waiting, then returns (used by tests).
    void ProcessMessages();

    // Shows the error's text with the full-stop rule. Called by the window dispatcher
    // for anything a handler throws; the program goes on afterwards.
    void HandleException(std::exception_ptr error);

private:
    HINSTANCE instance_;
    Seams seams_;
    std::wstring filesFolder_;
    template <typename F>
    auto Modal(F&& run);

    HWND owner_ = nullptr;
    bool terminated_ = false;
    int modalDepth_ = 0;
    bool menuOpen_ = false;
};

// An error's text as the error box shows it, with the full-stop rule.
std::wstring ExceptionText(std::exception_ptr error);

// Runs `body` and hands anything it throws to the application's error report.
template <typename F>
void Guarded(F&& body) {
    try {
        body();
    } catch (...) {
        Application::Current().HandleException(std::current_exception());
    }
}

}  // namespace ui
