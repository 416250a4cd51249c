// The halo overlay: a coloured, translucent, click-through disc centred on the
// pointer, shown as an alternative to the follower.
#pragma once
#include "app/Presenter.h"
#include "effects/PointerOverlay.h"
#include "ui/Form.h"
#include "ui/Timer.h"


class HaloWindow : public ui::Form {
public:
    explicit HaloWindow(Presenter& presenter);

    // Size, colour, alpha (low 8 bits) and circular region from three stored integers.
    void ApplySettings(int color, int alpha, int diameter);
    int HaloDiameter() const { return diameter_; }
    BYTE Alpha() const { return alpha_; }
    int HotKeyId() const { return hotKeyId_; }

    ui::Timer followTimer;  // ticks only while shown

    void FollowPointer();
    void OnHotKey(WPARAM wParam, LPARAM lParam);

protected:
    void OnCreate() override;
    void OnShow() override;
    void OnHide() override;
    void OnClose() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    Presenter& presenter_;
    int diameter_ = 0;
    BYTE alpha_ = 100;
    int hotKeyId_ = 0;
    OverlayPlacement placement_;
};
