// The control bar: six command panels docked at the right screen edge, pulled back to a
// strip while the pointer is elsewhere, and the same commands in its menu, which a right
// click on the bar or on the tray icon opens.
#pragma once
#include <functional>

#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"

// What the bar's panels and its menu items do; the shell runs them.
enum class BarCommand {
    Close,
    Settings,
    Picture,
    Halo,
    Pen,
    Help,
    Spotlight,
    Laser,
    ClickRings,
    Keys,
    PauseKeys,
    Timer,
    LiveInk
};

class ControlBar : public ui::Form {
public:
    ControlBar();

    std::function<void(BarCommand)> OnCommand;
    // The start-up show chain: the bar was shown.
    std::function<void()> OnShown;

    ui::Panel background;  // wider than the bar: the bar's edge cuts it at the panels' right edge
    ui::Panel closeButton;
    ui::Panel settingsButton;
    ui::Panel pictureButton;
    ui::Panel haloButton;
    ui::Panel penButton;
    ui::Panel helpButton;
    ui::PopupMenu commandMenu;  // the six commands again, in the panels' order, then the other effects
    ui::Timer autoHideTimer;

    // The menu's pause item is ticked while the keys are paused.
    void ShowKeysPaused(bool paused);

protected:
    void OnCreate() override;
    void OnShow() override;
    void OnDpiChanged() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // A command runs from its panel and from its menu item alike.
    void Bind(ui::Panel& panel, unsigned menuItem, BarCommand command);
    void Run(BarCommand command);
    void PullBackOrExtend();
    // A later start of the program asked where it is: the bar comes out and stays out a
    // while, wherever the pointer is.
    void BringOut();
    // Docks the bar, extended, at the right edge of the primary screen, half-way down.
    void Dock();
    void ClipToPrimaryScreen();

    static constexpr int kBroughtOutTicks = 50;  // five seconds of the auto-hide timer
    int broughtOutTicks_ = 0;
    std::size_t pauseItem_ = 0;
};
