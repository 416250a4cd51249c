#include "app/AutoHide.h"

int ControlBarTop(int screenHeight) { return screenHeight / 2; }

int ControlBarLeft(ScreenSize screen, ScreenPoint pointer, int currentLeft) {
    const int top = ControlBarTop(screen.height);
    const int bottom = top + kBarHeight;
    // The extended bar's left edge is also the inner edge of the band that extends it.
    const int extended = screen.width - kBarWidth;
    const int retracted = screen.width - kBarStrip;

    if (pointer.y < top || pointer.y > bottom || pointer.x < extended) return retracted;
    if (pointer.y > top && pointer.y < bottom && pointer.x > extended) return extended;
    return currentLeft;
}
