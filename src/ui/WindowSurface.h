// A hidden window's pixels should leave with it. Wine's cached DCs each keep the window
// surface they last drew on until they are taken again, so the surface of a window that
// covered the screen stays, a screen bitmap's worth, while any DC that drew on it waits
// unused in the cache.
#pragma once
#include <windows.h>

namespace ui {

// Takes as many cached DCs as `hidden` and its children can have drawn with, for `hidden`
// as it is now (without a surface), and gives them back: none of them keeps the old one.
void LetGoOfSurface(HWND hidden);

}  // namespace ui
