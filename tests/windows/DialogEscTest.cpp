// Esc while one of the program's own dialogs or message boxes is open: Esc is the pen's
// hot key, so it reaches the program and not the dialog; it must close the dialog and
// leave the pen alone.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include <functional>
#include <stdexcept>

#include "effects/FollowerWindow.h"
#include "effects/SettingsWindow.h"
#include "pen/PenWindow.h"
#include "ui/HotKeyRegistrar.h"
#include "ui/ShownDialogs.h"

namespace {

bool escPressed = false;
bool forcedShut = false;

// Runs inside the dialog's loop: the pen's hot key arrives as the system delivers it.
void CALLBACK PressEsc(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    escPressed = true;
    PostMessageW(FindWindowExW(HWND_MESSAGE, nullptr, ui::kHotKeysClass, nullptr), WM_HOTKEY, 0,
                 MAKELPARAM(0, VK_ESCAPE));
}

// Only if Esc did not close it: ends whatever dialog is still open, so the test goes on.
void CALLBACK ShutDialogs(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (HWND dialog : ui::ShownDialogs()) {
        forcedShut = true;
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

}  // namespace

using DialogEscTest = AppTest;

TEST_F(DialogEscTest, EscClosesTheOpenDialogAndLeavesThePenAlone) {
    Shell& w = CreateWindows();
    SettingsWindow& s = w.settingsWindow();
    ui::Application::Current().Dialogs() = ui::Seams::System();
    struct Case {
        const char* name;
        std::function<void()> open;
    };
    const Case cases[] = {
        {"message box", [&] { s.haloDiameterBox.SetText(L""), LeftClick(s.haloSaveButton); }},
        {"error box",
         [] { ui::Application::Current().HandleException(std::make_exception_ptr(std::runtime_error("broken"))); }},
        {"colour dialog", [&] { DoubleClick(s.haloColorBox); }},
        {"file dialog", [&] { LeftClick(s.browseButton); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        escPressed = forcedShut = false;
        SetTimer(nullptr, 0, 300, PressEsc);
        const UINT_PTR shut = SetTimer(nullptr, 0, 8000, ShutDialogs);
        c.open();
        KillTimer(nullptr, shut);
        EXPECT_TRUE(escPressed) << "the dialog was open when Esc came";
        EXPECT_FALSE(forcedShut) << "Esc did not close the dialog";
        EXPECT_FALSE(w.penWindow().Visible());
        EXPECT_TRUE(w.follower().Visible());
        EXPECT_FALSE(ui::Application::Current().ModalOpen());
    }
    // With no dialog open Esc opens the pen as ever.
    SendHotKey(VK_ESCAPE);
    EXPECT_TRUE(w.penWindow().Visible());
}
