#include "ui/Motion.h"

#include <windows.h>

namespace ui {

bool AnimationsOn() {
    BOOL on = TRUE;
    // A system that does not know the setting animates, as Windows did before it had one.
    if (!SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &on, 0)) return true;
    return on != FALSE;
}

}  // namespace ui
