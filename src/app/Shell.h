// The program's shell: its windows, one instance each, created at start-up in a fixed order
// and kept until exit, its hot keys, and the one owner of the rules between the windows:
// the pointer effects exclude each other, the pen opens and closes with them, the start-up
// show chain. The windows reach it through the hosts their own layers define.
#pragma once
#include <memory>

#include "effects/EffectHost.h"
#include "effects/KeyboardMouse.h"
#include "pen/LiveInkHost.h"
#include "pen/PenHost.h"
#include "ui/HotKeyRegistrar.h"

class ControlBar;
enum class BarCommand;
class FollowerWindow;
class HaloWindow;
class SettingsWindow;
struct StartSettings;
class HelpWindow;
class PenWindow;
class BoardWindow;
class SpotlightWindow;
class LaserWindow;
class ClickRingsWindow;
class KeysWindow;
class TimerWindow;
class LiveInkWindow;

namespace ui {
class Form;
}

class Shell final : public EffectHost, public PenHost, public LiveInkHost {
public:
    // Creates the windows in order: follower, control bar, halo, settings, help, pen, board,
    // then the spotlight, the laser, the click rings, the keys window, the timer and live ink; then runs their creation
    // handlers in the same order (a window whose handler fails is still there), holds the
    // hot keys, and tells in one message each what was stored wrong and which keys other
    // programs hold.
    Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;
    // Gives the keys back, then destroys the windows, last created first.
    ~Shell();

    // What the message loop does first: the start-up show chain, then the effect that was
    // on when the program last ended.
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
    KeysWindow& keysWindow() { return *keysWindow_; }
    TimerWindow& timerWindow() { return *timer_; }
    LiveInkWindow& liveInk() { return *liveInk_; }
    KeyboardMouse& keyboardMouse() { return keyboardMouse_; }
    ui::HotKeyRegistrar& hotKeys() { return keys_; }

    // The effects, as the windows ask for them.
    PointerEffect ShownEffect() const override;
    void ShowEffect(PointerEffect effect, const std::function<void()>& prepare) override;
    void HideEffect(PointerEffect effect) override;
    void PictureShown() override;
    void PopupCommandMenu(HWND owner, POINT at) override;
    void ReportStoredProblems(const std::vector<std::wstring>& problems) override;
    void ApplyEffectSettings(const EffectValues& values) override;
    void ShowKeys() override;

    // An effect's key: every other effect goes; this one comes or goes. While the pen is
    // open nothing shows: the key chooses what comes back when the pen closes.
    void ToggleEffect(PointerEffect effect);
    void ToggleClickRings();

    // The one way the pen opens, whoever asks (its key, the control bar, the tray menu):
    // the effect on screen is remembered and goes, then the pen opens on a copy of the
    // screen (an open pen takes a fresh copy). The timer is left out of the copy and
    // stays above the pen.
    void OpenPen();
    // The one way it closes (its key, the close glyph, Help): the windows beneath repaint
    // and the remembered effect comes back.
    void ClosePen() override;
    void TogglePen();
    bool PenOpen() const;
    // The pen's key: it cancels an open dialog or menu of the program first, then closes a
    // dropped-down list of the palette, and only then opens or closes the pen.
    void PenKey();
    void ShowHelp() override;
    void ShowSettings();

    // Live ink opens drawing (a frozen pen closes first), with the effects hidden as in
    // the pen; its key then switches it between drawing and passing clicks through, with
    // the effects back while the clicks pass.
    void OpenLiveInk();
    // The one way it closes (the pen's key, the close glyph, Help, the menu), keeping the ink.
    void CloseLiveInk() override;
    void LiveInkKey();
    void DrawLiveInk() override;
    bool LiveInkOpen() const;
    // The pause key and the menu's pause item: every other key goes back to the other
    // programs, or comes back (one another program took meanwhile is told once).
    void TogglePauseKeys();

private:
    // The settings start-up read go to the windows that show or use them; what could not
    // be read, or fell back, is told once when every window is there.
    void HandOut(StartSettings& start);
    void ReportStart(const StartSettings& start);
    void RunBarCommand(BarCommand command);
    void BindHotKeys();
    // The one message naming the keys other programs hold, if any.
    void ReportTakenKeys();
    // The window of an effect; none for PointerEffect::None.
    ui::Form* EffectWindow(PointerEffect effect) const;
    // The one place the pointer effects exclude each other. Hiding here is no choice of
    // the presenter's: the pen hides the effects for a while.
    void HideAllBut(PointerEffect kept);
    void HideWindowOf(PointerEffect effect);
    // The presenter's choice of effect, kept in the settings database as it is made, so a
    // shutdown or a killed process loses nothing.
    void Choose(PointerEffect effect);
    PointerEffect RememberedEffect() const;
    // The pen, or live ink drawing, covers the effects: they wait until it is gone.
    bool EffectsCovered() const;
    // Once live ink is gone: the timer stands above the pen again, the rings come back.
    void AfterLiveInk();

    // What the presenter has on, also while the pen covers it: it comes back when the pen closes.
    PointerEffect chosen_ = PointerEffect::Picture;
    // A folder that cannot be written (a locked stick) is reported once, not at every key.
    bool rememberFailed_ = false;
    KeyboardMouse keyboardMouse_;
    ui::HotKeyRegistrar keys_;

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
    std::unique_ptr<KeysWindow> keysWindow_;
    std::unique_ptr<TimerWindow> timer_;
    std::unique_ptr<LiveInkWindow> liveInk_;
};
