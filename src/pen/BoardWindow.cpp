#include "pen/BoardWindow.h"

namespace {
ui::FormParams BoardParams() {
    ui::FormParams p;
    p.className = L"TForm9";
    p.caption = L"Form9";
    p.border = ui::BorderStyle::None;
    p.color = ui::clBlack;
    p.width = GetSystemMetrics(SM_CXSCREEN);
    p.height = GetSystemMetrics(SM_CYSCREEN);
    return p;
}
}  // namespace

TForm9::TForm9(Inventory&) : ui::Form(BoardParams()) {}
