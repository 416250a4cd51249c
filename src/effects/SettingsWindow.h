// The settings window (TForm4): halo colour, size and transparency, the follower picture
// and its offset; saves them to the settings database and starts or stops either effect
// with what is stored.
#pragma once
#include "ui/ColorDialog.h"
#include "ui/Edit.h"
#include "ui/Font.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/OpenDialog.h"
#include "ui/Panel.h"

class Inventory;

class TForm4 : public ui::Form {
public:
    explicit TForm4(Inventory& inventory);

    void Edit1DblClick();
    void Ppa1Click();
    void Ppa2Click();
    void Papic3Click();
    void Papic1Click();
    void Papic2Click();

private:
    Inventory& inventory_;
    // The labels' fonts (宋体), created before the labels that use them.
    ui::ScaledFont headingFont_;
    ui::ScaledFont textFont_;
    ui::ScaledFont noteFont_;

public:
    // Halo settings.
    ui::Panel PP1;
    ui::Label PPLabel1;
    ui::Edit Edit1;  // the colour box: its background is the halo colour
    ui::Label Label5;
    ui::Label Label1;
    ui::Edit Edit2;  // diameter
    ui::Label Label2;
    ui::Label Label3;
    ui::Edit Edit3;  // alpha
    ui::Label Label4;
    ui::Panel Ppa1;  // save
    ui::Panel Ppa2;  // start / stop: the caption is the state

    // Picture settings.
    ui::Panel PP2;
    ui::Label Label6;
    ui::Image Image1;  // preview
    ui::Label Label9;
    ui::Panel Papic3;  // browse
    ui::Edit Edit5;    // hidden: the picture path to store
    ui::Label Label7;
    ui::Edit Edit4;  // offset
    ui::Label Label8;
    ui::Panel Papic1;  // save
    ui::Panel Papic2;  // start / stop: the caption is the state

    ui::ColorDialog ColorDialog1;
    ui::OpenDialog OpenDg;

protected:
    void OnCreate() override;
};
