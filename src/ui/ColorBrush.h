// A colour value together with the brush that paints it, so the two never disagree.
// Forms and controls that paint their own background hold one. A system colour paints
// with the system's own brush, which follows the colour scheme (high contrast too) without
// being made again.
#pragma once
#include <windows.h>

#include "ui/ColorRef.h"
#include "ui/Handles.h"

namespace ui {

class ColorBrush {
public:
    explicit ColorBrush(Color color) : color_(color), own_(OwnBrush(color)) {}

    Color Get() const { return color_; }
    HBRUSH Brush() const { return own_ ? own_.get() : GetSysColorBrush(SystemColorIndex(color_)); }

    // Takes the new colour and makes its brush; false, and nothing made, when the colour
    // is the one already held.
    bool Set(Color color) {
        if (color == color_) return false;
        color_ = color;
        own_.reset(OwnBrush(color));
        return true;
    }

private:
    static HBRUSH OwnBrush(Color color) { return IsSystemColor(color) ? nullptr : CreateSolidBrush(ColorToRGB(color)); }

    Color color_;
    UniqueBrush own_;  // null for a system colour
};

}  // namespace ui
