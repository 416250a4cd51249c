#include "pen/BoardWindow.h"

#include "pen/PenTexts.h"
#include "ui/Screen.h"

namespace {
ui::FormParams BoardParams() {
    ui::FormParams p;
    p.className = pen::kBoardClass;
    p.caption = pen::kBoardCaption;
    p.border = ui::BorderStyle::None;
    p.color = ui::Black;
    // Maximized: the whole screen.
    const ScreenSize screen = ui::PrimaryScreenSize();
    p.width = screen.width;
    p.height = screen.height;
    // It only lies under the top-most pen for a moment; the pen keeps the focus.
    p.activateOnShow = false;
    return p;
}
}  // namespace

BoardWindow::BoardWindow() : ui::Form(BoardParams()) {}

void BoardWindow::PaintOnto(ui::Surface& surface, const ScreenRect& covered, ui::Color color) {
    SetBounds(covered.left, covered.top, covered.Width(), covered.Height());
    Show();
    SetColor(color);
    // The board paints itself into the surface: a copy from its window on the screen
    // could come before it has painted.
    SendMessageW(Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT);
    Close();
}
