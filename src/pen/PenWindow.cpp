#include "pen/PenWindow.h"

#include "app/Inventory.h"
#include "pen/BoardWindow.h"
#include "pen/EditKeys.h"
#include "pen/Figures.h"
#include "pen/PalettePlacement.h"
#include "pen/TextBoxSize.h"
#include "ui/Application.h"
#include "ui/Font.h"
#include "ui/HotKeys.h"
#include "ui/Dpi.h"
#include "ui/Screen.h"

namespace {

constexpr int kFormFontPoints = 8;  // the text box starts with the form's font
// Posted when the screen is copied as the window appears: once the window is shown, a
// copy asked for later must be taken again.
constexpr UINT kScreenCopyHandedOn = WM_APP + 1;
// How long the windows beneath get to repaint while the pen steps aside for a copy.
constexpr DWORD kRepaintBeneathMs = 60;

// On Windows a copy of the screen leaves layered windows such as the pen out; Wine
// copies what the X display shows, the pen included.
bool ScreenCopyShowsLayeredWindows() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

// Lets the windows that the pen uncovered paint themselves: the system's own repaint
// arrives by itself, the windows of this thread need their paint messages handled.
void LetWindowsBeneathRepaint() {
    const ULONGLONG until = GetTickCount64() + kRepaintBeneathMs;
    for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(until - now), QS_PAINT, 0);
        MSG msg;
        for (int i = 0; i < 64 && PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
            DispatchMessageW(&msg);
    }
}

// Two full-screen bitmaps of history.
std::size_t HistoryBytes(ScreenSize screen) { return std::size_t{2} * 4 * screen.width * screen.height; }

// The window covers the screen in pixels, whatever the DPI; it is sized once created.
// What stands on it (the palette, the text box) scales with the monitor's DPI.
ui::FormParams PenParams() {
    ui::FormParams p;
    p.className = L"TForm8";
    p.caption = L"Form8";
    p.border = ui::BorderStyle::None;
    p.color = ui::SeeThrough;
    p.topMost = true;
    p.scaled = true;
    return p;
}

}  // namespace

TForm8::TForm8(Inventory& inventory) : TForm8(inventory, ui::PrimaryScreenSize()) {}

TForm8::TForm8(Inventory& inventory, ScreenSize screen)
    : ui::Form(PenParams()),
      Image1(Handle(), 0, 0, screen.width, screen.height),
      Image3(screen.width, screen.height),
      Panel2(Handle(), 0, 0),
      Edit1(Handle(), screen.width, screen.height, 121, 21, L""),
      inventory_(inventory),
      history_(screen.width, screen.height, HistoryBytes(screen)),
      covered_{0, 0, screen.width, screen.height} {
    SetBounds(0, 0, screen.width, screen.height);
    PlacePalette();
    // The see-through grey lets the windows beneath show.
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), ui::kSeeThroughKey, 0, LWA_COLORKEY);
    // The surface lies under the palette and the text box (a new child goes under the
    // ones made before it).
    SetWindowPos(Image1.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Edit1.SetColor(ui::SeeThrough);
    SetTextFont(kFormFontPoints);
    BindEvents();
}

void TForm8::BindEvents() {
    Image1.OnMouseDown = [this](int button, int x, int y) { Image1MouseDown(button, x, y); };
    Image1.OnMouseMove = [this](int x, int y) { Image1MouseMove(x, y); };
    Image1.OnMouseUp = [this](int button, int x, int y) { Image1MouseUp(button, x, y); };
    Image1.OnKeyDown = [this](WPARAM key) { EditKeyDown(key); };
    Button1.OnClick = [this] { CaptureScreen(); };
    Button2.OnClick = [this] { FillBlack(); };
    Button3.OnClick = [this] { FillWhite(); };
    Button4.OnClick = [this] { CaptureSelf(); };
    Edit1.OnChange = [this] { Edit1Change(); };
    Panel2.OnMouseDown = [this](int button, int x, int y) { Panel2MouseDown(button, x, y); };
    Panel2.Image2.OnClick = [this] { Image2Click(); };
    Panel2.ToolButton1.OnClick = [this] { ToolButton1Click(); };
    Panel2.ToolButton2.OnClick = [this] { ToolButton2Click(); };
    Panel2.ToolButton3.OnClick = [this] { ToolButton3Click(); };
    Panel2.ToolButton4.OnClick = [this] { ToolButton4Click(); };
    Panel2.ToolButton5.OnClick = [this] { ToolButton5Click(); };
    Panel2.ToolButton6.OnClick = [this] { ToolButton6Click(); };
    Panel2.ToolButton7.OnClick = [this] { ToolButton7Click(); };
    Panel2.ToolButton8.OnClick = [this] { ToolButton8Click(); };
    Panel2.ToolButton9.OnClick = [this] { ToolButton9Click(); };
    Panel2.ToolButton10.OnClick = [this] { ToolButton10Click(); };
    Panel2.ToolButton11.OnClick = [this] { ToolButton11Click(); };
    Panel2.SpeedButtonErase.OnClick = [this] { SpeedButtonEraseClick(); };
    Panel2.SpeedButtonPenColor.OnClick = [this] { SpeedButtonPenColorClick(); };
    Panel2.SpeedButtonBrushColor.OnClick = [this] { SpeedButtonBrushColorClick(); };
    Panel2.EditPenWidth.OnChange = [this] { EditPenWidthChange(); };
    Panel2.ComboBoxPenStyle.OnChange = [this] { ComboBoxPenStyleChange(); };
    Panel2.ComboBoxBrushStyle.OnChange = [this] { ComboBoxBrushStyleChange(); };
}

void TForm8::OnCreate() {
    hotKeyId_ = ui::RegisterAppHotKey(Handle(), hotkeys::Esc);
    LoadToolCursor(tool_);
    ReapplyPalette();
    eraserSize_ = SurfaceCanvas().PenWidth();
}

void TForm8::PlacePalette() {
    const ScreenPoint origin = pen::PaletteOrigin({Width(), Height()}, ChildLayoutDpi());
    Panel2.SetPosition(origin.x, origin.y);
}

void TForm8::OnDpiChanged() {
    // The system suggests a rectangle scaled with the DPI; the pen keeps covering its monitor.
    SetBounds(covered_.left, covered_.top, covered_.Width(), covered_.Height());
    PlacePalette();
}

void TForm8::CoverMonitorUnderPointer() {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    const std::vector<MonitorInfo> monitors = ui::Monitors();
    const MonitorInfo* monitor = MonitorAt(monitors, pointer);
    if (!monitor || monitor->bounds == covered_) return;
    covered_ = monitor->bounds;
    const int width = covered_.Width(), height = covered_.Height();
    Image1.Resize(width, height);
    // A new picture of another size: nothing of the old one can be undone or erased back.
    Image3 = pen::PixelTiles(width, height);
    history_ = pen::UndoHistory(width, height, HistoryBytes({width, height}));
    // The text box waits just outside the covered monitor until the text tool places it.
    Edit1.SetPosition(width, height);
    // Placed for the size the window is about to take, before it has taken it.
    const ScreenPoint origin = pen::PaletteOrigin({width, height}, ChildLayoutDpi());
    Panel2.SetPosition(origin.x, origin.y);
}

void TForm8::OnDestroy() { ui::UnregisterAppHotKey(Handle(), hotKeyId_); }

void TForm8::OnClose() {
    // The drawing is gone with the window; so are its history and background.
    StartAfresh();
}

LRESULT TForm8::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_HOTKEY:
            WMHotKey(wParam, lParam);
            return 0;
        case WM_KEYDOWN:
            EditKeyDown(wParam);
            return 0;
        case WM_WINDOWPOSCHANGING: {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if ((pos->flags & SWP_SHOWWINDOW) && !Visible()) {
                // Opening: the pen covers the monitor that holds the pointer. (A refresh
                // that steps aside for a moment stays where it is.)
                if (!steppingAside_) CoverMonitorUnderPointer();
                pos->x = covered_.left;
                pos->y = covered_.top;
                pos->cx = covered_.Width();
                pos->cy = covered_.Height();
                pos->flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
                // The last moment the screen shows what lies beneath the window: a copy
                // of the screen taken later would (under Wine) contain the window itself.
                TakeScreenCopy();
            }
            return Form::HandleMessage(msg, wParam, lParam);
        }
        case kScreenCopyHandedOn:
            screenCopied_ = false;
            return 0;
        default:
            return Form::HandleMessage(msg, wParam, lParam);
    }
}

void TForm8::WMHotKey(WPARAM, LPARAM lParam) {
    if (HotKeyVirtualKey(lParam) != hotkeys::Esc.virtualKey) return;
    // While one of the program's dialogs or message boxes is open, Esc is its cancel key.
    if (ui::Application::Current().CancelOpenDialog()) return;
    ui::Form& halo = inventory_.haloForm();
    ui::Form& follower = inventory_.followerForm();
    if (halo.Visible()) halo.Hide();
    if (follower.Visible()) follower.Hide();
    if (Visible()) {
        RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        Close();
        follower.Show();
    } else {
        Show();
        Button1.Click();
        follower.Hide();
    }
}

// --- Tools -------------------------------------------------------------------------

void TForm8::LoadToolCursor(pen::DrawTool tool) {
    // The path is made whole against the working directory first: given a relative path
    // the loader would also look in the program's folder. A missing or unreadable file
    // leaves no cursor, and the standard arrow shows.
    wchar_t path[MAX_PATH];
    const DWORD length = GetFullPathNameW(pen::ToolCursorFile(tool), MAX_PATH, path, nullptr);
    ui::UniqueCursor fresh(length && length < MAX_PATH ? LoadCursorFromFileW(path) : nullptr);
    Image1.SetCursor(fresh.get());
    cursor_ = std::move(fresh);  // the old cursor is no longer shown when it is destroyed
}

void TForm8::SelectTool(pen::DrawTool tool) {
    tool_ = tool;
    LoadToolCursor(tool);
    // Leaving the text tool drops what was typed since the last press.
    Edit1.Hide();
}

void TForm8::ToolButton1Click() { SelectTool(pen::DrawTool::Pen); }
void TForm8::ToolButton2Click() { SelectTool(pen::DrawTool::Line); }
void TForm8::ToolButton3Click() { SelectTool(pen::DrawTool::Rectangle); }
void TForm8::ToolButton4Click() { SelectTool(pen::DrawTool::Ellipse); }
void TForm8::ToolButton5Click() { SelectTool(pen::DrawTool::RoundRect); }
void TForm8::ToolButton6Click() { SelectTool(pen::DrawTool::Eraser); }
void TForm8::ToolButton9Click() { SelectTool(pen::DrawTool::DoubleArrow); }
void TForm8::ToolButton10Click() { SelectTool(pen::DrawTool::Arrow); }

void TForm8::ToolButton11Click() {
    Edit1.Show();
    tool_ = pen::DrawTool::Text;
    Edit1.SetText(L"");
    Edit1.Focus();
    LoadToolCursor(tool_);
    inventory_.followerForm().Hide();
    Edit1.SetFontColor(Panel2.SpeedButtonPenColor.GetColor());
    SetTextFont(pen::TextPoints(SurfaceCanvas().PenWidth()));
}

// --- Press, drag and release -------------------------------------------------------

void TForm8::Image1MouseDown(int, int x, int y) {
    // The keys that undo and redo reach the pen through its surface.
    if (tool_ != pen::DrawTool::Text) SetFocus(Image1.Handle());
    drawing_ = true;
    SurfaceCanvas().MoveTo(x, y);
    origin_ = current_ = {x, y};
    if (tool_ != pen::DrawTool::Text) return;
    Button4.Click();  // fixes what the box shows before it moves on
    Edit1.SetPosition(x, y);
    Edit1.SetText(L"");
    Edit1.Focus();
}

void TForm8::Image1MouseMove(int x, int y) {
    if (!drawing_) return;
    // Drawing the last rubber band again in not-xor mode takes it away.
    DrawShape(origin_, current_, ui::PenMode::NotXor);
    current_ = {x, y};
    DrawShape(origin_, current_, ui::PenMode::NotXor);
}

void TForm8::Image1MouseUp(int, int x, int y) {
    if (!drawing_) return;
    current_ = {x, y};
    DrawShape(origin_, current_, ui::PenMode::Copy);
    drawing_ = false;
    const pen::PixelPlane surface = SurfacePlane();
    history_.Finish(surface);
    // Rubber bands that came and went left kept tiles equal to the surface.
    Image3.DropUnchanged(surface);
}

void TForm8::DrawShape(pen::Point origin, pen::Point current, ui::PenMode mode) {
    ui::Canvas& canvas = SurfaceCanvas();
    canvas.SetPenMode(mode);
    const POINT penPos = canvas.PenPos();
    const pen::Point from = tool_ == pen::DrawTool::Pen ? pen::Point{penPos.x, penPos.y} : origin;
    const pen::Rect touched = pen::FigureBounds(tool_, from, current, canvas.PenWidth(), eraserSize_);
    if (touched.Empty()) return;
    const pen::PixelPlane surface = SurfacePlane();
    history_.Touch(surface, touched);
    if (tool_ == pen::DrawTool::Eraser) {
        Image3.Restore(surface, touched);
    } else {
        // The background keeps what the figure is about to cover.
        Image3.Keep(surface, touched);
        pen::DrawFigure(canvas, tool_, origin, current);
    }
    ShowChange(touched);
}

void TForm8::ShowChange(const pen::Rect& changed) {
    if (!changed.Empty()) Image1.Invalidate(RECT{changed.left, changed.top, changed.right, changed.bottom});
}

// --- Undo and redo -----------------------------------------------------------------

void TForm8::EditKeyDown(WPARAM key) {
    const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    switch (pen::EditCommandFor(static_cast<int>(key), control, shift)) {
        case pen::EditCommand::Undo:
            Undo();
            break;
        case pen::EditCommand::Redo:
            Redo();
            break;
        case pen::EditCommand::None:
            break;
    }
}

void TForm8::Undo() {
    if (!drawing_) ShowChange(history_.Undo(SurfacePlane(), Image3));
}

void TForm8::Redo() {
    if (!drawing_) ShowChange(history_.Redo(SurfacePlane(), Image3));
}

// --- Copy operations ---------------------------------------------------------------

pen::PixelPlane TForm8::SurfacePlane() {
    ui::Surface& surface = Image1.GetSurface();
    return {surface.Bits(), surface.Width(), surface.Height()};
}

COLORREF TForm8::BackgroundPixel(int x, int y) {
    const std::uint32_t bgra = Image3.PixelOver(SurfacePlane(), x, y);
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

void TForm8::TakeScreenCopy() {
    ui::WindowDC screen(GetDesktopWindow());
    // Where the desktop's DC starts depends on the system (the primary's or the virtual
    // screen's top-left): ask it.
    POINT origin{};
    GetDCOrgEx(screen.get(), &origin);
    Image1.GetSurface().CopyFrom(screen.get(), covered_.left - origin.x, covered_.top - origin.y);
    screenCopied_ = true;
    PostMessageW(Handle(), kScreenCopyHandedOn, 0, 0);
}

void TForm8::CopyScreenBeneath() {
    if (!screenCopied_) {
        if (Visible() && ScreenCopyShowsLayeredWindows()) {
            // The pen steps aside while the windows beneath repaint, and copies the screen
            // as it appears again.
            const HWND focus = GetFocus();
            steppingAside_ = true;
            ShowWindow(Handle(), SW_HIDE);
            LetWindowsBeneathRepaint();
            ShowWindow(Handle(), SW_SHOW);
            steppingAside_ = false;
            // Stepping aside must not cost the pen the keyboard: Ctrl+Z right after a
            // refresh takes the refresh back.
            if (focus == Handle() || IsChild(Handle(), focus)) {
                SetForegroundWindow(Handle());
                SetFocus(focus);
            }
        } else {
            TakeScreenCopy();
        }
    }
    screenCopied_ = false;
    Image1.InvalidateAll();
}

template <typename Copy>
void TForm8::CopyStep(Copy copy) {
    const pen::PixelPlane surface = SurfacePlane();
    history_.BeginCopy(surface, {0, 0, surface.width, surface.height}, Image3);
    // A fresh picture: the canvas starts from its defaults, then takes the palette again
    // (all but the pen style).
    SurfaceCanvas().Reset();
    copy();
    history_.Finish(SurfacePlane());
    ReapplyPalette();
}

void TForm8::StartAfresh() {
    history_.Clear();
    Image3.Clear();
}

void TForm8::CaptureScreen() {
    // The pen opens on a new picture, with nothing to undo.
    StartAfresh();
    CopyScreenBeneath();
}

void TForm8::PaintBoard(ui::Color color) {
    TForm9& board = inventory_.boardWindow();
    board.SetBounds(covered_.left, covered_.top, covered_.Width(), covered_.Height());
    board.Show();
    board.SetColor(color);
    // The board paints itself into the surface: a copy from its window on the screen
    // could come before the board has painted.
    SendMessageW(board.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Image1.GetSurface().Dc()), PRF_CLIENT);
    Image1.InvalidateAll();
    board.Close();
}

void TForm8::FillBlack() {
    StartAfresh();
    PaintBoard(ui::Black);
}

void TForm8::FillWhite() {
    StartAfresh();
    PaintBoard(ui::White);
}

void TForm8::CaptureSelf() {
    // The window shows the surface with the text box on top: stamp the box on the
    // surface, which is then the background too.
    RECT box{};
    if (Edit1.Visible()) {
        GetWindowRect(Edit1.Handle(), &box);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&box), 2);
    }
    history_.BeginCopy(SurfacePlane(), {box.left, box.top, box.right, box.bottom}, Image3);
    if (Edit1.Visible()) StampTextBox();
    history_.Finish(SurfacePlane());
}

void TForm8::StampTextBox() {
    RECT client{};
    GetClientRect(Edit1.Handle(), &client);
    POINT at{0, 0};
    MapWindowPoints(Edit1.Handle(), Handle(), &at, 1);
    const HDC surface = Image1.GetSurface().Dc();
    ui::MemoryDC box(CreateCompatibleDC(surface));
    ui::UniqueBitmap pixels(CreateCompatibleBitmap(surface, client.right, client.bottom));
    ui::SelectScope selected(box.get(), pixels.get());
    SendMessageW(Edit1.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(box.get()), PRF_CLIENT | PRF_ERASEBKGND);
    // The box's grey background is see-through on the screen, so only its text is seen.
    GdiTransparentBlt(surface, at.x, at.y, client.right, client.bottom, box.get(), 0, 0, client.right, client.bottom,
                      ui::kSeeThroughKey);
    Image1.Invalidate(RECT{at.x, at.y, at.x + client.right, at.y + client.bottom});
}

// --- Refresh and the text box ------------------------------------------------------

void TForm8::ReapplyPalette() {
    ui::Canvas& canvas = SurfaceCanvas();
    canvas.SetPenColor(Panel2.SpeedButtonPenColor.GetColor());
    canvas.SetPenWidth(Panel2.UpDownPenWidth.Position());
    canvas.SetBrushColor(Panel2.SpeedButtonBrushColor.GetColor());
    const int brushStyle = Panel2.ComboBoxBrushStyle.ItemIndex();
    if (brushStyle >= 0) canvas.SetBrushStyle(static_cast<ui::BrushStyle>(brushStyle));
}

void TForm8::SpeedButtonEraseClick() {
    CopyStep([this] { CopyScreenBeneath(); });
}

void TForm8::SetTextFont(int points) {
    ui::UniqueFont font = ui::CreateFontByPoints(L"MS Sans Serif", points);
    Edit1.SetFont(font.get());
    textFont_ = std::move(font);
    TEXTMETRICW metrics{};
    {
        ui::WindowDC dc(Edit1.Handle());
        ui::SelectScope selected(dc.get(), textFont_.get());
        GetTextMetricsW(dc.get(), &metrics);
    }
    // The height follows the font: the text plus the sunken frame and a margin.
    Edit1.SetSize(Edit1.Width(), metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE) + 4);
}

int TForm8::EditTextWidth(const ui::Edit& edit) const {
    const std::wstring text = edit.Text();
    ui::WindowDC dc(edit.Handle());
    ui::SelectScope selected(dc.get(), edit.GetFont() ? edit.GetFont() : ui::DefaultFont());
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void TForm8::Edit1Change() {
    Edit1.SetSize(pen::TextBoxWidth(EditTextWidth(Edit1), SurfaceCanvas().PenWidth()), Edit1.Height());
}

// --- The palette ------------------------------------------------------------------

void TForm8::Panel2MouseDown(int button, int x, int y) {
    // The palette follows the pointer itself until that button is released: the system's
    // move loop does not end on every button's release everywhere.
    Panel2.BeginDrag(button, x, y);
}

void TForm8::Image2Click() { Close(); }

void TForm8::SpeedButtonPenColorClick() {
    if (!Panel2.ColorDialog1.Execute(Handle())) return;
    const ui::Color color = Panel2.ColorDialog1.GetColor();
    SurfaceCanvas().SetPenColor(color);
    Panel2.SpeedButtonPenColor.SetColor(color);
    Edit1.SetFontColor(color);
}

void TForm8::SpeedButtonBrushColorClick() {
    if (!Panel2.ColorDialog1.Execute(Handle())) return;
    const ui::Color color = Panel2.ColorDialog1.GetColor();
    // A hollow brush turns solid; the style list keeps showing what it showed.
    SurfaceCanvas().SetBrushColor(color);
    Panel2.SpeedButtonBrushColor.SetColor(color);
}

void TForm8::EditPenWidthChange() {
    const int width = Panel2.UpDownPenWidth.Position();
    SurfaceCanvas().SetPenWidth(width);
    eraserSize_ = width;
    SetTextFont(pen::TextPoints(width));
    Edit1.SetSize(pen::TextBoxWidth(EditTextWidth(Edit1), width), Edit1.Height());
}

void TForm8::ComboBoxPenStyleChange() {
    const int style = Panel2.ComboBoxPenStyle.ItemIndex();
    if (style >= 0) SurfaceCanvas().SetPenStyle(static_cast<ui::PenStyle>(style));
}

void TForm8::ComboBoxBrushStyleChange() {
    SurfaceCanvas().SetBrushColor(Panel2.SpeedButtonBrushColor.GetColor());
    const int style = Panel2.ComboBoxBrushStyle.ItemIndex();
    if (style >= 0) SurfaceCanvas().SetBrushStyle(static_cast<ui::BrushStyle>(style));
}

void TForm8::ToolButton7Click() {
    // Each press covers the drawing with the next board on a fresh canvas.
    CopyStep([this] {
        switch (nextBoard_) {
            case pen::NextBoard::White:
                PaintBoard(ui::White);
                break;
            case pen::NextBoard::Black:
                PaintBoard(ui::Black);
                break;
            case pen::NextBoard::Screen:
                CopyScreenBeneath();
                break;
        }
    });
    nextBoard_ = pen::After(nextBoard_);
}

void TForm8::ToolButton8Click() {
    Close();
    inventory_.helpForm().Show();
}
