#include "app/ControlBar.h"

#include <windowsx.h>

#include <algorithm>

#include "app/AutoHide.h"
#include "app/AppTexts.h"
#include "app/SingleInstance.h"
#include "base/Text.h"
#include "ui/Application.h"
#include "ui/Screen.h"

namespace {

ui::FormParams ControlBarParams() {
    ui::FormParams p;
    p.className = app::kControlBarClass;
    p.caption = app::kProductName;
    p.border = ui::BorderStyle::None;
    p.width = kBarWidth;
    p.height = kBarHeight;
    p.toolWindow = true;
    p.activateOnShow = false;
    p.scaled = true;
    return p;
}

ui::PanelParams CommandPanel(int top, unsigned caption) {
    return {0, top, kBarWidth, 25, Text(caption), ui::AppWorkspace, ui::Bevel::None};
}

}  // namespace

ControlBar::ControlBar()
    : ui::Form(ControlBarParams()),
      background(Handle(), {0, 0, 73, 197, L"", ui::BtnFace, ui::Bevel::None}),
      closeButton(background.Handle(), CommandPanel(8, app::kCloseTexts.panel)),
      settingsButton(background.Handle(), CommandPanel(40, app::kSettingsTexts.panel)),
      pictureButton(background.Handle(), CommandPanel(72, app::kPictureTexts.panel)),
      haloButton(background.Handle(), CommandPanel(104, app::kHaloTexts.panel)),
      penButton(background.Handle(), CommandPanel(136, app::kPenTexts.panel)),
      helpButton(background.Handle(), CommandPanel(168, app::kHelpTexts.panel)),
      autoHideTimer(*this, 100) {
    Bind(closeButton, app::kCloseTexts.menuItem, BarCommand::Close);
    Bind(settingsButton, app::kSettingsTexts.menuItem, BarCommand::Settings);
    Bind(pictureButton, app::kPictureTexts.menuItem, BarCommand::Picture);
    Bind(haloButton, app::kHaloTexts.menuItem, BarCommand::Halo);
    Bind(penButton, app::kPenTexts.menuItem, BarCommand::Pen);
    Bind(helpButton, app::kHelpTexts.menuItem, BarCommand::Help);
    commandMenu.Add(Text(IDS_MENU_SPOTLIGHT), [this] { Run(BarCommand::Spotlight); });
    commandMenu.Add(Text(IDS_MENU_LASER), [this] { Run(BarCommand::Laser); });
    commandMenu.Add(Text(IDS_MENU_CLICK_RINGS), [this] { Run(BarCommand::ClickRings); });
    commandMenu.Add(Text(IDS_MENU_KEYS), [this] { Run(BarCommand::Keys); });
    pauseItem_ = commandMenu.Add(Text(IDS_MENU_PAUSE_KEYS), [this] { Run(BarCommand::PauseKeys); });
    commandMenu.Add(Text(IDS_MENU_TIMER), [this] { Run(BarCommand::Timer); });
    commandMenu.Add(Text(IDS_MENU_LIVE_INK), [this] { Run(BarCommand::LiveInk); });
    autoHideTimer.OnTimer = [this] { PullBackOrExtend(); };
}

void ControlBar::Bind(ui::Panel& panel, unsigned menuItem, BarCommand command) {
    panel.OnClick = [this, command] { Run(command); };
    commandMenu.Add(Text(menuItem), [this, command] { Run(command); });
}

void ControlBar::ShowKeysPaused(bool paused) { commandMenu.SetChecked(pauseItem_, paused); }

void ControlBar::Run(BarCommand command) {
    if (OnCommand) OnCommand(command);
}

void ControlBar::OnCreate() { Dock(); }

void ControlBar::Dock() {
    const ScreenSize screen = ui::PrimaryScreenSize();
    const BarSize bar = ControlBarSize(ChildLayoutDpi());
    SetBounds(screen.width - bar.width, ControlBarTop(screen.height), bar.width, bar.height);
}

void ControlBar::OnDpiChanged() { Dock(); }

void ControlBar::ClipToPrimaryScreen() {
    // With a projector right of the primary screen, the pulled-back bar would show its
    // whole body on the projector: it is cut at the primary screen's right edge.
    const int visible = std::clamp(ui::PrimaryScreenSize().width - Left(), 0, Width());
    ui::UniqueRegion region(CreateRectRgn(0, 0, visible, Height()));
    if (SetWindowRgn(Handle(), region.get(), TRUE)) region.release();  // the system owns it now
}

// The start-up show chain: the bar brings the picture along.
void ControlBar::OnShow() {
    if (OnShown) OnShown();
}

void ControlBar::BringOut() {
    // During start-up the bar is not shown yet; the start-up shows it soon enough.
    if (!Visible()) return;
    Dock();
    broughtOutTicks_ = kBroughtOutTicks;
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The later copy allowed this process to come to the front.
    SetForegroundWindow(Handle());
}

void ControlBar::PullBackOrExtend() {
    // The menu stays by the bar it opened from. A move of the bar, the menu's owner, would
    // also make Wine hand the bar to a window manager then, and the menu lost its choice.
    if (ui::Application::Current().MenuOpen()) return;
    if (broughtOutTicks_ > 0) {
        --broughtOutTicks_;
        return;
    }
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    const ScreenSize screen = ui::PrimaryScreenSize();
    const int left = ControlBarLeft(screen, pointer, Left(), ControlBarSize(ChildLayoutDpi()));
    // The top follows the screen too: a screen resized, or the bar moved, by another
    // program sends it no display change.
    const int top = ControlBarTop(screen.height);
    if (left != Left() || top != Top()) SetPosition(left, top);
}

LRESULT ControlBar::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_WINDOWPOSCHANGED) {
        const auto& pos = *reinterpret_cast<const WINDOWPOS*>(lParam);
        if ((pos.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) ClipToPrimaryScreen();
        return Form::HandleMessage(msg, wParam, lParam);
    }
    if (msg == WM_DISPLAYCHANGE || (msg == WM_SETTINGCHANGE && wParam == SPI_SETWORKAREA)) {
        // A projector came or went, the resolution or the taskbar changed: back to the primary's edge.
        Dock();
        return Form::HandleMessage(msg, wParam, lParam);
    }
    if (msg == SingleInstance::BringOutMessage()) {
        BringOut();
        return 1;  // the later copy waits for this answer
    }
    if (msg == WM_CONTEXTMENU) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        // From the keyboard (menu key, Shift+F10) there is no mouse point.
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        commandMenu.Popup(Handle(), at.x, at.y);
        return 0;
    }
    return Form::HandleMessage(msg, wParam, lParam);
}
