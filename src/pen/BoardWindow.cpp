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
