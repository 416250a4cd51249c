// The pen's palette in a window of its own, for live ink: a layered window shows no
// child windows, so the palette cannot stand on the ink. It stays above the ink window,
// which owns it, and hands the pen's keys pressed in it to that window.
#pragma once
#include <windows.h>

#include <functional>

#include "pen/PenPalette.h"
#include "ui/Form.h"

class InkPaletteWindow : public ui::Form {
public:
    explicit InkPaletteWindow(HWND inkWindow);

    PenPalette palette;
    // The pen's keys, whichever of the palette's controls has the keyboard.
    std::function<bool(WPARAM key)> OnKey;

    bool PreviewKey(HWND /*target*/, WPARAM key) override { return OnKey && OnKey(key); }
};
