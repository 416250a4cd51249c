#include "pen/PenWindow.h"

#include <windowsx.h>

#include <algorithm>

#include "pen/BoardWindow.h"
#include "pen/EditKeys.h"
#include "pen/Figures.h"
#include "pen/PalettePlacement.h"
#include "pen/PenTexts.h"
#include "pen/Stretch.h"
#include "pen/TilePool.h"
#include "pen/ZoomStep.h"
#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/ProgramFiles.h"
#include "ui/Screen.h"

namespace {

// Posted to itself as the pen closes with a drawing to keep.
constexpr UINT kKeepDrawing = WM_APP + 3;

// Two full-screen bitmaps of history.
std::size_t HistoryBytes(ScreenSize screen) { return std::size_t{2} * 4 * screen.width * screen.height; }

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
      background_(screen.width, screen.height),
      palette_(Handle(), 0, 0),
      text_(Handle(), surface_.GetSurface(), screen.width, screen.height),
      host_(host),
      history_(screen.width, screen.height, HistoryBytes(screen)),
      covered_{0, 0, screen.width, screen.height},
      files_(Handle()) {
    SetBounds(0, 0, screen.width, screen.height);
    PlacePalette();
    // Layered, so that Windows leaves the shown pen out of a copy of the screen (see
    // ScreenCopy), and wholly opaque: whatever the presenter sees or draws on the pen is
    // the frozen picture, never the live screen, whatever its colours.
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
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
    palette_.OnChange = [this](PaletteChange change, const PaletteState& state) { ApplyPalette(change, state); };
}

void PenWindow::OnCreate() {
    LoadToolCursor(tool_);
    ReapplyPalette();
    eraserSize_ = SurfaceCanvas().PenWidth();
}

void PenWindow::PlacePalette() {
    const ScreenPoint origin = pen::PaletteOrigin({Width(), Height()}, ChildLayoutDpi());
    palette_.SetPosition(origin.x, origin.y);
}

void PenWindow::OnDpiChanged() {
    // The system suggests a rectangle scaled with the DPI; the pen keeps covering its monitor.
    SetBounds(covered_.left, covered_.top, covered_.Width(), covered_.Height());
    PlacePalette();
}

void PenWindow::CoverMonitorUnderPointer() {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    const std::vector<MonitorInfo> monitors = ui::Monitors();
    const MonitorInfo* monitor = MonitorAt(monitors, pointer);
    if (!monitor || monitor->bounds == covered_) return;
    Cover(monitor->bounds);
    // Placed for the size the window is about to take, before it has taken it.
    const ScreenPoint origin = pen::PaletteOrigin({covered_.Width(), covered_.Height()}, ChildLayoutDpi());
    palette_.SetPosition(origin.x, origin.y);
}

void PenWindow::Cover(const ScreenRect& monitor) {
    KeepClosedDrawing();  // before the surface may take another size
    covered_ = monitor;
    const int width = covered_.Width(), height = covered_.Height();
    if (width == surface_.GetSurface().Width() && height == surface_.GetSurface().Height()) return;
    surface_.Resize(width, height);
    // A new picture of another size: nothing of the old one can be undone or erased back.
    background_ = pen::PixelTiles(width, height);
    history_ = pen::UndoHistory(width, height, HistoryBytes({width, height}));
    // The text box waits just outside the covered monitor until the text tool places it.
    text_.box.SetPosition(width, height);
}

void PenWindow::OnDisplayChange() {
    // The monitors changed size or place: the pen covers the one it stood on most, as it
    // is now, and keeps its palette whole on it.
    const std::vector<MonitorInfo> monitors = ui::Monitors();
    const ScreenPoint centre{Left() + Width() / 2, Top() + Height() / 2};
    const MonitorInfo* monitor = MonitorAt(monitors, centre);
    if (!monitor) return;
    Cover(monitor->bounds);
    SetBounds(covered_.left, covered_.top, covered_.Width(), covered_.Height());
    const ScreenPoint kept = pen::KeptOnMonitor({palette_.Left(), palette_.Top()}, {palette_.Width(), palette_.Height()},
                                                {covered_.Width(), covered_.Height()});
    palette_.SetPosition(kept.x, kept.y);
    // The open pen starts again on the screen as it is now; the drawing is dropped.
    if (Visible()) CaptureScreen();
}

void PenWindow::OnDestroy() { KeepClosedDrawing(); }

void PenWindow::KeepClosedDrawing() {
    if (!keepPending_) return;
    keepPending_ = false;
    files_.Keep(SurfacePlane());
}

void PenWindow::OnClose() {
    StampText();
    text_.Clear();
    // What was drawn is kept, to be brought back after the next opening: copied for the
    // writer once the window is gone, so that neither the copy nor the encoding slows its
    // going. Nothing changes the picture before it is copied (see KeepClosedDrawing).
    if (history_.UndoCount() > 0 && !keepPending_) {
        keepPending_ = true;
        PostMessageW(Handle(), kKeepDrawing, 0, 0);
    }
    // The drawing is gone with the window; so are its history and background. The pool
    // and the heap hand the memory of their tiles back now, and the pages the pen used
    // leave the working set, as a program that waits in the tray should.
    StartAfresh();
    zoomScratch_.Release();
    pen::TilePool::Shared().Trim();
    HeapCompact(GetProcessHeap(), 0);
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
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
                if (!screenCopy_.SteppingAside()) CoverMonitorUnderPointer();
                pos->x = covered_.left;
                pos->y = covered_.top;
                pos->cx = covered_.Width();
                pos->cy = covered_.Height();
                pos->flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
                screenCopy_.Take(Handle(), surface_.GetSurface(), covered_);
            }
            return Form::HandleMessage(msg, wParam, lParam);
        }
        case kScreenCopyHandedOn:
            screenCopy_.HandedOn();
            return 0;
        case kKeepDrawing:
            KeepClosedDrawing();
            return 0;
        case kDrawingWritten:
            files_.TellOutcomes(covered_);
            return 0;
        case WM_MOUSEWHEEL:
            OnWheel(wParam, lParam);
            return 0;
        default:
            return Form::HandleMessage(msg, wParam, lParam);
    }
}

// --- Tools -------------------------------------------------------------------------

void PenWindow::LoadToolCursor(pen::DrawTool tool) {
    // The cursors lie beside the program. A missing or unreadable file leaves no cursor,
    // and the standard arrow shows.
    ui::UniqueCursor fresh(LoadCursorFromFileW(ui::BesideProgram(pen::ToolCursorFile(tool)).c_str()));
    surface_.SetCursor(fresh.get());
    cursor_ = std::move(fresh);  // the old cursor is no longer shown when it is destroyed
}

void PenWindow::SelectTool(pen::DrawTool tool) {
    // What was typed goes onto the picture, one step, before the box moves on or goes.
    StampText();
    tool_ = tool;
    if (tool == pen::DrawTool::Text) {
        text_.Start(palette_.State().penColor, SurfaceCanvas().PenWidth());
        LoadToolCursor(tool);
        return;
    }
    LoadToolCursor(tool);
    text_.box.Hide();
}

void PenWindow::RunCommand(PaletteCommand command) {
    switch (command) {
        case PaletteCommand::Refresh:
            Refresh();
            break;
        case PaletteCommand::NextBoard:
            ShowNextBoard();
            break;
        case PaletteCommand::Help:
            host_.ShowHelp();
            break;
    }
}

// --- Press, drag and release -------------------------------------------------------

void PenWindow::OnPress(int, int x, int y) {
    // The keyboard leaves the palette's controls for the picture.
    if (tool_ != pen::DrawTool::Text) SetFocus(surface_.Handle());
    drawing_ = true;
    SurfaceCanvas().MoveTo(x, y);
    origin_ = current_ = {x, y};
    if (tool_ != pen::DrawTool::Text) return;
    StampText();  // fixes what was typed before the box moves on
    text_.PlaceAt(x, y);
}

void PenWindow::OnDrag(int x, int y) {
    if (!drawing_) return;
    // Drawing the last rubber band again in not-xor mode takes it away.
    DrawShape(origin_, current_, ui::PenMode::NotXor);
    current_ = {x, y};
    DrawShape(origin_, current_, ui::PenMode::NotXor);
}

void PenWindow::OnRelease(int, int x, int y) {
    if (!drawing_) return;
    current_ = {x, y};
    DrawShape(origin_, current_, ui::PenMode::Copy);
    drawing_ = false;
    FinishStep();
}

void PenWindow::FinishStep() {
    const pen::PixelPlane surface = SurfacePlane();
    history_.Finish(surface);
    // Rubber bands that came and went left kept tiles equal to the surface.
    background_.DropUnchanged(surface);
}

void PenWindow::DrawShape(pen::Point origin, pen::Point current, ui::PenMode mode) {
    ui::Canvas& canvas = SurfaceCanvas();
    canvas.SetPenMode(mode);
    const POINT penPos = canvas.PenPos();
    // The freehand pen and the eraser go on from where the last event left them.
    const bool alongPath = tool_ == pen::DrawTool::Pen || tool_ == pen::DrawTool::Eraser;
    const pen::Point from = alongPath ? pen::Point{penPos.x, penPos.y} : origin;
    const pen::Rect touched = pen::FigureBounds(tool_, from, current, canvas.PenWidth(), eraserSize_);
    if (touched.Empty()) return;
    const pen::PixelPlane surface = SurfacePlane();
    history_.Touch(surface, touched);
    if (tool_ == pen::DrawTool::Eraser) {
        for (const pen::Rect& part : pen::EraserSweep(from, current, eraserSize_)) background_.Restore(surface, part);
        canvas.MoveTo(current.x, current.y);
    } else {
        // The background keeps what the figure is about to cover.
        background_.Keep(surface, touched);
        pen::DrawFigure(canvas, tool_, origin, current);
    }
    ShowChange(touched);
}

void PenWindow::ShowChange(const pen::Rect& changed) {
    if (!changed.Empty()) surface_.Invalidate(RECT{changed.left, changed.top, changed.right, changed.bottom});
}

// --- Undo and redo -----------------------------------------------------------------

bool PenWindow::PreviewKey(HWND target, WPARAM key) {
    // The text box keeps its own Ctrl+Z while the presenter types; every other control
    // of the pen, the palette's included, leaves these keys to the drawing.
    if (target == text_.box.Handle()) return false;
    const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    switch (pen::EditCommandFor(static_cast<int>(key), control, shift)) {
        case pen::EditCommand::Undo:
            Undo();
            return true;
        case pen::EditCommand::Redo:
            Redo();
            return true;
        case pen::EditCommand::Save:
            Save();
            return true;
        case pen::EditCommand::SaveAs:
            SaveAs();
            return true;
        case pen::EditCommand::Copy:
            CopyPicture();
            return true;
        case pen::EditCommand::BringBack:
            BringBack();
            return true;
        case pen::EditCommand::None:
            break;
    }
    return false;
}

void PenWindow::Undo() {
    if (!drawing_) ShowChange(history_.Undo(SurfacePlane(), background_));
}

void PenWindow::Redo() {
    if (!drawing_) ShowChange(history_.Redo(SurfacePlane(), background_));
}

// --- Copy operations ---------------------------------------------------------------

pen::PixelPlane PenWindow::SurfacePlane() {
    ui::Surface& surface = surface_.GetSurface();
    return {surface.Bits(), surface.Width(), surface.Height()};
}

COLORREF PenWindow::BackgroundPixel(int x, int y) {
    const std::uint32_t bgra = background_.PixelOver(SurfacePlane(), x, y);
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

void PenWindow::CopyScreenBeneath() {
    screenCopy_.CopyBeneath(Handle(), surface_.GetSurface(), covered_);
    surface_.InvalidateAll();
}

template <typename Copy>
void PenWindow::CopyStep(Copy copy) {
    const pen::PixelPlane surface = SurfacePlane();
    history_.BeginCopy(surface, {0, 0, surface.width, surface.height}, background_);
    // A fresh picture: the canvas starts from its defaults, then takes the palette again
    // (all but the pen style).
    SurfaceCanvas().Reset();
    copy();
    history_.SetZoomLevel(0);  // a whole new picture, not zoomed
    history_.Finish(SurfacePlane());
    ReapplyPalette();
}

void PenWindow::StartAfresh() {
    history_.Clear();
    background_.Clear();
}

void PenWindow::CaptureScreen() {
    // The pen opens on a new picture, with nothing to undo.
    StartAfresh();
    broughtBack_ = 0;
    CopyScreenBeneath();
}

void PenWindow::PaintBoard(ui::Color color) {
    // The board window stands under the top-most pen in the board's colour while the board
    // is made, and goes again: that is what the world outside sees of a board.
    BoardWindow& board = *board_;
    board.SetBounds(covered_.left, covered_.top, covered_.Width(), covered_.Height());
    board.Show();
    board.SetColor(color);
    // The board paints itself into the surface: a copy from its window on the screen
    // could come before the board has painted.
    SendMessageW(board.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface_.GetSurface().Dc()), PRF_CLIENT);
    surface_.InvalidateAll();
    board.Close();
}

void PenWindow::FillBlack() {
    StartAfresh();
    PaintBoard(ui::Black);
}

void PenWindow::FillWhite() {
    StartAfresh();
    PaintBoard(ui::White);
}

void PenWindow::StampText() {
    if (!text_.HoldsText()) return;
    // The text is drawn like any figure: the eraser brings back the picture beneath it.
    const RECT box = text_.Bounds();
    const pen::Rect area{box.left, box.top, box.right, box.bottom};
    const pen::PixelPlane surface = SurfacePlane();
    history_.Touch(surface, area);
    background_.Keep(surface, area);
    text_.StampOnto(surface_);
    FinishStep();
}

// --- Refresh and the text box ------------------------------------------------------

void PenWindow::ReapplyPalette() {
    const PaletteState state = palette_.State();
    ui::Canvas& canvas = SurfaceCanvas();
    canvas.SetPenColor(state.penColor);
    canvas.SetPenWidth(state.penWidth);
    canvas.SetBrushColor(state.brushColor);
    if (state.brushStyle) canvas.SetBrushStyle(*state.brushStyle);
}

void PenWindow::ApplyPalette(PaletteChange change, const PaletteState& state) {
    ui::Canvas& canvas = SurfaceCanvas();
    switch (change) {
        case PaletteChange::PenColor:
            canvas.SetPenColor(state.penColor);
            text_.SetColor(state.penColor);
            break;
        case PaletteChange::BrushColor:
            // A hollow brush turns solid; the style list keeps showing what it showed.
            canvas.SetBrushColor(state.brushColor);
            break;
        case PaletteChange::PenWidth:
            canvas.SetPenWidth(state.penWidth);
            eraserSize_ = state.penWidth;
            text_.SetPenWidth(state.penWidth);
            break;
        case PaletteChange::PenStyle:
            if (state.penStyle) canvas.SetPenStyle(*state.penStyle);
            break;
        case PaletteChange::BrushStyle:
            canvas.SetBrushColor(state.brushColor);
            if (state.brushStyle) canvas.SetBrushStyle(*state.brushStyle);
            break;
    }
}

void PenWindow::Refresh() {
    CopyStep([this] { CopyScreenBeneath(); });
}

void PenWindow::ShowNextBoard() {
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

// --- Saving, copying, bringing back and zooming -----------------------------------

void PenWindow::Save() {
    StampText();
    files_.Save(SurfacePlane());
}

void PenWindow::SaveAs() {
    StampText();
    files_.SaveAs(SurfacePlane());
}

void PenWindow::CopyPicture() {
    StampText();
    files_.Copy(SurfacePlane());
}

void PenWindow::BringBack() {
    if (drawing_) return;
    StampText();
    const std::optional<ui::DecodedPicture> picture = files_.Kept(broughtBack_);
    // A damaged file is passed over: the next press goes on to the one before it.
    ++broughtBack_;
    if (picture) CopyStep([&] { ShowPicture(*picture); });
}

void PenWindow::ShowPicture(const ui::DecodedPicture& picture) {
    const pen::PixelPlane surface = SurfacePlane();
    const pen::Rect target = pen::FitCentred({picture.width, picture.height}, {surface.width, surface.height});
    if (target != pen::Rect{0, 0, surface.width, surface.height})
        std::fill(surface.bits, surface.bits + static_cast<std::size_t>(surface.width) * surface.height, 0u);
    // The decoder holds its pixels for reading only; the stretch only reads them.
    const pen::PixelPlane from{const_cast<std::uint32_t*>(picture.pixels.data()), picture.width, picture.height};
    pen::Stretch(from, {0, 0, picture.width, picture.height}, surface, target);
    surface_.InvalidateAll();
}

void PenWindow::OnWheel(WPARAM wParam, LPARAM lParam) {
    // Only over the picture itself: the palette's lists take the wheel their own way.
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (WindowFromPoint(at) != surface_.Handle()) return;
    POINT inSurface = at;
    ScreenToClient(surface_.Handle(), &inSurface);
    wheel_ += GET_WHEEL_DELTA_WPARAM(wParam);
    for (; wheel_ >= WHEEL_DELTA; wheel_ -= WHEEL_DELTA) ZoomIn({inSurface.x, inSurface.y});
    for (; wheel_ <= -WHEEL_DELTA; wheel_ += WHEEL_DELTA) ZoomOut();
}

void PenWindow::ZoomIn(pen::Point pointer) {
    if (drawing_) return;
    StampText();
    if (pen::ZoomIn(SurfacePlane(), background_, history_, pointer, zoomScratch_)) surface_.InvalidateAll();
}

void PenWindow::ZoomOut() {
    if (drawing_) return;
    StampText();
    ShowChange(history_.UndoZoom(SurfacePlane(), background_));
}
