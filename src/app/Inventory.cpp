#include "app/Inventory.h"

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
                                                           spotlight_.get(), laser_.get(), clickRings_.get()})
        form->Create();
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
    pen_->Destroy();
    help_->Destroy();
    settings_->Destroy();
    halo_->Destroy();
    controlBar_->Destroy();
    follower_->Destroy();
}

void Inventory::Start() { rules_.Start(); }
