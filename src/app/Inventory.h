// The windows of the program (the seven of its first version, then the spotlight, the
// laser and the click rings), one instance each, created at start-up in a fixed order and
// kept until exit, and the rules between them, which reach them here by role.
#pragma once
#include <memory>

#include "app/WindowRules.h"

class ControlBar;
class FollowerWindow;
class HaloWindow;
class SettingsWindow;
class HelpWindow;
class PenWindow;
class BoardWindow;
class SpotlightWindow;
class LaserWindow;
class ClickRingsWindow;

class Inventory {
public:
    // Creates the windows in order: follower, control bar, halo, settings, help, pen,
    // board, then the spotlight, the laser and the click rings; then runs their creation
    // handlers in the same order. A window whose creation handler fails is still there.
    // Hot keys that other programs hold are told in one message at the end.
    Inventory();
    Inventory(const Inventory&) = delete;
    Inventory& operator=(const Inventory&) = delete;
    // Destroys the windows, last created first.
    ~Inventory();

    // What the message loop does first: show the main window, the follower, and then the
    // effect that was on when the program last ended.
    void Start();

    FollowerWindow& follower() { return *follower_; }
    ControlBar& controlBar() { return *controlBar_; }
    HaloWindow& halo() { return *halo_; }
    SettingsWindow& settingsWindow() { return *settings_; }
    HelpWindow& helpWindow() { return *help_; }
    PenWindow& penWindow() { return *pen_; }
    BoardWindow& boardWindow() { return *board_; }
    SpotlightWindow& spotlight() { return *spotlight_; }
    LaserWindow& laser() { return *laser_; }
    ClickRingsWindow& clickRings() { return *clickRings_; }
    WindowRules& rules() { return rules_; }

private:
    // Keys other programs hold, in one message once every window has registered its own.
    static void ReportTakenHotKeys();
    // Esc, registered on the pen's window, which hands it on to the rules.
    void RegisterEscape();

    int escapeHotKeyId_ = 0;

    WindowRules rules_{*this};
    std::unique_ptr<FollowerWindow> follower_;
    std::unique_ptr<ControlBar> controlBar_;
    std::unique_ptr<HaloWindow> halo_;
    std::unique_ptr<SettingsWindow> settings_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<PenWindow> pen_;
    std::unique_ptr<BoardWindow> board_;
    std::unique_ptr<SpotlightWindow> spotlight_;
    std::unique_ptr<LaserWindow> laser_;
    std::unique_ptr<ClickRingsWindow> clickRings_;
};
