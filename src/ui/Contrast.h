// Windows' high-contrast mode. While it is on, the program's own chrome (the control bar,
// the settings window, the palette) paints with the system's colours instead of its own
// greys and purple; colours the presenter chose (the pen's, the halo's) stay as chosen.
#pragma once
#include "ui/Colors.h"

namespace ui {

// What the system says, through the application's seam (see Seams::highContrast).
bool HighContrastOn();
// The system's own answer (SPI_GETHIGHCONTRAST).
bool SystemHighContrastOn();

// The colour the chrome paints where its design has `designed`: in high contrast, the
// button face the scheme gives.
inline Color ChromeColor(Color designed) { return HighContrastOn() ? BtnFace : designed; }

}  // namespace ui
