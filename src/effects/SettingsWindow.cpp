#include "effects/SettingsWindow.h"

namespace {
ui::FormParams SettingsParams() {
    ui::FormParams p;
    p.className = L"TForm4";
    p.caption = L"Vellora设置";
    p.left = 325;
    p.top = 197;
    p.width = 383;
    p.height = 413;
    return p;
}
}  // namespace

// The form is designed visible; the follower's show steps hide it at start-up.
TForm4::TForm4(Inventory&) : ui::Form(SettingsParams()) { Show(); }
