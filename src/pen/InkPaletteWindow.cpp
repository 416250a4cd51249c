#include "pen/InkPaletteWindow.h"

#include "base/Text.h"
#include "pen/PenTexts.h"

namespace {

ui::FormParams PaletteWindowParams(HWND inkWindow) {
    ui::FormParams p;
    p.className = pen::kInkPaletteClass;
    p.caption = Text(IDS_PALETTE_TITLE);
    p.border = ui::BorderStyle::None;
    p.width = PenPalette::kWidth;
    p.height = PenPalette::kHeight;
    p.topMost = true;
    p.toolWindow = true;
    p.scaled = true;
    p.activateOnShow = false;  // the ink keeps the keyboard
    p.owner = inkWindow;
    return p;
}

}  // namespace

InkPaletteWindow::InkPaletteWindow(HWND inkWindow) : ui::Form(PaletteWindowParams(inkWindow)), palette(Handle(), 0, 0) {
    palette.MoveWithWindow();
    palette.closeGlyph.SetText(Text(IDS_NAME_CLOSE_LIVE_INK));
    // Layered, as the pen is: Windows leaves it out of a copy of the screen, so a saved
    // picture shows the screen and the ink without the palette.
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
}
