#include "app/AutoHide.h"

BarSize ControlBarSize(int dpi) {
    return {ScaleForDpi(kBarWidth, dpi), ScaleForDpi(kBarHeight, dpi), ScaleForDpi(kBarStrip, dpi)};
}

int ControlBarTop(int screenHeight) { return screenHeight / 2; }

int ControlBarLeft(ScreenSize screen, ScreenPoint pointer, int currentLeft, BarSize bar) {
    const int top = ControlBarTop(screen.height);
    const int bottom = top + bar.height;
    // The extended bar's left edge is also the inner edge of the band that extends it.
    const int extended = screen.width - bar.width;
    const int retracted = screen.width - bar.strip;

    if (pointer.y < top || pointer.y > bottom || pointer.x < extended) return retracted;
    if (pointer.y > top && pointer.y < bottom && pointer.x > extended) return extended;
    return currentLeft;
}
