#include "app/Shell.h"

#include <algorithm>
#include <initializer_list>

#include "app/AppTexts.h"
#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "app/KeysWindow.h"
#include "app/KeyMessages.h"
#include "effects/ClickRingsWindow.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/LaserWindow.h"
#include "effects/PointerPlacement.h"
#include "ui/SettingsFile.h"
#include "effects/SettingsWindow.h"
#include "effects/StartSettings.h"
#include "effects/SpotlightWindow.h"
#include "pen/BoardWindow.h"
#include "pen/LiveInkWindow.h"
#include "pen/PenWindow.h"
#include "timer/TimerWindow.h"
#include "base/Text.h"
#include "ui/Application.h"
#include "ui/KeyNames.h"

Shell::Shell() {
    StartSettings start = ReadStartSettings(SettingsFile());
    follower_ = std::make_unique<FollowerWindow>(*this);
    controlBar_ = std::make_unique<ControlBar>();
    halo_ = std::make_unique<HaloWindow>();
    settings_ = std::make_unique<SettingsWindow>(*this, *follower_, *halo_);
    help_ = std::make_unique<HelpWindow>();
    pen_ = std::make_unique<PenWindow>(*this);
    board_ = std::make_unique<BoardWindow>();
    pen_->UseBoard(*board_);
    spotlight_ = std::make_unique<SpotlightWindow>();
    laser_ = std::make_unique<LaserWindow>();
    clickRings_ = std::make_unique<ClickRingsWindow>();
    keysWindow_ = std::make_unique<KeysWindow>(keys_);
    timer_ = std::make_unique<TimerWindow>(pen_->Handle());
    liveInk_ = std::make_unique<LiveInkWindow>(*this);
    controlBar_->OnCommand = [this](BarCommand command) { RunBarCommand(command); };
    controlBar_->OnShown = [this] { follower_->Show(); };  // the bar brings the picture along
    HandOut(start);
    // The keys are the program's frame: held before anything can fail. The handlers run
    // only now: a box one of them shows runs its own message loop, and a hot key or a
    // command handled there may reach any window.
    for (const auto& [action, key] : start.keys) keys_.Change(action, key);  // before they are held
    BindHotKeys();
    for (ui::Form* form : std::initializer_list<ui::Form*>{
             follower_.get(), controlBar_.get(), halo_.get(), settings_.get(), help_.get(), pen_.get(), board_.get(),
             spotlight_.get(), laser_.get(), clickRings_.get(), keysWindow_.get(), timer_.get(), liveInk_.get()})
        form->Create();
    ReportStart(start);
    ReportTakenKeys();
}

void Shell::ReportTakenKeys() {
    const std::wstring taken = TakenHotKeysMessage(
        keys_.TakeTaken(), [this](HotKeyAction action) { return ui::KeyName(keys_.KeyOf(action)); });
    if (!taken.empty()) ui::Application::Current().ShowMessageBox(taken);
}

Shell::~Shell() {
    keys_.ReleaseAll();
    // Each window's destruction handler runs while every other window still exists.
    liveInk_->Destroy();
    timer_->Destroy();
    keysWindow_->Destroy();
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

void Shell::BindHotKeys() {
    keys_.Bind(HotKeyAction::Picture, [this] { ToggleEffect(PointerEffect::Picture); });
    keys_.Bind(HotKeyAction::Halo, [this] { ToggleEffect(PointerEffect::Halo); });
    keys_.Bind(HotKeyAction::Spotlight, [this] { ToggleEffect(PointerEffect::Spotlight); });
    keys_.Bind(HotKeyAction::Laser, [this] { ToggleEffect(PointerEffect::Laser); });
    keys_.Bind(HotKeyAction::ClickRings, [this] { ToggleClickRings(); });
    keys_.Bind(HotKeyAction::Pen, [this] { PenKey(); });
    keys_.Bind(HotKeyAction::KeyboardMouse, [this] { keyboardMouse_.Toggle(); });
    keys_.Bind(HotKeyAction::Click, [this] { keyboardMouse_.Click(); });
    keys_.Bind(HotKeyAction::Pause, [this] { TogglePauseKeys(); });
    keys_.Bind(HotKeyAction::Timer, [this] { timer_->Toggle(); });
    keys_.Bind(HotKeyAction::LiveInk, [this] { LiveInkKey(); });
    for (HotKeyAction arrow : {HotKeyAction::Left, HotKeyAction::Right, HotKeyAction::Up, HotKeyAction::Down})
        keys_.Bind(arrow, [this, arrow] { keyboardMouse_.Move(ArrowStep(arrow)); });

    keyboardMouse_.OnSwitched = [this](bool on) {
        for (const HotKeyRow& row : kHotKeyRows)
            if (row.withKeyboardMouse) on ? static_cast<void>(keys_.Hold(row.action)) : keys_.Release(row.action);
    };
    keyboardMouse_.OnMoved = [this] { follower_->FollowPointer(); };
    for (const HotKeyRow& row : kHotKeyRows)
        if (!row.withKeyboardMouse) keys_.Hold(row.action);
}

void Shell::RunBarCommand(BarCommand command) {
    switch (command) {
        case BarCommand::Close:
            ui::Application::Current().Terminate();
            break;
        case BarCommand::Settings:
            ShowSettings();
            break;
        case BarCommand::Picture:
            ShowEffect(PointerEffect::Picture, {});
            break;
        case BarCommand::Halo:
            ShowEffect(PointerEffect::Halo, {});
            break;
        case BarCommand::Pen:
            OpenPen();
            break;
        case BarCommand::Help:
            ShowHelp();
            break;
        case BarCommand::Spotlight:
            ToggleEffect(PointerEffect::Spotlight);
            break;
        case BarCommand::Laser:
            ToggleEffect(PointerEffect::Laser);
            break;
        case BarCommand::ClickRings:
            ToggleClickRings();
            break;
        case BarCommand::Keys:
            ShowKeys();
            break;
        case BarCommand::PauseKeys:
            TogglePauseKeys();
            break;
        case BarCommand::Timer:
            timer_->Toggle();
            break;
        case BarCommand::LiveInk:
            LiveInkOpen() ? CloseLiveInk() : OpenLiveInk();
            break;
    }
}

void Shell::PopupCommandMenu(HWND owner, POINT at) { controlBar_->commandMenu.Popup(owner, at.x, at.y); }

void Shell::ShowSettings() { settings_->Show(); }

void Shell::ShowKeys() { keysWindow_->Show(); }

void Shell::TogglePauseKeys() {
    const bool paused = !keys_.Paused();
    keys_.SetPaused(paused);
    controlBar_->ShowKeysPaused(paused);
    follower_->SetTrayTip(paused ? Text(IDS_TRAY_TIP_PAUSED) : std::wstring(app::kProductName));
    if (!paused) ReportTakenKeys();
}

void Shell::HandOut(StartSettings& start) {
    // A stored size the settings window would refuse can stall the window system (a
    // region of 32767 pixels and more): only checked values reach the windows.
    if (start.halo) halo_->ApplySettings(start.halo->color, start.halo->alpha, start.halo->diameter);
    if (start.effects) ApplyEffectSettings(*start.effects);
    settings_->ShowStart(start);
    if (start.timer) timer_->TakeStart(*start.timer);
    if (start.picture)
        follower_->TakeStart(start.picture->path, start.picture->offset, std::move(start.picture->picture));
}

void Shell::ReportStart(const StartSettings& start) {
    // One box for what could not be read, each text once (a database that is no database
    // fails every table alike), then one for the values that fell back.
    std::vector<std::wstring> failures;
    for (const std::exception_ptr& failure : start.failures) {
        std::wstring text = ui::ExceptionText(failure);
        if (std::find(failures.begin(), failures.end(), text) == failures.end()) failures.push_back(std::move(text));
    }
    if (!failures.empty()) {
        std::wstring text = failures.front();
        for (std::size_t i = 1; i < failures.size(); ++i) text += L"\r\n" + failures[i];
        ui::Application::Current().ShowErrorBox(text);
    }
    ReportStoredProblems(start.problems);
}

void Shell::ReportStoredProblems(const std::vector<std::wstring>& problems) {
    if (!problems.empty()) ui::Application::Current().ShowMessageBox(StoredSettingsMessage(problems));
}

void Shell::ApplyEffectSettings(const EffectValues& values) {
    spotlight_->ApplySettings(values);
    laser_->ApplySettings(values);
    clickRings_->ApplySettings(values);
}
