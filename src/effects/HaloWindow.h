// The halo overlay: a coloured, translucent, click-through disc centred on the
// pointer, shown as an alternative to the follower.
#pragma once
#include "effects/PointerOverlay.h"

class HaloWindow : public PointerOverlay {
public:
    HaloWindow();

    // Size, colour, alpha (low 8 bits) and circular region from three stored integers.
    void ApplySettings(int color, int alpha, int diameter);
    int HaloDiameter() const { return diameter_; }
    BYTE Alpha() const { return alpha_; }

protected:
    void Follow(ScreenPoint pointer, std::int64_t nowMs) override;

private:
    int diameter_ = 0;
    BYTE alpha_ = 100;
};
