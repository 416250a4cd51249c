#include "pen/LiveInkWindow.h"

#include "base/Text.h"
#include "pen/ClosedMemory.h"
#include "pen/InkPixels.h"
#include "pen/PalettePlacement.h"
#include "pen/PenTexts.h"
#include "ui/ColorRef.h"
#include "ui/Composition.h"

namespace {

// What changed shows once the input waiting is handled, at most this often: a showing
// costs far more than drawing a piece of a stroke (Wine copies the whole window's pixels).
constexpr UINT kShowMs = USER_TIMER_MINIMUM;
// An alpha of 1, premultiplied: black at 1/255, which no eye sees, but a hit for the mouse.
constexpr std::uint32_t kCatchingBackdrop = 0x01000000;

ui::FormParams InkParams() {
    ui::FormParams p;
    p.className = pen::kLiveInkClass;
    p.caption = Text(IDS_LIVE_INK_CAPTION);
    p.border = ui::BorderStyle::None;
    p.width = p.height = 1;  // the first showing gives it the monitor's size
    p.topMost = true;
    p.toolWindow = true;
    return p;
}

}  // namespace

LiveInkWindow::LiveInkWindow(LiveInkHost& host)
    : ui::Form(InkParams()),
      host_(host),
      blended_(ui::LayeredWindowsBlended()),
      layer_(Handle()),
      steps_([this] { return layer_.Plane(); }),
      strokes_(layer_.Surface(), steps_, [this](const RECT& area) { Changed(area); }),
      paletteWindow_(Handle()),
      textWindow_(Handle()),
      cover_({0, 0, 1, 1}),
      presses_(Handle(), cover_,
               {[this](int x, int y) { OnPress(x, y); }, [this](int x, int y) { OnDrag(x, y); },
                [this](int x, int y) { OnRelease(x, y); }, [this](int turn, bool control) { OnWheel(turn, control); }}),
      files_(Handle()),
      showTimer_(*this, kShowMs, false) {
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    strokes_.MarkHighlighter(ui::RGBOfPixel(pen::kHighlighting));
    // Armed while strokes come, so that a move costs no call to the system to arm it.
    showTimer_.OnTimer = [this] {
        if (layer_.HasChanges())
            ShowNow();
        else
            showTimer_.SetEnabled(false);
    };
    BindPalette();
}

void LiveInkWindow::BindPalette() {
    PenPalette& palette = paletteWindow_.palette;
    palette.OnSelectTool = [this](pen::DrawTool tool) { SelectTool(tool); };
    palette.OnCommand = [this](PaletteCommand command) {
        if (command == PaletteCommand::Refresh || command == PaletteCommand::EraseAll) ClearAll();
        if (command == PaletteCommand::Help) host_.ShowHelp();  // the host closes live ink first
    };
    palette.OnCloseClick = [this] { host_.CloseLiveInk(); };
    palette.OnChange = [this](PaletteChange change, const PaletteState& state) {
        paletteWindow_.palette.ApplyTo(layer_.Surface().GetCanvas(), change);
        if (change == PaletteChange::PenColor) textWindow_.text.SetColor(state.penColor);
        if (change == PaletteChange::PenWidth) {
            textWindow_.text.SetPenWidth(state.penWidth);
            textWindow_.FitText(state.penWidth);
        }
    };
    textWindow_.text.box.OnChange = [this] { textWindow_.FitText(paletteWindow_.palette.State().penWidth); };
    // Over the running screen there is no board to show.
    palette.Enable(PaletteCommand::NextBoard, false);
    paletteWindow_.OnKey = [this](WPARAM key) { return PreviewKey(nullptr, key); };
}

void LiveInkWindow::OnCreate() {
    paletteWindow_.Create();
    cursor_.Load(tool_);
}

void LiveInkWindow::Open() {
    givenBack_ = GetForegroundWindow();
    POINT pointer{};
    GetCursorPos(&pointer);
    Cover(MonitorCover::MonitorHolding({pointer.x, pointer.y}).value_or(cover_.Covered()));
    files_.Opened();
    paletteWindow_.palette.ApplyTo(layer_.Surface().GetCanvas());
    SetDrawing(true);
    layer_.ShowAll(cover_.Covered());
    Show();
    PlacePalette();
    paletteWindow_.Show();
    SetForegroundWindow(Handle());
}

void LiveInkWindow::Cover(const ScreenRect& monitor) {
    const ScreenSize size{monitor.Width(), monitor.Height()};
    const bool resized = size.width != layer_.Surface().Width() || size.height != layer_.Surface().Height();
    cover_.Take(monitor);
    layer_.Clear(size);
    if (resized)
        steps_.SurfaceResized();
    else
        steps_.StartAfresh();
}

void LiveInkWindow::PlacePalette() {
    // Near the covered monitor's top-right corner, at that monitor's DPI: the palette
    // window takes it once it stands there.
    for (int pass = 0; pass < 2; ++pass) {
        const ScreenPoint origin = pen::PaletteOrigin(cover_.Size(), paletteWindow_.ChildLayoutDpi());
        paletteWindow_.SetPosition(cover_.Covered().left + origin.x, cover_.Covered().top + origin.y);
    }
}

void LiveInkWindow::SetDrawing(bool drawing) {
    StampText();
    if (drawing)
        presses_.Take(!blended_);
    else
        presses_.Stop();
    drawing_ = drawing;
    // Passing clicks through, the window is out of the mouse's way altogether.
    const LONG style = GetWindowLongW(Handle(), GWL_EXSTYLE);
    SetWindowLongW(Handle(), GWL_EXSTYLE, drawing ? style & ~WS_EX_TRANSPARENT : style | WS_EX_TRANSPARENT);
    layer_.SetBackdrop(drawing && blended_ ? kCatchingBackdrop : 0);
    paletteWindow_.palette.ShowInkState(drawing);
    if (!Visible()) return;
    ShowNow();
    if (drawing)
        SetForegroundWindow(Handle());
    else if (givenBack_ && IsWindow(givenBack_))
        SetForegroundWindow(givenBack_);  // the keys go to the slides again
}

void LiveInkWindow::OnPress(int x, int y) {
    if (!drawing_ || strokes_.Active()) return;
    const PaletteState& state = paletteWindow_.palette.State();
    if (tool_ == pen::DrawTool::Text) {
        StampText();  // fixes what was typed before the box moves on
        const ScreenRect& covered = cover_.Covered();
        textWindow_.PlaceAt({covered.left + x, covered.top + y}, covered, state.penColor, state.penWidth);
        return;
    }
    if (tool_ == pen::DrawTool::Highlighter) StartHighlighting();
    strokes_.Press(tool_, state.penWidth, x, y);
}

void LiveInkWindow::OnDrag(int x, int y) { strokes_.Drag(x, y); }

void LiveInkWindow::OnRelease(int x, int y) {
    if (!strokes_.Active()) return;
    strokes_.Release(x, y);
    beneath_.reset();
    ShowNow();
}

void LiveInkWindow::StartHighlighting() {
    // The ink cannot combine with the screen beneath as it runs: the stroke combines
    // with what the screen showed as it began. The strokes mark its pixels (see the
    // constructor), and each marked pixel takes its colour as it changes.
    const ScreenRect& covered = cover_.Covered();
    beneath_.emplace(covered.Width(), covered.Height());
    CopyShowing(*beneath_, false);  // a press waits for nothing
    highlight_ = ui::PixelOf(ui::ColorToRGB(layer_.Surface().GetCanvas().PenColor()));
}

void LiveInkWindow::Changed(const RECT& area) {
    if (beneath_)
        pen::Highlight(layer_.Plane(), {beneath_->Bits(), beneath_->Width(), beneath_->Height()},
                       {area.left, area.top, area.right, area.bottom}, highlight_);
    layer_.Changed({area.left, area.top, area.right, area.bottom});
    if (!showTimer_.Enabled()) showTimer_.SetEnabled(true);
}

void LiveInkWindow::ShowNow() {
    if (Visible()) layer_.ShowChanged(cover_.Covered());
}

void LiveInkWindow::ShowChange(const pen::Rect& area) {
    if (area.Empty()) return;
    layer_.Changed(area);
    ShowNow();
}

void LiveInkWindow::SelectTool(pen::DrawTool tool) {
    StampText();
    tool_ = tool;
    cursor_.Load(tool);
    if (!drawing_) host_.DrawLiveInk();
}

void LiveInkWindow::StampText() {
    const RECT changed = textWindow_.StampOnto(layer_.Surface(), cover_.Covered(), steps_);
    ShowChange({changed.left, changed.top, changed.right, changed.bottom});
}

void LiveInkWindow::HandOver(const std::function<void(const pen::PixelPlane& ink)>& take) {
    OnRelease(0, 0);
    StampText();
    take(layer_.Plane());
    steps_.StartAfresh();  // handed on, not kept
    Close();
}

void LiveInkWindow::Finish(bool keep) {
    if (strokes_.Active()) OnRelease(0, 0);
    StampText();
    if (keep && steps_.WorthKeeping()) files_.Keep(layer_.Plane());
    steps_.Release();
    layer_.Release();
    // The window shrinks with it: the system keeps a copy of a layered window's pixels.
    layer_.ShowAll(cover_.Covered());
    steps_.SurfaceResized();
    pen::GiveClosedMemoryBack();
}

void LiveInkWindow::OnClose() {
    presses_.Stop();
    showTimer_.SetEnabled(false);
    paletteWindow_.Hide();
    Finish(true);
}

void LiveInkWindow::OnDestroy() {
    if (Visible()) OnClose();
}

void LiveInkWindow::OnDisplayChange() {
    if (!Visible()) return;
    // The monitors changed size or place: live ink covers the one it stood on, as it is
    // now. Ink of another size can no longer stand: it is kept, and live ink starts afresh.
    const ScreenRect& was = cover_.Covered();
    const std::optional<ScreenRect> monitor =
        MonitorCover::MonitorHolding({was.left + was.Width() / 2, was.top + was.Height() / 2});
    if (!monitor) return;
    if (monitor->Width() != was.Width() || monitor->Height() != was.Height()) {
        if (steps_.WorthKeeping()) files_.Keep(layer_.Plane());
        Cover(*monitor);
    } else {
        cover_.Take(*monitor);
    }
    layer_.ShowAll(cover_.Covered());
    const ScreenPoint kept = pen::KeptOnMonitor({paletteWindow_.Left() - was.left, paletteWindow_.Top() - was.top},
                                                {paletteWindow_.Width(), paletteWindow_.Height()}, cover_.Size());
    paletteWindow_.SetPosition(cover_.Covered().left + kept.x, cover_.Covered().top + kept.y);
}

LRESULT LiveInkWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (presses_.OnMessage(msg, wParam, lParam)) return 0;
    switch (msg) {
        case WM_SETCURSOR:
            if (!drawing_ || LOWORD(lParam) != HTCLIENT) break;
            SetCursor(cursor_.Handle() ? cursor_.Handle() : LoadCursorW(nullptr, IDC_ARROW));
            return TRUE;
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
            return 0;
        case WM_DISPLAYCHANGE:
            OnDisplayChange();
            break;
        case kDrawingWritten:
            files_.TellOutcomes(cover_.Covered());
            return 0;
        default:
            break;
    }
    return Form::HandleMessage(msg, wParam, lParam);
}
