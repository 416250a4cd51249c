// The settings window's group for the spotlight, the laser pointer and the click rings:
// the dimming, the circle's radius, the laser's colour and size, and the two ring colours.
// It shows the values start-up read, saves what passes its checks, and hands what it
// saved to the effects through the host.
#pragma once
#include "effects/EffectHost.h"
#include "effects/StoredSettings.h"
#include "ui/ColorBox.h"
#include "ui/ColorDialog.h"
#include "ui/Edit.h"
#include "ui/Font.h"
#include "ui/Label.h"
#include "ui/Panel.h"

class EffectSettingsGroup {
public:
    // The group's panel at `top` (design units) in the form of `form`.
    EffectSettingsGroup(HWND form, int top, EffectHost& host);

    // Fills the boxes with the values in use (start-up's, a fallback included: the stored
    // texts stay until the next save).
    void ShowValues(const EffectValues& values);
    void Save();

    const EffectValues& Values() const { return values_; }

private:
    void ShowColors();

    EffectHost& host_;
    EffectValues values_;
    ui::ScaledFont headingFont_;
    ui::ScaledFont textFont_;
    ui::ScaledFont noteFont_;

public:
    ui::Panel group;
    ui::Label title;
    ui::Label dimLabel;
    ui::Edit dimBox;
    ui::Label dimRange;
    ui::Label radiusLabel;
    ui::Edit radiusBox;
    ui::Label radiusRange;
    ui::Label laserSizeLabel;
    ui::Edit laserSizeBox;
    ui::Label laserSizeRange;
    ui::Label laserColorLabel;
    ui::ColorBox laserColorBox;
    ui::Label leftRingLabel;
    ui::ColorBox leftRingBox;
    ui::Label rightRingLabel;
    ui::ColorBox rightRingBox;
    ui::Label colorHint;
    ui::Panel saveButton;
    ui::ColorDialog colorDialog;
};
