#include "app/ControlBar.h"

#include "app/Inventory.h"
#include "effects/FollowerWindow.h"

namespace {
ui::FormParams ControlBarParams() {
    ui::FormParams p;
    p.className = L"TForm1";
    p.caption = L"Vellora";
    p.border = ui::BorderStyle::None;
    p.width = 65;
    p.height = 198;
    p.toolWindow = true;
    p.activateOnShow = false;
    return p;
}
}  // namespace

TForm1::TForm1(Inventory& inventory) : ui::Form(ControlBarParams()), inventory_(inventory) {}

void TForm1::FormShow() { inventory_.follower().Show(); }
