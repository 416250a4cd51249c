// Input that arrives while the start-up error box is up. The real box runs its own message
// loop, so a hot key or a tray-menu command reaches the program before start-up has ended.
#include "AppTest.h"

#include <functional>

#include "store/SQLiteDatabase.h"
#include "ui/HotKeyRegistrar.h"
#include "ui/ShownDialogs.h"
#include "ui/TrayIcon.h"

namespace {

HWND TopLevel(const wchar_t* className) { return FindWindowW(className, nullptr); }

void PostHotKey(unsigned virtualKey) {
    PostMessageW(FindWindowExW(HWND_MESSAGE, nullptr, ui::kHotKeysClass, nullptr), WM_HOTKEY, 0,
                 MAKELPARAM(0, virtualKey));
}

// Right button on the tray icon, then the keys that pick the item at `index` in the menu.
void PostTrayCommand(int index) {
    HWND follower = TopLevel(effects::kFollowerClass);
    PostMessageW(follower, WM_TRAYICON, 0, WM_RBUTTONDOWN);
    for (int i = 0; i <= index; ++i) PostMessageW(follower, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(follower, WM_KEYDOWN, VK_RETURN, 0);
}

// Runs in the box's loop after everything posted before it: looks, then closes the box.
std::function<void()> lookBeforeClosing;
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    lookBeforeClosing();
    for (HWND box : ui::ShownDialogs()) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

bool Shown(const wchar_t* windowClass) { return IsWindowVisible(TopLevel(windowClass)) != FALSE; }

struct EarlyInput {
    const char* name;
    std::function<void()> post;
    // Looked at while the box is still open.
    std::function<bool()> happened;
};

}  // namespace

using StartupBoxTest = AppTest;

TEST_F(StartupBoxTest, InputDuringTheFirstErrorBoxActsAndStartUpGoesOn) {
    const EarlyInput cases[] = {
        {"F8", [] { PostHotKey(VK_F8); }, [] { return Shown(effects::kFollowerClass); }},
        {"F7", [] { PostHotKey(VK_F7); }, [] { return Shown(effects::kHaloClass); }},
        {"F6", [] { PostHotKey(VK_F6); }, [] { return HotKeyHeld(VK_LEFT); }},
        // Esc belongs to the box: it closes it and does not open the pen.
        {"Esc", [] { PostHotKey(VK_ESCAPE); }, [] { return !Shown(pen::kPenClass); }},
        {"tray settings",
         [] {
             ShowWindow(TopLevel(effects::kSettingsClass), SW_HIDE);
             PostTrayCommand(1);
         },
         [] { return Shown(effects::kSettingsClass); }},
        {"tray follower", [] { PostTrayCommand(2); }, [] { return Shown(effects::kFollowerClass); }},
        {"tray halo", [] { PostTrayCommand(3); }, [] { return Shown(effects::kHaloClass); }},
        {"tray pen", [] { PostTrayCommand(4); }, [] { return Shown(pen::kPenClass); }},
        {"tray help", [] { PostTrayCommand(5); }, [] { return Shown(app::kHelpClass); }},
        // Last: it ends the program, which is what the close command is for.
        {"tray close", [] { PostTrayCommand(0); }, [] { return ui::Application::Current().Terminated(); }},
    };
    // The halo's table cannot be read: one box, however many windows use the halo's settings.
    WriteSettings({L"pic\\arrow.png", L"65"}, {L"255", L"150", L"100"});
    TSQLiteDatabase(kSettingsFile).RunSQL("DROP TABLE GBtx");
    const std::wstring failure =
        L"Error executing SQL.\rError [1]: SQL error or missing database.\r\"Select * from GBtx\": no such table: GBtx.";
    for (const EarlyInput& input : cases) {
        SCOPED_TRACE(input.name);
        const ui::Seams system = ui::Seams::System();
        std::vector<std::wstring> shown;
        bool happened = false;
        bool looked = false;
        lookBeforeClosing = [&] {
            happened = input.happened();
            looked = true;
        };
        ui::Application::Current().Dialogs().showError = [&](HWND owner, const std::wstring& text) {
            shown.push_back(text);
            input.post();
            const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseMessageBox);
            system.showError(owner, text);
            KillTimer(nullptr, timer);
            if (!looked) happened = input.happened();  // the input closed the box itself
        };
        CreateWindows(false);
        EXPECT_TRUE(happened);
        EXPECT_EQ(shown, (std::vector<std::wstring>{failure}));
        DestroyWindows();
    }
}
