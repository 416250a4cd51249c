// The control bar (TForm1): six command panels docked at the right screen edge, pulled
// back to a strip while the pointer is elsewhere, and the same commands in PopupMenu1,
// which a right click on the bar or on the tray icon opens.
#pragma once
#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"

class Inventory;

class TForm1 : public ui::Form {
public:
    explicit TForm1(Inventory& inventory);

    ui::Panel Panel1;  // wider than the bar: the bar's edge cuts it at the buttons' right edge
    ui::Panel Pa1;     // close
    ui::Panel Pa2;     // settings
    ui::Panel Pa3;     // follower
    ui::Panel Pa4;     // halo
    ui::Panel Pa6;     // pen
    ui::Panel Pa5;     // help
    ui::PopupMenu PopupMenu1;
    ui::Timer Timer1;

    // The six commands; each menu item runs its panel's.
    void Pa1Click();
    void Pa2Click();
    void Pa3Click();
    void Pa4Click();
    void Pa6Click();
    void Pa5Click();
    void Timer1Timer();

protected:
    void OnCreate() override;
    void OnShow() override;
    void OnDpiChanged() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Docks the bar, extended, at the right edge of the primary screen, half-way down.
    void Dock();
    void ClipToPrimaryScreen();

    Inventory& inventory_;
};
