#include "effects/HaloWindow.h"

#include "effects/EffectsTexts.h"
#include "ui/Handles.h"
#include "ui/Screen.h"

namespace {

ui::FormParams HaloParams() {
    ui::FormParams p = ui::OverlayParams(effects::kHaloClass, effects::kHaloCaption);
    p.width = 585;  // the design size, kept when the settings cannot be read at start
    p.height = 501;
    p.color = ui::Magenta;
    return p;
}

}  // namespace

HaloWindow::HaloWindow() : PointerOverlay(HaloParams()) {
    SetLayeredWindowAttributes(Handle(), 0, alpha_, LWA_ALPHA);
}

void HaloWindow::ApplySettings(int color, int alpha, int diameter) {
    SetSize(diameter, diameter);
    SetColor(color);
    alpha_ = static_cast<BYTE>(alpha & 0xFF);
    SetLayeredWindowAttributes(Handle(), 0, alpha_, LWA_ALPHA);
    // The system owns the region once it is set; a later call replaces it.
    ui::UniqueRegion region(CreateRoundRectRgn(0, 0, Width(), Height(), diameter, diameter));
    if (SetWindowRgn(Handle(), region.get(), TRUE)) region.release();
    diameter_ = diameter;
}

void HaloWindow::Follow(ScreenPoint pointer, std::int64_t) { PlaceAt(HaloOrigin(pointer, diameter_)); }
