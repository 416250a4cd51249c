#include "pen/PenWindow.h"

namespace {
ui::FormParams PenParams() {
    ui::FormParams p;
    p.className = L"TForm8";
    p.caption = L"Form8";
    p.border = ui::BorderStyle::None;
    p.color = ui::clGray;
    p.topMost = true;
    return p;
}
}  // namespace

TForm8::TForm8(Inventory&) : ui::Form(PenParams()) {}
