#include "app/Inventory.h"

#include <commctrl.h>

#include <initializer_list>

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "app/TakenHotKeys.h"
#include "effects/ClickRingsWindow.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/LaserWindow.h"
#include "effects/SettingsWindow.h"
#include "effects/SpotlightWindow.h"
#include "pen/BoardWindow.h"
#include "pen/PenWindow.h"
#include "ui/Application.h"
#include "ui/HotKeys.h"

namespace {

constexpr UINT_PTR kEscapeSubclass = 0x45;

// Esc's hot key arrives at the pen's window; the rules decide what it does.
LRESULT CALLBACK EscapeProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR rules) {
    if (msg == WM_HOTKEY && HotKeyVirtualKey(static_cast<std::intptr_t>(lParam)) == hotkeys::Esc.virtualKey) {
        reinterpret_cast<WindowRules*>(rules)->PressEscape();
        return 0;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, EscapeProcedure, kEscapeSubclass);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void Inventory::RegisterEscape() {
    SetWindowSubclass(pen_->Handle(), EscapeProcedure, kEscapeSubclass, reinterpret_cast<DWORD_PTR>(&rules_));
    escapeHotKeyId_ = ui::RegisterAppHotKey(pen_->Handle(), hotkeys::Esc);
}

Inventory::Inventory() {
    follower_ = std::make_unique<FollowerWindow>(rules_);
    controlBar_ = std::make_unique<ControlBar>(rules_);
    halo_ = std::make_unique<HaloWindow>(rules_);
    settings_ = std::make_unique<SettingsWindow>(rules_, *follower_, *halo_);
    help_ = std::make_unique<HelpWindow>();
    pen_ = std::make_unique<PenWindow>(rules_);
    board_ = std::make_unique<BoardWindow>();
    pen_->UseBoard(*board_);
    spotlight_ = std::make_unique<SpotlightWindow>(rules_);
    laser_ = std::make_unique<LaserWindow>(rules_);
    clickRings_ = std::make_unique<ClickRingsWindow>(rules_);
    // The handlers run only now: a box one of them shows runs its own message loop, and
    // a hot key or a command handled there may reach any window.
    for (ui::Form* form : std::initializer_list<ui::Form*>{follower_.get(), controlBar_.get(), halo_.get(),
                                                           settings_.get(), help_.get(), pen_.get(), board_.get(),
                                                           spotlight_.get(), laser_.get(), clickRings_.get()}) {
        form->Create();
        // In the order the keys were registered before: a taken Esc is told in its place.
        if (form == pen_.get()) RegisterEscape();
    }
    rules_.EndStartUp();
    ReportTakenHotKeys();
}

void Inventory::ReportTakenHotKeys() {
    ui::Application& application = ui::Application::Current();
    const std::wstring message = TakenHotKeysMessage(application.TakeTakenHotKeys());
    if (!message.empty()) application.ShowMessageBox(message);
}

Inventory::~Inventory() {
    // Each window's destruction handler runs while every other window still exists.
    clickRings_->Destroy();
    laser_->Destroy();
    spotlight_->Destroy();
    board_->Destroy();
    ui::UnregisterAppHotKey(pen_->Handle(), escapeHotKeyId_);
    pen_->Destroy();
    help_->Destroy();
    settings_->Destroy();
    halo_->Destroy();
    controlBar_->Destroy();
    follower_->Destroy();
}

void Inventory::Start() { rules_.Start(); }
