// The halo overlay: a coloured, translucent, click-through disc centred on the
// pointer, shown as an alternative to the follower.
#pragma once
#include "effects/EffectHost.h"
#include "effects/PointerOverlay.h"
#include "ui/Form.h"
#include "ui/Timer.h"


class HaloWindow : public ui::Form {
public:
    explicit HaloWindow(EffectHost& host);

    // Size, colour, alpha (low 8 bits) and circular region from three stored integers.
    void ApplySettings(int color, int alpha, int diameter);
    int HaloDiameter() const { return diameter_; }
    BYTE Alpha() const { return alpha_; }

    ui::Timer followTimer;  // ticks only while shown

    void FollowPointer();

protected:
    void OnCreate() override;
    void OnShow() override;
    void OnHide() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    EffectHost& host_;
    int diameter_ = 0;
    BYTE alpha_ = 100;
    OverlayPlacement placement_;
};
