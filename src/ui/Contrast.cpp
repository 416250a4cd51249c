#include "ui/Contrast.h"

#include <windows.h>

#include "ui/Application.h"

namespace ui {

bool HighContrastOn() { return Application::Current().Dialogs().highContrast(); }

bool SystemHighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)) return false;
    return (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace ui
