// The pen's commands: the palette's buttons that make a new picture, the keys (the edit
// keys and the one-letter tool keys) and the wheel.
#include <windowsx.h>

#include <iterator>

#include "pen/EditKeys.h"
#include "pen/PenWindow.h"
#include "pen/ToolKeys.h"

template <typename Put>
void PenWindow::NewPicture(Put put) {
    SurfaceCanvas().Reset();
    put();
    palette_.ApplyTo(SurfaceCanvas());
    surface_.InvalidateAll();
}

void PenWindow::RunCommand(PaletteCommand command) {
    switch (command) {
        case PaletteCommand::Refresh:
            NewPicture([this] { drawing_.CopyStep([this] { sources_.CopyScreen(cover_.Covered()); }); });
            break;
        case PaletteCommand::NextBoard:
            // Each press covers the drawing with the next board on a fresh canvas.
            NewPicture([this] { drawing_.CopyStep([this] { sources_.ShowNextBoard(cover_.Covered()); }); });
            break;
        case PaletteCommand::Help:
            host_.ShowHelp();  // the host closes the pen first
            break;
        case PaletteCommand::EraseAll:
            // The picture beneath comes back everywhere, as under the eraser.
            StampText();
            ShowChange(drawing_.EraseAll());
            break;
        case PaletteCommand::WhiteBoard:
        case PaletteCommand::BlackBoard: {
            const auto board = command == PaletteCommand::WhiteBoard ? pen::NextBoard::White : pen::NextBoard::Black;
            NewPicture([&] { drawing_.CopyStep([&] { sources_.ShowBoard(board, cover_.Covered()); }); });
            break;
        }
    }
}

bool PenWindow::PreviewKey(HWND target, WPARAM key) {
    // The text box keeps its own Ctrl+Z while the presenter types; every other control
    // of the pen, the palette's included, leaves these keys to the drawing.
    if (target == text_.box.Handle()) return false;
    const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    // By pen::EditCommand, None first.
    using Command = void (PenWindow::*)();
    static constexpr Command kCommands[] = {nullptr,
                                            &PenWindow::Undo,
                                            &PenWindow::Redo,
                                            &PenWindow::Save,
                                            &PenWindow::SaveAs,
                                            &PenWindow::CopyPicture,
                                            &PenWindow::BringBack};
    static_assert(std::size(kCommands) == static_cast<std::size_t>(pen::EditCommand::BringBack) + 1);
    const Command command =
        kCommands[static_cast<std::size_t>(pen::EditCommandFor(static_cast<int>(key), control, shift))];
    if (!command) {
        if (strokes_.Active()) return false;
        return palette_.TakeToolKey(pen::ToolKeyFor(static_cast<int>(key), control, shift, GetKeyState(VK_MENU) < 0));
    }
    (this->*command)();
    return true;
}

void PenWindow::Undo() { ShowChange(strokes_.Active() ? pen::Rect{} : drawing_.Undo()); }
void PenWindow::Redo() { ShowChange(strokes_.Active() ? pen::Rect{} : drawing_.Redo()); }
void PenWindow::Save() { HandPicture(&DrawingFiles::Save); }
void PenWindow::SaveAs() { HandPicture(&DrawingFiles::SaveAs); }
void PenWindow::CopyPicture() { HandPicture(&DrawingFiles::Copy); }

void PenWindow::HandPicture(void (DrawingFiles::*hand)(const pen::PixelPlane&)) {
    StampText();  // the picture as it shows, the text typed included
    (files_.*hand)(SurfacePlane());
}

void PenWindow::BringBack() {
    if (strokes_.Active()) return;
    StampText();
    files_.ShowNextKept([this](const pen::PixelPlane& kept) { NewPicture([&] { drawing_.ShowKept(kept); }); });
}

void PenWindow::OnWheel(WPARAM wParam, LPARAM lParam) {
    // Only over the picture itself: the palette's lists take the wheel their own way.
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (WindowFromPoint(at) != surface_.Handle() || strokes_.Active()) return;
    if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) {
        // Ctrl and the wheel: the pen width, a step a notch.
        palette_.StepPenWidth(wheel_.Take(GET_WHEEL_DELTA_WPARAM(wParam)));
        return;
    }
    POINT inSurface = at;
    ScreenToClient(surface_.Handle(), &inSurface);
    int notches = wheel_.Take(GET_WHEEL_DELTA_WPARAM(wParam));
    if (notches != 0) StampText();
    for (; notches > 0; --notches)
        if (drawing_.ZoomIn({inSurface.x, inSurface.y})) surface_.InvalidateAll();
    for (; notches < 0; ++notches) ShowChange(drawing_.ZoomOut());
}
