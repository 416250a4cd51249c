#include "ui/Application.h"

#include <commctrl.h>

#include <stdexcept>

#include "base/Exception.h"
#include "base/Utf8.h"
#include "base/ErrorText.h"
#include "ui/Form.h"
#include "ui/ShownDialogs.h"

namespace ui {
namespace {

Application* current = nullptr;
constexpr wchar_t kOwnerClass[] = L"TApplication";

void Dispatch(MSG& msg) {
    // A form's own keys work whichever of its controls has the keyboard.
    if (msg.message == WM_KEYDOWN) {
        Form* form = Form::Holding(msg.hwnd);
        if (form && form->PreviewKey(msg.hwnd, msg.wParam)) return;
    }
    // Tab, Space and Enter of a form that takes dialog keys move among and press its controls.
    HWND active = GetActiveWindow();
    if (Form::TakesDialogKeys(active) && IsDialogMessageW(active, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

Application::Application(HINSTANCE instance, Seams seams, std::wstring filesFolder)
    : instance_(instance), seams_(std::move(seams)), filesFolder_(std::move(filesFolder)) {
    current = this;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance_;
    wc.lpszClassName = kOwnerClass;
    RegisterClassExW(&wc);
    owner_ = CreateWindowExW(WS_EX_TOOLWINDOW, kOwnerClass, Title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_,
                             nullptr);
}

Application::~Application() {
    if (owner_) DestroyWindow(owner_);
    if (current == this) current = nullptr;
}

Application& Application::Current() {
    if (!current) throw std::logic_error("no application");
    return *current;
}

int Application::Run() {
    MSG msg;
    while (!terminated_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        Dispatch(msg);
    }
    terminated_ = true;
    return 0;
}

void Application::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

template <typename F>
auto Application::Modal(F&& run) {
    struct Open {
        int& depth;
        explicit Open(int& d) : depth(++d) {}
        ~Open() { --depth; }
    } open(modalDepth_);
    return run();
}

void Application::ShowErrorBox(const std::wstring& text, HWND owner) {
    if (seams_.showError) Modal([&] { seams_.showError(owner, text); });
}

void Application::ShowMessageBox(const std::wstring& text, MessageKind kind, HWND owner) {
    Modal([&] { seams_.showMessage(owner, kind, text); });
}

bool Application::AskYesNo(const std::wstring& text) {
    return Modal([&] { return seams_.askYesNo(text); });
}

std::optional<COLORREF> Application::RunColorDialog(HWND owner, COLORREF initial) {
    return Modal([&] { return seams_.chooseColor(owner, initial); });
}

std::optional<std::wstring> Application::RunOpenDialog(HWND owner, const OpenFileRequest& request) {
    return Modal([&] { return seams_.openFile(owner, request); });
}

std::optional<std::wstring> Application::RunSaveDialog(HWND owner, const SaveFileRequest& request) {
    return Modal([&] { return seams_.saveFile(owner, request); });
}

UINT Application::TrackMenu(HMENU menu, UINT flags, int x, int y, HWND owner) {
    menuOpen_ = true;
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr));
    menuOpen_ = false;
    return chosen;
}

bool Application::CancelOpenDialog() {
    if (menuOpen_) {
        // A hot key never reaches the menu's own loop as a key: the menu is closed here.
        EndMenu();
        return true;
    }
    if (!ModalOpen()) return false;
    // The innermost dialog is the one of this thread that is shown and not disabled by
    // another one above it.
    for (HWND dialog : ShownDialogs()) {
        if (!IsWindowEnabled(dialog)) continue;
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        break;
    }
    return true;
}

std::wstring ExceptionText(std::exception_ptr error) {
    std::wstring text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = FromUtf8(e.what());
    } catch (...) {
        text = L"Unknown error";
    }
    return WithFullStop(text);
}

void Application::HandleException(std::exception_ptr error) { ShowErrorBox(ExceptionText(error)); }

}  // namespace ui
