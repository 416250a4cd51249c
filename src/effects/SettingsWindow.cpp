#include "effects/SettingsWindow.h"

#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Text.h"
#include "effects/EffectsTexts.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/PictureCopy.h"
#include "ui/SettingsFile.h"
#include "effects/StartSettings.h"
#include "effects/SettingsValidation.h"
#include "effects/StoredSettings.h"
#include "store/Settings.h"
#include "store/StoredLanguage.h"
#include "ui/Application.h"
#include "ui/Contrast.h"
#include "ui/Font.h"
#include "ui/InOutError.h"
#include "ui/ProgramFiles.h"
#include "ui/StartWithWindows.h"

namespace fs = std::filesystem;

namespace {

ui::FormParams SettingsParams() {
    ui::FormParams p;
    p.className = effects::kSettingsClass;
    p.caption = Text(IDS_SETTINGS_TITLE);
    p.left = 325;
    p.top = 197;
    p.width = 383;
    p.height =
        633;  // with the group of the spotlight, laser and click rings below the other two, the language and the keys
    p.scaled = true;
    p.visible = true;  // the follower's show steps hide it at start-up
    p.dialogKeys = true;
    return p;
}

ui::PanelParams GroupPanel(int left, int top, int width, int height) {
    return {left, top, width, height, L"", ui::BtnFace, ui::Bevel::Raised};
}

ui::PanelParams ButtonPanel(int left, int top, unsigned caption) {
    return {left, top, 50, 25, Text(caption), ui::ChromeColor(ui::Gray), ui::Bevel::Raised, true};
}

// The caption of a start/stop button: what its next press does.
std::wstring StartStopCaption(bool on) { return Text(on ? IDS_STOP : IDS_START); }

void SetWorkingDirectory(const fs::path& folder) {
    if (!SetCurrentDirectoryW(folder.c_str())) throw ui::EInOutError(GetLastError());
}

void ShowMessage(const std::wstring& text) { ui::Application::Current().ShowMessageBox(text); }

void DigitKeyPress(wchar_t& key) {
    if (!KeptByDigitBox(key)) key = 0;
}

}  // namespace

SettingsWindow::SettingsWindow(EffectHost& host, FollowerWindow& follower, HaloWindow& halo)
    : ui::Form(SettingsParams()),
      host_(host),
      follower_(follower),
      halo_(halo),
      picturePath_(effects::kUnreadPicturePath),
      headingFont_(Handle(), ui::TextFace(), 21),
      textFont_(Handle(), ui::TextFace(), 16),
      noteFont_(Handle(), ui::TextFace(), 13),
      haloGroup(Handle(), GroupPanel(8, 16, 361, 153)),
      haloTitle(haloGroup.Handle(), 0, 0, Text(IDS_HALO_HEADING), headingFont_.get(), ui::BtnFace),
      haloColorBox(haloGroup.Handle(), 40, 32, 57, 21, Text(IDS_CURRENT_COLOR), colorDialog),
      haloColorHint(haloGroup.Handle(), 152, 40, Text(IDS_HALO_COLOR_HINT), noteFont_.get(), ui::BtnFace),
      haloDiameterLabel(haloGroup.Handle(), 24, 64, Text(IDS_HALO_SIZE_LABEL), textFont_.get(), ui::BtnFace),
      haloDiameterBox(haloGroup.Handle(), 104, 64, 65, 21, effects::kUnreadDiameter),
      haloDiameterRange(haloGroup.Handle(), 176, 64, Text(IDS_HALO_SIZE_RANGE), noteFont_.get(), ui::BtnFace),
      haloAlphaLabel(haloGroup.Handle(), 24, 96, Text(IDS_HALO_ALPHA_LABEL), textFont_.get(), ui::BtnFace),
      haloAlphaBox(haloGroup.Handle(), 104, 96, 65, 21, effects::kUnreadAlpha),
      haloAlphaRange(haloGroup.Handle(), 176, 96, Text(IDS_HALO_ALPHA_RANGE), noteFont_.get(), ui::BtnFace),
      haloSaveButton(haloGroup.Handle(), ButtonPanel(144, 120, IDS_SAVE)),
      haloStartButton(haloGroup.Handle(), ButtonPanel(224, 120, IDS_START)),
      pictureGroup(Handle(), GroupPanel(8, 176, 361, 201)),
      pictureTitle(pictureGroup.Handle(), 0, 0, Text(IDS_PICTURE_HEADING), headingFont_.get(), ui::BtnFace),
      picturePreview(pictureGroup.Handle(), 128, 0, 128, 128, ui::BtnFace),
      pictureHint(pictureGroup.Handle(), 16, 56, Text(IDS_PICTURE_CHANGE), textFont_.get(), ui::BtnFace),
      browseButton(pictureGroup.Handle(), ButtonPanel(272, 48, IDS_BROWSE)),
      pictureOffsetLabel(pictureGroup.Handle(), 0, 144, Text(IDS_PICTURE_OFFSET_LABEL), textFont_.get(), ui::BtnFace),
      pictureOffsetBox(pictureGroup.Handle(), 96, 144, 49, 21, effects::kUnreadOffset),
      pictureOffsetRange(pictureGroup.Handle(), 152, 144, Text(IDS_PICTURE_OFFSET_RANGE), noteFont_.get(), ui::BtnFace),
      pictureSaveButton(pictureGroup.Handle(), ButtonPanel(160, 168, IDS_SAVE)),
      pictureStartButton(pictureGroup.Handle(), ButtonPanel(240, 168, IDS_START)),
      startWithWindowsBox(pictureGroup.Handle(), 0, 170, 150, 21, Text(IDS_START_WITH_WINDOWS), ui::BtnFace),
      effectSettings(Handle(), 384, host),
      languageLabel(Handle(), 16, 546, Text(IDS_LANGUAGE_LABEL), textFont_.get(), ui::BtnFace),
      languageList(Handle(), 96, 542, 105,
                   {Text(IDS_LANGUAGE_AUTOMATIC), Text(IDS_LANGUAGE_CHINESE), Text(IDS_LANGUAGE_ENGLISH)},
                   textFont_.get(), false),
      languageNote(Handle(), 208, 547, Text(IDS_LANGUAGE_NOTE), noteFont_.get(), ui::BtnFace),
      keysButton(Handle(),
                 {16, 574, 90, 25, Text(IDS_KEYS_BUTTON), ui::ChromeColor(ui::Gray), ui::Bevel::Raised, true}),
      openDialog(Text(IDS_PICTURE_FILTER)) {
    for (ui::Edit* box : {&haloDiameterBox, &haloAlphaBox, &pictureOffsetBox}) box->OnKeyPress = DigitKeyPress;
    haloSaveButton.OnClick = [this] { SaveHalo(); };
    haloStartButton.OnClick = [this] { StartOrStopHalo(); };
    browseButton.OnClick = [this] { BrowsePicture(); };
    pictureSaveButton.OnClick = [this] { SavePicture(); };
    pictureStartButton.OnClick = [this] { StartOrStopPicture(); };
    startWithWindowsBox.OnClick = [this] { ChangeStartWithWindows(); };
    languageList.OnChange = [this] { ChangeLanguage(); };
    keysButton.OnClick = [this] { host_.ShowKeys(); };
}

void SettingsWindow::ColorButtons() {
    for (ui::Panel* button : {&haloSaveButton, &haloStartButton, &browseButton, &pictureSaveButton, &pictureStartButton,
                              &effectSettings.saveButton, &keysButton})
        button->SetColor(ui::ChromeColor(ui::Gray));
}

void SettingsWindow::ChangeLanguage() {
    // The list shows the choice as stored: a write that fails leaves the one before it.
    const auto chosen = static_cast<LanguageChoice>(languageList.ItemIndex());
    languageList.ShowChosen(static_cast<int>(language_));
    WriteStoredLanguage(StoredName(chosen), SettingsFile());
    language_ = chosen;
    languageList.ShowChosen(static_cast<int>(language_));
}

void SettingsWindow::ChangeStartWithWindows() {
    // The box shows the entry as it is: a change that fails leaves it as it was.
    const bool wanted = startWithWindowsBox.Checked();
    startWithWindowsBox.SetChecked(!wanted);
    ui::SetStartWithWindows(wanted);
    startWithWindowsBox.SetChecked(wanted);
}

void SettingsWindow::OnCreate() { startWithWindowsBox.SetChecked(ui::StartsWithWindows()); }

void SettingsWindow::ShowStart(const StartSettings& start) {
    language_ = start.language;
    languageList.ShowChosen(static_cast<int>(language_));
    if (start.effects) effectSettings.ShowValues(*start.effects);
    if (start.halo) {
        haloColorBox.SetColor(start.halo->color);
        haloDiameterBox.SetText(std::to_wstring(start.halo->diameter));
        haloAlphaBox.SetText(std::to_wstring(start.halo->alpha));
    }
    // A picture that could not be loaded leaves its group as it was made too: its design
    // texts are no number, so a save stores nothing until the presenter mends them.
    if (start.picture && !start.picture->picture.Empty()) {
        picturePreview.SetPicture(start.picture->picture.Copy());
        pictureOffsetBox.SetText(std::to_wstring(start.picture->offset));
        picturePath_ = start.picture->path;
    }
}

// An effect may have come or gone by a hot key or the control bar while this window was hidden.
void SettingsWindow::OnShow() { ShowStartCaptions(); }

void SettingsWindow::ShowStartCaptions() {
    const PointerEffect shown = host_.ShownEffect();
    haloOn_ = shown == PointerEffect::Halo;
    pictureOn_ = shown == PointerEffect::Picture;
    haloStartButton.SetCaption(StartStopCaption(haloOn_));
    pictureStartButton.SetCaption(StartStopCaption(pictureOn_));
}

void SettingsWindow::SaveHalo() {
    if (const auto message = HaloInputMessage(haloDiameterBox.Text(), haloAlphaBox.Text())) {
        ShowMessage(*message);
        return;
    }
    // The box shows the number it stores.
    const std::wstring colorText = std::to_wstring(haloColorBox.GetColor());
    haloColorBox.SetText(colorText);
    // The trimmed texts: the stored number must read back, and a trailing blank would not.
    WriteHaloSettings({colorText, TrimBlanks(haloAlphaBox.Text()), TrimBlanks(haloDiameterBox.Text())}, SettingsFile());
}

void SettingsWindow::StartOrStopHalo() {
    const CaptionsAfterClick captions{*this};
    if (haloOn_) {
        host_.HideEffect(PointerEffect::Halo);
        return;
    }
    HaloValues stored{};
    host_.ShowEffect(PointerEffect::Halo, [&] {
        const CheckedHalo checked = CheckStoredHalo(ReadHaloSettings(SettingsFile()));
        host_.ReportStoredProblems(checked.problems);
        stored = checked.values;
    });
    halo_.ApplySettings(stored.color, stored.alpha, stored.diameter);
}

void SettingsWindow::BrowsePicture() {
    const fs::path programFolder(ui::ProgramFolder());
    openDialog.SetInitialDir(programFolder.wstring());
    std::exception_ptr loadError;
    if (openDialog.Execute(Handle())) {
        const fs::path picked(openDialog.FileName());
        picturePath_ = effects::kPictureFolder + picked.filename().wstring();
        pickedPicture_ = picked.wstring();
        // The dialog has already moved the working directory to the picked file's folder;
        // moving it here too makes the bare name below name that file whatever the dialog did.
        SetWorkingDirectory(picked.parent_path());
        try {
            picturePreview.SetPicture(ui::Picture::LoadPng(picked.filename().wstring()));
        } catch (...) {
            // Reported after the working directory is back: the database lives there.
            loadError = std::current_exception();
        }
    }
    SetWorkingDirectory(programFolder);
    if (loadError) std::rethrow_exception(loadError);
}

void SettingsWindow::SavePicture() {
    if (const auto message = PictureInputMessage(pictureOffsetBox.Text())) {
        ShowMessage(*message);
        return;
    }
    if (!pickedPicture_.empty()) {
        if (!CopyPictureInto(pickedPicture_, ui::BesideProgram(picturePath_))) return;
        pickedPicture_.clear();
    }
    WritePictureSettings({picturePath_, TrimBlanks(pictureOffsetBox.Text())}, SettingsFile());
}

void SettingsWindow::StartOrStopPicture() {
    const CaptionsAfterClick captions{*this};
    if (pictureOn_) {
        host_.HideEffect(PointerEffect::Picture);
        return;
    }
    host_.ShowEffect(PointerEffect::Picture, [this] { follower_.TakeSettings(ReadPictureSettings(SettingsFile())); });
    // Showing the picture closes this window (the start-up show chain); it comes straight back.
    Show();
}
