#include "timer/TimerWindow.h"

#include <windowsx.h>
#include <mmsystem.h>

#include <algorithm>

#include "base/Text.h"
#include "timer/TimerPlace.h"
#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/SettingsFile.h"

namespace {

constexpr std::int64_t kTimeUpShownMs = 5000;
constexpr int kPresetMinutes[] = {1, 2, 3, 5, 10, 15, 20, 30};

ui::FormParams TimerParams(HWND above) {
    ui::FormParams p = ui::OwnedPopupParams(kTimerClass, ClockDigits(kDefaultTimerSeconds), above);
    p.color = ui::Black;
    return p;
}

}  // namespace

TimerWindow::TimerWindow(HWND above)
    : ui::Form(TimerParams(above)),
      clock([] { return static_cast<std::int64_t>(GetTickCount64()); }),
      tick(*this, 1000, false) {
    tick.OnTimer = [this] { OnTick(); };
    BuildMenu();
}

void TimerWindow::BuildMenu() {
    for (int minutes : kPresetMinutes)
        menu.Add(minutes == 1 ? Text(IDS_TIMER_ONE_MINUTE) : Formatted(IDS_TIMER_MINUTES, {std::to_wstring(minutes)}),
                 [this, minutes] { SetMinutes(minutes); });
    soundItem_ = menu.Add(Text(IDS_TIMER_SOUND), [this] { SetSound(!values_.sound); });
    menu.Add(Text(IDS_TIMER_RESTART), [this] { Restart(); });
    menu.Add(Text(IDS_TIMER_CLOSE), [this] { Close(); });
}

void TimerWindow::Toggle() {
    if (Visible()) {
        Close();
        return;
    }
    const std::vector<MonitorInfo> monitors = ui::Monitors();
    POINT pointer{};
    GetCursorPos(&pointer);
    if (const MonitorInfo* monitor = MonitorAt(monitors, {pointer.x, pointer.y})) {
        dpi_ = monitor->dpi;
        PlaceAt(TimerPlaceOn(*monitor, values_.place));
    }
    countdown_.emplace(values_.seconds, clock());
    menu.SetChecked(soundItem_, values_.sound);
    OnTick();
    Show();
}

void TimerWindow::OnHide() {
    tick.SetEnabled(false);
    StopSound();
    countdown_.reset();
    shown_ = {};
    typed_.clear();
    timeUpUntil_.reset();
    ended_ = false;
    grip_.End(Handle(), false);
}

bool TimerWindow::StepAside() {
    if (!Visible()) return false;
    ShowWindow(Handle(), SW_HIDE);
    steppedAside_ = true;
    return true;
}

void TimerWindow::ComeBack() {
    if (!std::exchange(steppedAside_, false)) return;
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TimerWindow::TogglePause() {
    if (!countdown_) return;
    countdown_->TogglePause(clock());
    Changed();
}

void TimerWindow::AddMinute(int sign) {
    if (!countdown_) return;
    countdown_->AddMinute(sign, clock());
    Changed();
}

void TimerWindow::Restart() {
    if (!countdown_) return;
    countdown_->Restart(clock());
    Changed();
}

void TimerWindow::SetMinutes(int minutes) {
    values_.seconds = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{minutes} * 60, Countdown::kShortest, Countdown::kLongest));
    Store();
    if (!countdown_) return;
    countdown_->SetLength(values_.seconds, clock());
    Changed();
}

void TimerWindow::SetSound(bool on) {
    values_.sound = on;
    menu.SetChecked(soundItem_, on);
    StopSound();
    Store();
}

bool TimerWindow::Key(WPARAM key) {
    const bool digit = (key >= '0' && key <= '9') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9);
    if (digit) {
        if (typed_.size() < kMostTypedDigits)
            typed_ += static_cast<wchar_t>(L'0' + (key >= VK_NUMPAD0 ? key - VK_NUMPAD0 : key - '0'));
        InvalidateRect(Handle(), nullptr, FALSE);
        return true;
    }
    switch (key) {
        case VK_SPACE:
            TogglePause();
            return true;
        case VK_UP:
        case VK_DOWN:
            AddMinute(key == VK_UP ? 1 : -1);
            return true;
        case 'R':
            Restart();
            return true;
        case VK_BACK:
        case VK_ESCAPE:
            if (typed_.empty()) return false;
            key == VK_BACK ? typed_.pop_back() : typed_.clear();
            InvalidateRect(Handle(), nullptr, FALSE);
            return true;
        case VK_RETURN: {
            if (typed_.empty()) return false;
            const int minutes = std::stoi(typed_);
            typed_.clear();
            if (minutes > 0) {
                SetMinutes(minutes);
            } else {
                MessageBeep(MB_ICONWARNING);  // no length of none
                InvalidateRect(Handle(), nullptr, FALSE);
            }
            return true;
        }
        default:
            return false;
    }
}

void TimerWindow::Changed() {
    StopSound();
    if (countdown_ && !countdown_->Shown(clock()).overtime) {
        // Before the end again: it has its end, its line and its sound to come.
        ended_ = false;
        timeUpUntil_.reset();
    }
    OnTick();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TimerWindow::OnTick() {
    if (!countdown_) return;
    const std::int64_t now = clock();
    const ShownTime shown = countdown_->Shown(now);
    if (shown.overtime && !ended_) {
        ended_ = true;
        timeUpUntil_ = now + kTimeUpShownMs;
        if (values_.sound) {
            PlaySoundW(reinterpret_cast<LPCWSTR>(SND_ALIAS_SYSTEMEXCLAMATION), nullptr,
                       SND_ALIAS_ID | SND_ASYNC | SND_NODEFAULT);
            sounding_ = true;
        }
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    if (timeUpUntil_ && now >= *timeUpUntil_) {
        // The sound is short; it never outlasts the line either.
        timeUpUntil_.reset();
        StopSound();
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    if (shown != shown_) {
        shown_ = shown;
        SetWindowTextW(Handle(), shown_.digits.c_str());
        face_.Fit(Handle(), shown_.digits);
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    std::optional<std::int64_t> wait = countdown_->UntilNextChange(now);
    if (timeUpUntil_) wait = std::min(wait.value_or(*timeUpUntil_ - now), *timeUpUntil_ - now);
    if (wait) tick.SetInterval(static_cast<UINT>(std::max<std::int64_t>(*wait, 1)));
    tick.SetEnabled(wait.has_value());
}

void TimerWindow::StopSound() {
    if (std::exchange(sounding_, false)) PlaySoundW(nullptr, nullptr, 0);
}

void TimerWindow::Store() {
    try {
        WriteTimerSettings(values_, SettingsFile());
    } catch (...) {
        // A folder that cannot be written (a locked stick) is told once, not at every change.
        if (std::exchange(storeFailed_, true)) return;
        ui::Application::Current().HandleException(std::current_exception());
    }
}

ScreenRect TimerWindow::Place() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void TimerWindow::PlaceAt(const ScreenRect& place) {
    SetWindowPos(Handle(), nullptr, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TimerWindow::PaintContent(HDC dc, const RECT& clip) {
    // What is being typed says so first, then a pause, then the end.
    if (!typed_.empty())
        face_.Paint(dc, clip, shown_, Formatted(IDS_TIMER_TYPED, {typed_}), false, dpi_);
    else if (shown_.paused)
        face_.Paint(dc, clip, shown_, Text(IDS_TIMER_PAUSED), false, dpi_);
    else
        face_.Paint(dc, clip, shown_, timeUpUntil_ ? Text(IDS_TIMER_TIME_UP) : std::wstring(), true, dpi_);
}

void TimerWindow::Moved() {
    values_.place = Place();
    Store();
}

void TimerWindow::ScaleBy(int notches) {
    const ScreenRect place = Place();
    const std::vector<MonitorInfo> monitors = ui::Monitors();
    const MonitorInfo* monitor = MonitorAt(monitors, {place.left + place.Width() / 2, place.top + place.Height() / 2});
    if (!monitor) return;
    PlaceAt(ScaledTimerPlace(place, notches, *monitor));
    Moved();
}

LRESULT TimerWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCHITTEST:
            return WindowGrip::HitTest(Handle(), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, dpi_);
        case WM_NCLBUTTONDOWN:
            if (wParam < HTLEFT || wParam > HTBOTTOMRIGHT) break;
            SetForegroundWindow(Handle());
            grip_.Start(Handle(), static_cast<LRESULT>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
            grip_.Start(Handle(), HTCLIENT);
            return 0;
        case WM_MOUSEMOVE:
            grip_.Follow(Handle(), {ScaleForDpi(kSmallestTimer.width, dpi_), ScaleForDpi(kSmallestTimer.height, dpi_)});
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (!grip_.Active()) return 0;
            switch (grip_.End(Handle(), msg == WM_LBUTTONUP)) {
                case WindowGrip::Ending::Click:
                    TogglePause();  // a click on the digits
                    break;
                case WindowGrip::Ending::Moved:
                    Moved();
                    break;
                case WindowGrip::Ending::Cancelled:
                    break;
            }
            return 0;
        case WM_CONTEXTMENU: {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (lParam == -1) at = {Place().left, Place().top};  // from the keyboard
            menu.Popup(Handle(), at.x, at.y);
            return 0;
        }
        case WM_MOUSEWHEEL: {
            if (!(GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL)) break;
            wheelRest_ += GET_WHEEL_DELTA_WPARAM(wParam);
            const int notches = wheelRest_ / WHEEL_DELTA;
            wheelRest_ %= WHEEL_DELTA;
            if (notches) ScaleBy(notches);
            return 0;
        }
        case WM_KEYDOWN:
            if (Key(wParam)) return 0;
            break;
        case WM_SIZE:
            face_.Fit(Handle(), shown_.digits);
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_DISPLAYCHANGE:
            if (Visible()) {
                const std::vector<MonitorInfo> monitors = ui::Monitors();
                const ScreenRect place = TimerPlaceAfterDisplayChange(Place(), monitors);
                if (const MonitorInfo* monitor = MonitorAt(monitors, {place.left, place.top})) dpi_ = monitor->dpi;
                PlaceAt(place);
            }
            break;
        case WM_DPICHANGED:
            // Its size is the presenter's, in pixels; only what is drawn follows the DPI.
            dpi_ = LOWORD(wParam);
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMRESUMEAUTOMATIC) OnTick();  // the real time passed while asleep
            break;
        default:
            break;
    }
    return Form::HandleMessage(msg, wParam, lParam);
}
