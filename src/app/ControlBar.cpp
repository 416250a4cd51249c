#include "app/ControlBar.h"

#include <windowsx.h>

#include <algorithm>

#include "app/AutoHide.h"
#include "app/HelpWindow.h"
#include "app/Inventory.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsWindow.h"
#include "pen/PenWindow.h"
#include "ui/Application.h"
#include "ui/Screen.h"

namespace {

ui::FormParams ControlBarParams() {
    ui::FormParams p;
    p.className = L"TForm1";
    p.caption = L"Vellora";
    p.border = ui::BorderStyle::None;
    p.width = kBarWidth;
    p.height = kBarHeight;
    p.toolWindow = true;
    p.activateOnShow = false;
    p.scaled = true;
    return p;
}

ui::PanelParams CommandPanel(int top, const wchar_t* caption) {
    return {0, top, kBarWidth, 25, caption, ui::AppWorkspace, ui::Bevel::None};
}

}  // namespace

TForm1::TForm1(Inventory& inventory)
    : ui::Form(ControlBarParams()),
      Panel1(Handle(), {0, 0, 73, 197, L"", ui::BtnFace, ui::Bevel::None}),
      Pa1(Panel1.Handle(), CommandPanel(8, L"关       闭")),
      Pa2(Panel1.Handle(), CommandPanel(40, L"设       置")),
      Pa3(Panel1.Handle(), CommandPanel(72, L"鼠标跟随")),
      Pa4(Panel1.Handle(), CommandPanel(104, L"鼠标光环")),
      Pa6(Panel1.Handle(), CommandPanel(136, L"电子笔")),
      Pa5(Panel1.Handle(), CommandPanel(168, L"软件帮助")),
      Timer1(*this, 100),
      inventory_(inventory) {
    Pa1.OnClick = [this] { Pa1Click(); };
    Pa2.OnClick = [this] { Pa2Click(); };
    Pa3.OnClick = [this] { Pa3Click(); };
    Pa4.OnClick = [this] { Pa4Click(); };
    Pa6.OnClick = [this] { Pa6Click(); };
    Pa5.OnClick = [this] { Pa5Click(); };
    PopupMenu1.Add(L"关    闭", [this] { Pa1Click(); });
    PopupMenu1.Add(L"设    置", [this] { Pa2Click(); });
    PopupMenu1.Add(L"鼠标跟随", [this] { Pa3Click(); });
    PopupMenu1.Add(L"鼠标光环", [this] { Pa4Click(); });
    PopupMenu1.Add(L"电 子 笔", [this] { Pa6Click(); });
    PopupMenu1.Add(L"软件帮助", [this] { Pa5Click(); });
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

void TForm1::OnCreate() { Dock(); }

void TForm1::Dock() {
    const ScreenSize screen = ui::PrimaryScreenSize();
    const BarSize bar = ControlBarSize(ChildLayoutDpi());
    SetBounds(screen.width - bar.width, ControlBarTop(screen.height), bar.width, bar.height);
}

void TForm1::OnDpiChanged() { Dock(); }

void TForm1::ClipToPrimaryScreen() {
    // With a projector right of the primary screen, the pulled-back bar would show its
    // whole body on the projector: it is cut at the primary screen's right edge.
    const int visible = std::clamp(ui::PrimaryScreenSize().width - Left(), 0, Width());
    ui::UniqueRegion region(CreateRectRgn(0, 0, visible, Height()));
    if (SetWindowRgn(Handle(), region.get(), TRUE)) region.release();  // the system owns it now
}

void TForm1::OnShow() { inventory_.follower().Show(); }

void TForm1::Pa1Click() { ui::Application::Current().Terminate(); }

void TForm1::Pa2Click() { inventory_.settingsWindow().Show(); }

void TForm1::Pa3Click() {
    TForm3& halo = inventory_.halo();
    if (halo.Visible()) halo.Hide();
    inventory_.follower().Show();
}

void TForm1::Pa4Click() {
    TForm2& follower = inventory_.follower();
    if (follower.Visible()) follower.Hide();
    inventory_.halo().Show();
}

void TForm1::Pa6Click() {
    TForm8& pen = inventory_.penWindow();
    pen.Show();
    pen.Button1.Click();
}

void TForm1::Pa5Click() { inventory_.helpWindow().Show(); }

void TForm1::Timer1Timer() {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    const int current = Left();
    const int left = ControlBarLeft(ui::PrimaryScreenSize(), pointer, current, ControlBarSize(ChildLayoutDpi()));
    if (left != current) SetLeft(left);
}

LRESULT TForm1::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_WINDOWPOSCHANGED) {
        const auto& pos = *reinterpret_cast<const WINDOWPOS*>(lParam);
        if ((pos.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) ClipToPrimaryScreen();
        return Form::HandleMessage(msg, wParam, lParam);
    }
    if (msg == WM_DISPLAYCHANGE) {
        // A projector came or went, or the resolution changed: back to the primary's edge.
        Dock();
        return Form::HandleMessage(msg, wParam, lParam);
    }
    if (msg == WM_CONTEXTMENU) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        // From the keyboard (menu key, Shift+F10) there is no mouse point.
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        PopupMenu1.Popup(Handle(), at.x, at.y);
        return 0;
    }
    return Form::HandleMessage(msg, wParam, lParam);
}
