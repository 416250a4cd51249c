// A colour value together with the solid brush that paints it, so the two never
// disagree. Forms and controls that paint their own background hold one.
#pragma once
#include <windows.h>

#include "ui/ColorRef.h"
#include "ui/Handles.h"

namespace ui {

class ColorBrush {
public:
    explicit ColorBrush(Color color) : color_(color), brush_(CreateSolidBrush(ColorToRGB(color))) {}

    Color Get() const { return color_; }
    HBRUSH Brush() const { return brush_.get(); }

    // Takes the new colour and makes its brush; false, and nothing made, when the colour
    // is the one already held.
    bool Set(Color color) {
        if (color == color_) return false;
        color_ = color;
        brush_.reset(CreateSolidBrush(ColorToRGB(color)));
        return true;
    }

private:
    Color color_;
    UniqueBrush brush_;
};

}  // namespace ui
