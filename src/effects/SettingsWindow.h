// The settings window: halo colour, size and transparency, the follower picture and its
// offset, the other effects' settings and the language; saves them to the settings
// database and starts or stops either effect with what is stored.
#pragma once
#include <string>

#include "effects/EffectHost.h"
#include "base/Text.h"
#include "effects/EffectSettingsGroup.h"
#include "ui/CheckBox.h"
#include "ui/ColorBox.h"
#include "ui/ComboBox.h"
#include "ui/ColorDialog.h"
#include "ui/Edit.h"
#include "ui/Font.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/OpenDialog.h"
#include "ui/Panel.h"

class FollowerWindow;
class HaloWindow;
struct StartSettings;

class SettingsWindow : public ui::Form {
public:
    SettingsWindow(EffectHost& host, FollowerWindow& follower, HaloWindow& halo);

    // The boxes show what start-up read, a fallback included: they agree with the effects
    // on screen, and a save writes values the next start accepts. A group start-up could
    // not read (or whose picture it could not load) keeps the boxes as they were made.
    void ShowStart(const StartSettings& start);

    ui::Color HaloColor() const { return haloColorBox.GetColor(); }
    // The picture path a save stores: the one read at start-up or browsed since.
    const std::wstring& PicturePath() const { return picturePath_; }
    bool HaloOn() const { return haloOn_; }
    bool PictureOn() const { return pictureOn_; }

private:
    void SaveHalo();
    void StartOrStopHalo();
    void BrowsePicture();
    void SavePicture();
    void StartOrStopPicture();
    // Each start/stop button tells what its effect is doing on screen.
    void ShowStartCaptions();

    // Whatever a start/stop click did, or failed to do, the captions then tell the screen.
    struct CaptionsAfterClick {
        SettingsWindow& window;
        ~CaptionsAfterClick() { window.ShowStartCaptions(); }
    };
    void ChangeStartWithWindows();
    void ChangeLanguage();
    // The buttons' grey, or in high contrast the system's button face.
    void ColorButtons();

    EffectHost& host_;
    FollowerWindow& follower_;
    HaloWindow& halo_;
    std::wstring picturePath_;
    // The picture browsed since the last save, which the next save copies to picturePath_.
    std::wstring pickedPicture_;
    // Whether each start/stop button's effect was on screen when its caption was last set;
    // the caption says what a press does next.
    bool haloOn_ = false;
    bool pictureOn_ = false;
    // The language choice as stored, which the list shows.
    LanguageChoice language_ = LanguageChoice::Automatic;
    // The labels' fonts (the texts' face), created before the labels that use them.
    ui::ScaledFont headingFont_;
    ui::ScaledFont textFont_;
    ui::ScaledFont noteFont_;

public:
    // Halo settings.
    ui::Panel haloGroup;
    ui::Label haloTitle;
    ui::ColorBox haloColorBox;
    ui::Label haloColorHint;
    ui::Label haloDiameterLabel;
    ui::Edit haloDiameterBox;
    ui::Label haloDiameterRange;
    ui::Label haloAlphaLabel;
    ui::Edit haloAlphaBox;
    ui::Label haloAlphaRange;
    ui::Panel haloSaveButton;
    ui::Panel haloStartButton;

    // Picture settings.
    ui::Panel pictureGroup;
    ui::Label pictureTitle;
    ui::Image picturePreview;
    ui::Label pictureHint;
    ui::Panel browseButton;
    ui::Label pictureOffsetLabel;
    ui::Edit pictureOffsetBox;
    ui::Label pictureOffsetRange;
    ui::Panel pictureSaveButton;
    ui::Panel pictureStartButton;
    // Whether the program starts when the user logs in to Windows.
    ui::CheckBox startWithWindowsBox;

    // Spotlight, laser pointer and click-ring settings.
    EffectSettingsGroup effectSettings;

    // The language of the program's texts, from its next start.
    ui::Label languageLabel;
    ui::ComboBox languageList;
    ui::Label languageNote;
    // Opens the keys window.
    ui::Panel keysButton;

    ui::ColorDialog colorDialog;
    ui::OpenDialog openDialog;

protected:
    void OnCreate() override;
    void OnShow() override;
    void ColorsChanged() override { ColorButtons(); }
};
