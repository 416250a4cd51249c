#include "pen/InkPaletteWindow.h"

#include "base/Text.h"
#include "pen/PenTexts.h"
#include "ui/Composition.h"

namespace {

ui::FormParams PaletteWindowParams(HWND inkWindow) {
    ui::FormParams p = ui::OwnedPopupParams(pen::kInkPaletteClass, Text(IDS_PALETTE_TITLE), inkWindow);
    p.width = PenPalette::kWidth;
    p.height = PenPalette::kHeight;
    p.scaled = true;
    p.activateOnShow = false;  // the ink keeps the keyboard
    return p;
}

}  // namespace

InkPaletteWindow::InkPaletteWindow(HWND inkWindow) : ui::Form(PaletteWindowParams(inkWindow)), palette(Handle(), 0, 0) {
    palette.MoveWithWindow();
    palette.closeGlyph.SetText(Text(IDS_NAME_CLOSE_LIVE_INK));
    // A saved picture shows the screen and the ink without the palette.
    ui::LeaveOutOfScreenCopies(Handle());
}
