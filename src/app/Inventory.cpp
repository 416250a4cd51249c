#include "app/Inventory.h"

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsWindow.h"
#include "pen/BoardWindow.h"
#include "pen/PenWindow.h"

Inventory::Inventory() {
    follower_ = std::make_unique<TForm2>(*this);
    controlBar_ = std::make_unique<TForm1>(*this);
    halo_ = std::make_unique<TForm3>(*this);
    settings_ = std::make_unique<TForm4>(*this);
    help_ = std::make_unique<TForm5>(*this);
    pen_ = std::make_unique<TForm8>(*this);
    board_ = std::make_unique<TForm9>(*this);
}

Inventory::~Inventory() {
    // Each window's destruction handler runs while every other window still exists.
    board_->Destroy();
    pen_->Destroy();
    help_->Destroy();
    settings_->Destroy();
    halo_->Destroy();
    controlBar_->Destroy();
    follower_->Destroy();
}

void Inventory::Start() { follower_->Show(); }

ui::Form& Inventory::followerForm() { return *follower_; }
ui::Form& Inventory::haloForm() { return *halo_; }
ui::Form& Inventory::controlBarForm() { return *controlBar_; }
ui::Form& Inventory::helpForm() { return *help_; }
ui::PopupMenu& Inventory::controlBarMenu() { return controlBar_->PopupMenu1; }
