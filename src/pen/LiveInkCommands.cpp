// Live ink's commands: the keys (the edit keys and the one-letter tool keys), Ctrl and the
// wheel, the clear-all, and the copies of the screen with the ink on it.
#include "pen/EditKeys.h"
#include "pen/InkPixels.h"
#include "pen/LiveInkWindow.h"
#include "pen/ScreenCopy.h"
#include "pen/ToolKeys.h"
#include "ui/Composition.h"
#include "ui/Repaint.h"

void LiveInkWindow::OnWheel(int turn, bool control) {
    // Ctrl and the wheel: the pen width, a step a notch, as in the pen; nothing zooms here.
    if (control && !strokes_.Active()) paletteWindow_.palette.StepPenWidth(wheel_.Take(turn));
}

void LiveInkWindow::ClearAll() {
    if (strokes_.Active()) return;
    StampText();
    const pen::PixelPlane ink = layer_.Plane();
    steps_.CopyStep([&] { pen::ClearInk(ink); });
    ShowChange({0, 0, ink.width, ink.height});
}

bool LiveInkWindow::PreviewKey(HWND, WPARAM key) {
    const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    switch (pen::EditCommandFor(static_cast<int>(key), control, shift)) {
        case pen::EditCommand::None:
            // No board stands over the running screen: W and K do nothing here.
            return !strokes_.Active() && paletteWindow_.palette.TakeToolKey(pen::ToolKeyFor(
                                             static_cast<int>(key), control, shift, GetKeyState(VK_MENU) < 0));
        case pen::EditCommand::Undo:
            Undo();
            break;
        case pen::EditCommand::Redo:
            Redo();
            break;
        case pen::EditCommand::Save:
            HandScreen(&DrawingFiles::Save);
            break;
        case pen::EditCommand::SaveAs:
            HandScreen(&DrawingFiles::SaveAs);
            break;
        case pen::EditCommand::Copy:
            HandScreen(&DrawingFiles::Copy);
            break;
        case pen::EditCommand::BringBack:
            BringBack();
            break;
    }
    return true;
}

void LiveInkWindow::HandScreen(void (DrawingFiles::*hand)(const pen::PixelPlane&)) {
    if (strokes_.Active()) return;
    StampText();  // the picture as it shows, the text typed included
    const ScreenRect& covered = cover_.Covered();
    ui::Surface screen(covered.Width(), covered.Height());
    CopyShowing(screen, true);
    (files_.*hand)({screen.Bits(), screen.Width(), screen.Height()});
}

void LiveInkWindow::CopyShowing(ui::Surface& screen, bool stepAside) {
    ShowNow();
    // The palette is no part of the picture. Where the copy would hold it, it steps aside
    // while the windows beneath repaint, or, where nothing may wait, what it covers is white.
    const bool held = ui::ScreenCopiesShowLayeredWindows() && paletteWindow_.Visible();
    if (held && stepAside) {
        ShowWindow(paletteWindow_.Handle(), SW_HIDE);
        ui::LetUncoveredWindowsRepaint();
    }
    const ScreenRect& covered = cover_.Covered();
    CopyScreenInto(screen, covered);
    if (held && stepAside) {
        ShowWindow(paletteWindow_.Handle(), SW_SHOWNOACTIVATE);
    } else if (held) {
        const RECT palette{paletteWindow_.Left() - covered.left, paletteWindow_.Top() - covered.top,
                           paletteWindow_.Left() - covered.left + paletteWindow_.Width(),
                           paletteWindow_.Top() - covered.top + paletteWindow_.Height()};
        FillRect(screen.GetCanvas().Handle(), &palette, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        GdiFlush();
    }
    pen::LayInk({screen.Bits(), screen.Width(), screen.Height()}, layer_.Plane());
}

void LiveInkWindow::BringBack() {
    if (strokes_.Active()) return;
    StampText();
    files_.ShowNextKept([this](const pen::PixelPlane& kept) {
        steps_.ShowKept(kept, pen::kNoInk);
        ShowChange({0, 0, layer_.Surface().Width(), layer_.Surface().Height()});
    });
}
