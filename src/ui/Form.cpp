#include "ui/Form.h"

#include <algorithm>
#include <utility>

#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/Dpi.h"
#include "ui/Font.h"
#include "ui/Timer.h"

namespace ui {
namespace {
constexpr wchar_t kDialogKeysProperty[] = L"Vellora.DialogKeys";
}  // namespace

FormParams OwnedPopupParams(const wchar_t* className, std::wstring caption, HWND owner) {
    FormParams p;
    p.className = className;
    p.caption = std::move(caption);
    p.border = BorderStyle::None;
    p.topMost = true;
    p.toolWindow = true;
    p.owner = owner;
    return p;
}

FormParams OverlayParams(const wchar_t* className, std::wstring caption) {
    FormParams p = OwnedPopupParams(className, std::move(caption), nullptr);
    p.activateOnShow = false;
    p.neverActive = true;
    return p;
}

namespace {

LOGFONTW SystemStockFont() {
    LOGFONTW font{};
    GetObjectW(DefaultFont(), sizeof font, &font);
    return font;
}

// The stock font as designed at 96 DPI (the system made it for its own DPI), in the
// character set of the program's language.
LOGFONTW StockFont() {
    LOGFONTW font = SystemStockFont();
    font.lfHeight = MulDiv(font.lfHeight, kBaseDpi, SystemDpi());
    if (TextCharset() != DEFAULT_CHARSET) font.lfCharSet = TextCharset();
    return font;
}

// The stock font suits a form at the system's DPI, unless it lacks the characters of the
// program's language (Chinese chosen on an English Windows).
bool NeedsOwnDefaultFont(int dpi) {
    const bool ownCharset = TextCharset() == DEFAULT_CHARSET || SystemStockFont().lfCharSet == TextCharset();
    return dpi != SystemDpi() || !ownCharset;
}

FormParams AtDpi(FormParams params, int dpi) {
    if (!params.scaled) return params;
    params.left = ScaleForDpi(params.left, dpi);
    params.top = ScaleForDpi(params.top, dpi);
    params.width = ScaleForDpi(params.width, dpi);
    params.height = ScaleForDpi(params.height, dpi);
    return params;
}

}  // namespace

Form::Form(const FormParams& design)
    : params_(design), background_(design.color), dpi_(design.scaled ? PrimaryMonitorDpi() : kBaseDpi) {
    params_ = AtDpi(design, dpi_);
    const FormParams& params = params_;
    RegisterClassOnce(params.className);
    DWORD style = WS_CLIPCHILDREN;
    style |= params.border == BorderStyle::None ? WS_POPUP : WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    if (params.topMost) exStyle |= WS_EX_TOPMOST;
    if (params.toolWindow) exStyle |= WS_EX_TOOLWINDOW;
    if (params.neverActive) exStyle |= WS_EX_NOACTIVATE;
    // Every form is owned, by the application's hidden window unless it names another, so
    // none gets a taskbar button.
    CreateHandle(exStyle, params.className, params.caption.c_str(), style, params.left, params.top, params.width,
                 params.height, params.owner ? params.owner : Application::Current().OwnerWindow());
    if (params.scaled && NeedsOwnDefaultFont(dpi_)) defaultFont_ = std::make_unique<ScaledFont>(Handle(), StockFont());
    if (params.dialogKeys) SetPropW(Handle(), kDialogKeysProperty, Handle());
}

bool Form::TakesDialogKeys(HWND window) { return window && GetPropW(window, kDialogKeysProperty) == window; }

Form* Form::Holding(HWND window) {
    return window ? dynamic_cast<Form*>(FromHandle(GetAncestor(window, GA_ROOT))) : nullptr;
}

void Form::RestoreFocus() {
    if (!focused_ || !IsChild(Handle(), focused_) || !IsWindowVisible(focused_))
        focused_ = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (focused_) SetFocus(focused_);
}

Form::~Form() { DestroyHandle(); }

void Form::Destroy() { DestroyHandle(); }

void Form::Create() {
    Guarded([this] { OnCreate(); });
    if (params_.visible) Show();
}

void Form::Show() {
    // With no taskbar button a minimised form has no other way back: showing restores it.
    const bool minimised = IsIconic(Handle());
    if (Visible()) {
        if (minimised) ShowWindow(Handle(), SW_RESTORE);
        BringToFront();
        return;
    }
    ShowWindow(Handle(), minimised ? SW_RESTORE : params_.activateOnShow ? SW_SHOW : SW_SHOWNOACTIVATE);
    if (params_.topMost) SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    OnShow();
}

void Form::BringToFront() {
    SetWindowPos(Handle(), params_.topMost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | (params_.activateOnShow ? 0 : SWP_NOACTIVATE));
    if (params_.activateOnShow) SetForegroundWindow(Handle());
}

void Form::Hide() {
    if (!Visible()) return;
    ShowWindow(Handle(), SW_HIDE);
    OnHide();
}

bool Form::Visible() const { return Handle() && (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0; }

void Form::Close() {
    OnClose();
    if (params_.mainForm)
        Application::Current().Terminate();
    else
        Hide();
}

static RECT WindowRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

int Form::Left() const { return WindowRectOf(Handle()).left; }
int Form::Top() const { return WindowRectOf(Handle()).top; }
int Form::Width() const {
    const RECT r = WindowRectOf(Handle());
    return r.right - r.left;
}
int Form::Height() const {
    const RECT r = WindowRectOf(Handle());
    return r.bottom - r.top;
}

void Form::SetLeft(int left) { SetPosition(left, Top()); }

void Form::SetPosition(int left, int top) {
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetSize(int width, int height) {
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetColor(Color color) {
    if (background_.Set(color)) InvalidateRect(Handle(), nullptr, TRUE);
}

void Form::AttachTimer(Timer* timer) { timers_.push_back(timer); }

void Form::AttachFont(ScaledFont* font) { fonts_.push_back(font); }

void Form::DetachFont(ScaledFont* font) { std::erase(fonts_, font); }

int Form::ChildLayoutDpi() const { return params_.scaled ? dpi_ : kBaseDpi; }

HFONT Form::ScaledDefaultFont() const { return defaultFont_ ? defaultFont_->get() : nullptr; }

void Form::ChangeDpi(int dpi, const RECT& suggested) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    // Every old font stays alive until no control draws with it.
    std::vector<std::pair<HFONT, HFONT>> renamed;
    std::vector<UniqueFont> retired;
    for (ScaledFont* font : fonts_) {
        if (font == defaultFont_.get()) continue;  // made afresh below
        const HFONT before = font->get();
        retired.push_back(font->Rescale(dpi));
        renamed.emplace_back(before, font->get());
    }
    const HFONT oldDefault = defaultFont_ ? defaultFont_->get() : DefaultFont();
    std::unique_ptr<ScaledFont> retiredDefault = std::move(defaultFont_);
    if (NeedsOwnDefaultFont(dpi)) defaultFont_ = std::make_unique<ScaledFont>(Handle(), StockFont());
    renamed.emplace_back(oldDefault, defaultFont_ ? defaultFont_->get() : DefaultFont());

    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    struct Relayout {
        int dpi;
        const std::vector<std::pair<HFONT, HFONT>>* renamed;
    } relayout{dpi, &renamed};
    EnumChildWindows(
        Handle(),
        [](HWND child, LPARAM data) -> BOOL {
            const auto& r = *reinterpret_cast<const Relayout*>(data);
            Window* window = FromHandle(child);
            if (!window) return TRUE;
            window->RelayOut(r.dpi);
            if (auto* control = dynamic_cast<Control*>(window)) {
                for (const auto& [before, after] : *r.renamed)
                    if (control->GetFont() == before) {
                        control->SetFont(after);
                        break;
                    }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&relayout));
    InvalidateRect(Handle(), nullptr, TRUE);
    OnDpiChanged();
}

void Form::RenewColors() {
    ColorsChanged();
    EnumChildWindows(
        Handle(),
        [](HWND child, LPARAM) -> BOOL {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);  // common controls remake their brushes
            if (Window* window = FromHandle(child)) window->ColorsChanged();
            return TRUE;
        },
        0);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::DetachTimer(Timer* timer) { std::erase(timers_, timer); }

void Form::PaintContent(HDC dc, const RECT& clip) { FillRect(dc, &clip, background_.Brush()); }

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (ReflectToChild(msg, wParam, lParam, reflected)) return reflected;
    if (ServePaint(msg, wParam, [this](HDC dc, const RECT& area) { PaintContent(dc, area); })) return 0;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers the whole surface
        case WM_TIMER: {
            const auto it =
                std::find_if(timers_.begin(), timers_.end(), [wParam](Timer* t) { return t->Id() == wParam; });
            if (it != timers_.end()) (*it)->Tick();
            return 0;
        }
        case WM_ACTIVATE:
            if (!params_.dialogKeys) break;
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (IsChild(Handle(), focus)) focused_ = focus;
            } else {
                RestoreFocus();
            }
            return 0;
        case WM_SETFOCUS:
            if (!params_.dialogKeys) break;
            RestoreFocus();
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_SYSCOLORCHANGE:
            RenewColors();
            return 0;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETHIGHCONTRAST) RenewColors();
            break;
        case WM_DPICHANGED:
            if (!params_.scaled) return Default(msg, wParam, lParam);
            ChangeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            if (params_.dialogKeys) RemovePropW(Handle(), kDialogKeysProperty);
            OnDestroy();
            return 0;
        default:
            break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace ui
