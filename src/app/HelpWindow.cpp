#include "app/HelpWindow.h"

namespace {
ui::FormParams HelpParams() {
    ui::FormParams p;
    p.className = L"TForm5";
    p.caption = L"Vellora";
    p.left = 230;
    p.top = 189;
    p.width = 624;
    p.height = 480;
    return p;
}
}  // namespace

TForm5::TForm5(Inventory&) : ui::Form(HelpParams()) {}
