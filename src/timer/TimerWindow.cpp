#include "timer/TimerWindow.h"

#include <windowsx.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdlib>

#include "base/Text.h"
#include "timer/TimerPlace.h"
#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/Font.h"
#include "ui/SettingsFile.h"

namespace {

constexpr ui::Color kDigitsColor = ui::White;
constexpr ui::Color kPausedColor = 0xC0C0C0;
constexpr ui::Color kOvertimeColor = 0x4040FF;  // a red that reads on black
constexpr ui::Color kLineColor = 0x00FFFF;      // yellow
constexpr ui::Color kFrameColor = 0x505050;
constexpr std::int64_t kTimeUpShownMs = 5000;
constexpr int kEdgeBand = 8;              // pixels at 96 DPI that size the window
constexpr int kDigitsAreaPercent = 80;    // of the height; the line beneath has the rest
constexpr unsigned kMostTypedDigits = 3;  // up to 599 minutes
constexpr int kPresetMinutes[] = {1, 2, 3, 5, 10, 15, 20, 30};
constexpr wchar_t kDigitsFace[] = L"Arial";

ui::FormParams TimerParams(HWND above) {
    ui::FormParams p;
    p.className = kTimerClass;
    p.caption = ClockDigits(kDefaultTimerSeconds);
    p.border = ui::BorderStyle::None;
    p.color = ui::Black;
    p.topMost = true;
    p.toolWindow = true;
    p.owner = above;
    return p;
}

COLORREF Rgb(ui::Color color) { return static_cast<COLORREF>(color); }

// The digits' shape, whatever they read: the fonts are fitted once a shape.
std::wstring Shape(std::wstring digits) {
    for (wchar_t& c : digits)
        if (c >= L'0' && c <= L'9') c = L'0';
    return digits;
}

// A font as tall as `height` allows, narrowed until `text` fits `width`.
ui::UniqueFont Fitted(HDC dc, const wchar_t* face, const std::wstring& text, int height, int width, bool bold,
                      int& chosen) {
    height = std::max(height, 1);
    ui::UniqueFont font = ui::CreateFontByHeight(face, height, bold);
    SIZE extent{};
    {
        ui::SelectScope scope(dc, font.get());
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    }
    if (extent.cx > width && extent.cx > 0) {
        height = std::max(1, static_cast<int>(static_cast<long long>(height) * width / extent.cx));
        font = ui::CreateFontByHeight(face, height, bold);
    }
    chosen = height;
    return font;
}

void Fill(HDC dc, const RECT& area, ui::Color color) {
    ui::UniqueBrush brush(CreateSolidBrush(Rgb(color)));
    FillRect(dc, &area, brush.get());
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
    ended_ = false;
    timeUpUntil_.reset();
    typed_.clear();
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
    grip_.reset();
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
        if (Shape(shown_.digits) != layoutShape_) Layout();
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

void TimerWindow::Layout() {
    RECT client{};
    GetClientRect(Handle(), &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;
    layoutShape_ = Shape(shown_.digits.empty() ? ClockDigits(values_.seconds) : shown_.digits);
    const int digitsArea = height * kDigitsAreaPercent / 100;
    const int room = width * 92 / 100;
    ui::WindowDC screen(Handle());
    digitsFont_ = Fitted(screen.get(), kDigitsFace, layoutShape_, digitsArea * 92 / 100, room, true, digitsHeight_);
    // The line's font fits the longest of its texts, so it does not change size between them.
    std::wstring longest;
    for (const std::wstring& line : {Text(IDS_TIMER_PAUSED), Text(IDS_TIMER_TIME_UP),
                                     Formatted(IDS_TIMER_TYPED, {std::wstring(kMostTypedDigits, L'0')})})
        if (line.size() > longest.size()) longest = line;
    int lineHeight = 0;
    lineFont_ = Fitted(screen.get(), ui::TextFace().c_str(), longest, (height - digitsArea) * 80 / 100, room, false,
                       lineHeight);
    if (layoutSize_.cx != width || layoutSize_.cy != height) {
        buffer_.reset(CreateCompatibleDC(screen.get()));
        bufferBitmap_.reset(CreateCompatibleBitmap(screen.get(), width, height));
        layoutSize_ = {width, height};
    }
}

std::wstring TimerWindow::StatusLine() const {
    if (!typed_.empty()) return Formatted(IDS_TIMER_TYPED, {typed_});
    if (shown_.paused) return Text(IDS_TIMER_PAUSED);
    if (timeUpUntil_) return Text(IDS_TIMER_TIME_UP);
    return {};
}

void TimerWindow::PaintContent(HDC dc, const RECT& clip) {
    if (!buffer_ || !bufferBitmap_) {
        Fill(dc, clip, ui::Black);
        return;
    }
    HDC b = buffer_.get();
    ui::SelectScope bitmap(b, bufferBitmap_.get());
    const RECT all{0, 0, layoutSize_.cx, layoutSize_.cy};
    Fill(b, all, kFrameColor);
    const int frame = std::max(1, ScaleForDpi(2, dpi_));
    const RECT inside{frame, frame, all.right - frame, all.bottom - frame};
    Fill(b, inside, ui::Black);
    SetBkMode(b, TRANSPARENT);
    const int digitsArea = all.bottom * kDigitsAreaPercent / 100;
    RECT digits{0, 0, all.right, digitsArea};
    {
        ui::SelectScope font(b, digitsFont_.get());
        SetTextColor(b, Rgb(shown_.overtime ? kOvertimeColor : shown_.paused ? kPausedColor : kDigitsColor));
        DrawTextW(b, shown_.digits.c_str(), -1, &digits, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (const std::wstring line = StatusLine(); !line.empty()) {
        RECT lineArea{0, digitsArea, all.right, all.bottom - frame};
        ui::SelectScope font(b, lineFont_.get());
        const bool timeUp = typed_.empty() && !shown_.paused;
        SetTextColor(b, Rgb(timeUp ? kOvertimeColor : kLineColor));
        DrawTextW(b, line.c_str(), -1, &lineArea, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, b, clip.left, clip.top, SRCCOPY);
}

LRESULT TimerWindow::HitTest(POINT screen) const {
    const ScreenRect r = Place();
    const int band = ScaleForDpi(kEdgeBand, dpi_);
    const bool left = screen.x < r.left + band, right = screen.x >= r.right - band;
    const bool top = screen.y < r.top + band, bottom = screen.y >= r.bottom - band;
    if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    return HTCLIENT;
}

void TimerWindow::StartGrip(LRESULT hit) {
    POINT at{};
    GetCursorPos(&at);
    RECT place{};
    GetWindowRect(Handle(), &place);
    grip_ = Grip{hit, at, place};
    SetCapture(Handle());
}

void TimerWindow::FollowGrip() {
    Grip& g = *grip_;
    POINT at{};
    GetCursorPos(&at);
    const int dx = at.x - g.from.x, dy = at.y - g.from.y;
    // A click on the digits pauses: only a move past the drag distance moves the window.
    if (!g.moved && std::abs(dx) < GetSystemMetrics(SM_CXDRAG) && std::abs(dy) < GetSystemMetrics(SM_CYDRAG)) return;
    g.moved = true;
    RECT r = g.place;
    if (g.hit == HTCLIENT) {
        OffsetRect(&r, dx, dy);
    } else {
        const int leastWidth = ScaleForDpi(kSmallestTimer.width, dpi_);
        const int leastHeight = ScaleForDpi(kSmallestTimer.height, dpi_);
        if (g.hit == HTLEFT || g.hit == HTTOPLEFT || g.hit == HTBOTTOMLEFT)
            r.left = std::min(r.left + dx, r.right - leastWidth);
        if (g.hit == HTRIGHT || g.hit == HTTOPRIGHT || g.hit == HTBOTTOMRIGHT)
            r.right = std::max(r.right + dx, r.left + leastWidth);
        if (g.hit == HTTOP || g.hit == HTTOPLEFT || g.hit == HTTOPRIGHT)
            r.top = std::min(r.top + dy, r.bottom - leastHeight);
        if (g.hit == HTBOTTOM || g.hit == HTBOTTOMLEFT || g.hit == HTBOTTOMRIGHT)
            r.bottom = std::max(r.bottom + dy, r.top + leastHeight);
    }
    PlaceAt({r.left, r.top, r.right, r.bottom});
}

void TimerWindow::EndGrip(bool released) {
    const Grip g = *grip_;
    grip_.reset();
    if (GetCapture() == Handle()) ReleaseCapture();
    if (g.moved) {
        values_.place = Place();
        Store();
    } else if (released && g.hit == HTCLIENT) {
        TogglePause();
    }
}

void TimerWindow::ScaleBy(int notches) {
    const ScreenRect place = Place();
    const std::vector<MonitorInfo> monitors = ui::Monitors();
    const MonitorInfo* monitor = MonitorAt(monitors, {place.left + place.Width() / 2, place.top + place.Height() / 2});
    if (!monitor) return;
    PlaceAt(ScaledTimerPlace(place, notches, *monitor));
    values_.place = Place();
    Store();
}

LRESULT TimerWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCHITTEST:
            return HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case WM_NCLBUTTONDOWN:
            if (wParam < HTLEFT || wParam > HTBOTTOMRIGHT) break;
            SetForegroundWindow(Handle());
            StartGrip(static_cast<LRESULT>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
            StartGrip(HTCLIENT);
            return 0;
        case WM_MOUSEMOVE:
            if (grip_) FollowGrip();
            return 0;
        case WM_LBUTTONUP:
            if (grip_) EndGrip(true);
            return 0;
        case WM_CAPTURECHANGED:
            if (grip_) EndGrip(false);
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
            Layout();
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_DISPLAYCHANGE:
            if (Visible()) PlaceAt(TimerPlaceAfterDisplayChange(Place(), ui::Monitors()));
            break;
        case WM_DPICHANGED:
            // Its size is the presenter's, in pixels; only what is drawn follows the DPI.
            dpi_ = LOWORD(wParam);
            Layout();
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
