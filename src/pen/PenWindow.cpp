#include "pen/PenWindow.h"

#include "pen/ClosedMemory.h"
#include "pen/PalettePlacement.h"
#include "pen/PenTexts.h"
#include "ui/Composition.h"
#include "ui/Screen.h"
#include "ui/WindowSurface.h"

namespace {

// The window covers the screen in pixels, whatever the DPI; it is sized once created.
// What stands on it (the palette, the text box) scales with the monitor's DPI.
ui::FormParams PenParams() {
    ui::FormParams p;
    p.className = pen::kPenClass;
    p.caption = pen::kPenCaption;
    p.border = ui::BorderStyle::None;
    p.color = ui::Black;
    p.topMost = true;
    p.scaled = true;
    return p;
}

}  // namespace

PenWindow::PenWindow(PenHost& host) : PenWindow(host, ui::PrimaryScreenSize()) {}

PenWindow::PenWindow(PenHost& host, ScreenSize screen)
    : ui::Form(PenParams()),
      surface_(Handle(), 0, 0, screen.width, screen.height),
      drawing_([this] { return SurfacePlane(); }),
      palette_(Handle(), 0, 0),
      text_(Handle(), surface_.GetSurface(), screen.width, screen.height),
      strokes_(surface_.GetSurface(), drawing_, [this](const RECT& changed) { surface_.Invalidate(changed); }),
      host_(host),
      sources_(Handle(), surface_.GetSurface()),
      cover_({0, 0, screen.width, screen.height}),
      files_(Handle()) {
    SetBounds(0, 0, screen.width, screen.height);
    PlacePalette();
    // Out of a copy of the screen (see ScreenCopy), and wholly opaque: whatever the
    // presenter sees or draws on the pen is the frozen picture, never the live screen.
    ui::LeaveOutOfScreenCopies(Handle());
    // The surface lies under the palette and the text box (a new child goes under the
    // ones made before it).
    SetWindowPos(surface_.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    BindEvents();
}

void PenWindow::BindEvents() {
    surface_.OnMouseDown = [this](int button, int x, int y) { OnPress(button, x, y); };
    surface_.OnMouseMove = [this](int x, int y) { OnDrag(x, y); };
    surface_.OnMouseUp = [this](int button, int x, int y) { OnRelease(button, x, y); };
    text_.box.OnChange = [this] { text_.FitText(SurfaceCanvas().PenWidth()); };
    palette_.OnSelectTool = [this](pen::DrawTool tool) { SelectTool(tool); };
    palette_.OnCommand = [this](PaletteCommand command) { RunCommand(command); };
    palette_.OnCloseClick = [this] { host_.ClosePen(); };
    palette_.OnChange = [this](PaletteChange change, const PaletteState&) { ApplyPalette(change); };
}

void PenWindow::OnCreate() {
    cursor_.Show(tool_, surface_);
    palette_.ApplyTo(SurfaceCanvas());
}

void PenWindow::PlacePalette() {
    // Placed for the size the window is about to take, also before it has taken it.
    const ScreenPoint origin = pen::PaletteOrigin(cover_.Size(), ChildLayoutDpi());
    palette_.SetPosition(origin.x, origin.y);
}

void PenWindow::OnDpiChanged() {
    // The system suggests a rectangle scaled with the DPI; the pen keeps covering its monitor.
    CoverBounds();
    PlacePalette();
}

void PenWindow::CoverBounds() {
    const ScreenRect& covered = cover_.Covered();
    SetBounds(covered.left, covered.top, covered.Width(), covered.Height());
}

void PenWindow::Cover(const ScreenRect& monitor) {
    KeepClosedDrawing();  // before the surface may take another size
    cover_.Take(monitor);
    FitSurface();
}

void PenWindow::ResizeSurface(ScreenSize size) {
    if (size.width == surface_.GetSurface().Width() && size.height == surface_.GetSurface().Height()) return;
    surface_.Resize(size.width, size.height);
    drawing_.SurfaceResized();
    // The text box waits just outside the covered monitor until the text tool places it.
    text_.box.SetPosition(size.width, size.height);
}

void PenWindow::OnDisplayChange() {
    // The monitors changed size or place: the pen covers the one it stood on most, as it
    // is now, and keeps its palette whole on it.
    const std::optional<ScreenRect> monitor =
        MonitorCover::MonitorHolding({Left() + Width() / 2, Top() + Height() / 2});
    if (!monitor) return;
    Cover(*monitor);
    CoverBounds();
    const ScreenPoint kept =
        pen::KeptOnMonitor({palette_.Left(), palette_.Top()}, {palette_.Width(), palette_.Height()}, cover_.Size());
    palette_.SetPosition(kept.x, kept.y);
    // The open pen starts again on the screen as it is now; the drawing is dropped.
    if (Visible()) CaptureScreen();
}

void PenWindow::OnDestroy() { KeepClosedDrawing(); }

void PenWindow::KeepClosedDrawing() { files_.KeepIfClosedWith(SurfacePlane()); }

void PenWindow::OnClose() {
    StampText();
    text_.Clear();
    // What was drawn is kept, to be brought back after the next opening. Nothing changes
    // the picture before it is copied (see KeepClosedDrawing). A kept drawing brought back
    // and left as it was is in the folder already.
    if (drawing_.WorthKeeping()) files_.KeepOnceClosed();
    // The drawing is gone with the window; so are its history and background.
    drawing_.Release();
    // So does the surface, once the window is gone; the opening makes it again.
    PostMessageW(Handle(), kPenGone, 0, 0);
    pen::GiveClosedMemoryBack();
}

void PenWindow::CaptureScreen() {
    drawing_.StartAfresh();
    files_.Opened();
    sources_.CopyScreen(cover_.Covered());
    surface_.InvalidateAll();
}

void PenWindow::LayInk(const pen::PixelPlane& ink) {
    if (drawing_.LayInk(ink)) surface_.InvalidateAll();
}

LRESULT PenWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DISPLAYCHANGE:
            OnDisplayChange();
            return Form::HandleMessage(msg, wParam, lParam);
        case WM_WINDOWPOSCHANGING: {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if ((pos->flags & SWP_SHOWWINDOW) && !Visible()) {
                KeepClosedDrawing();  // before the screen is copied over it
                // Opening: the pen covers the monitor that holds the pointer. (A refresh
                // that steps aside for a moment stays where it is.)
                if (const auto monitor = sources_.SteppingAside() ? std::nullopt : cover_.OtherUnderPointer()) {
                    Cover(*monitor);
                    PlacePalette();
                }
                FitSurface();  // the closing gave it up
                cover_.Place(*pos);
                sources_.TakeAsShown(cover_.Covered());
            }
            return Form::HandleMessage(msg, wParam, lParam);
        }
        case kScreenCopyHandedOn:
            sources_.HandedOn();
            return 0;
        case kPenGone:
            KeepClosedDrawing();
            if (!Visible()) {  // unless it opened again in the meantime
                ResizeSurface({1, 1});
                ui::LetGoOfSurface(Handle());
            }
            return 0;
        case kDrawingWritten:
            files_.TellOutcomes(cover_.Covered());
            return 0;
        case WM_MOUSEWHEEL:
            OnWheel(wParam, lParam);
            return 0;
        default:
            return Form::HandleMessage(msg, wParam, lParam);
    }
}

void PenWindow::SelectTool(pen::DrawTool tool) {
    // What was typed goes onto the picture, one step, before the box moves on or goes.
    StampText();
    tool_ = tool;
    cursor_.Show(tool, surface_);
    if (tool == pen::DrawTool::Text)
        text_.Start(palette_.State().penColor, SurfaceCanvas().PenWidth());
    else
        text_.box.Hide();
}

void PenWindow::ApplyPalette(PaletteChange change) {
    palette_.ApplyTo(SurfaceCanvas(), change);
    if (change == PaletteChange::PenColor) text_.SetColor(palette_.State().penColor);
    if (change == PaletteChange::PenWidth) text_.SetPenWidth(palette_.State().penWidth);
}

void PenWindow::StampText() {
    const RECT changed = text_.StampOnto(surface_.GetSurface(), {0, 0}, drawing_);
    if (!IsRectEmpty(&changed)) surface_.Invalidate(changed);
}

void PenWindow::OnPress(int, int x, int y) {
    // The keyboard leaves the palette's controls for the picture.
    if (tool_ != pen::DrawTool::Text) SetFocus(surface_.Handle());
    strokes_.Press(tool_, EraserSize(), x, y);
    if (tool_ != pen::DrawTool::Text) return;
    StampText();  // fixes what was typed before the box moves on
    text_.PlaceAt(x, y);
}

pen::PixelPlane PenWindow::SurfacePlane() {
    ui::Surface& surface = surface_.GetSurface();
    return {surface.Bits(), surface.Width(), surface.Height()};
}

void PenWindow::ShowChange(const pen::Rect& changed) {
    if (!changed.Empty()) surface_.Invalidate(RECT{changed.left, changed.top, changed.right, changed.bottom});
}
