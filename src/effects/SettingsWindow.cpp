#include "effects/SettingsWindow.h"

#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "effects/EffectsTexts.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/PictureCopy.h"
#include "effects/SettingsFile.h"
#include "effects/StartSettings.h"
#include "effects/SettingsValidation.h"
#include "effects/StoredSettings.h"
#include "store/Settings.h"
#include "ui/Application.h"
#include "ui/Font.h"
#include "ui/InOutError.h"
#include "ui/ProgramFiles.h"
#include "ui/StartWithWindows.h"

namespace fs = std::filesystem;

namespace {

ui::FormParams SettingsParams() {
    ui::FormParams p;
    p.className = effects::kSettingsClass;
    p.caption = effects::kSettingsCaption;
    p.left = 325;
    p.top = 197;
    p.width = 383;
    p.height = 571;  // with the group of the spotlight, laser and click rings below the other two
    p.scaled = true;
    p.visible = true;  // the follower's show steps hide it at start-up
    p.dialogKeys = true;
    return p;
}

ui::PanelParams GroupPanel(int left, int top, int width, int height) {
    return {left, top, width, height, L"", ui::BtnFace, ui::Bevel::Raised};
}

ui::PanelParams ButtonPanel(int left, int top, const wchar_t* caption) {
    return {left, top, 50, 25, caption, ui::Gray, ui::Bevel::Raised, true};
}

// The caption of a start/stop button: what its next press does.
const wchar_t* StartStopCaption(bool on) { return on ? effects::kStop : effects::kStart; }

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
      headingFont_(Handle(), L"宋体", 21),
      textFont_(Handle(), L"宋体", 16),
      noteFont_(Handle(), L"宋体", 13),
      haloGroup(Handle(), GroupPanel(8, 16, 361, 153)),
      haloTitle(haloGroup.Handle(), 0, 0, L"光标光环设置", headingFont_.get(), ui::BtnFace),
      haloColorBox(haloGroup.Handle(), 40, 32, 57, 21, effects::kColorBoxText, colorDialog),
      haloColorHint(haloGroup.Handle(), 152, 40, L"双击左边颜色框更改颜色。", noteFont_.get(), ui::BtnFace),
      haloDiameterLabel(haloGroup.Handle(), 24, 64, L"光环大小", textFont_.get(), ui::BtnFace),
      haloDiameterBox(haloGroup.Handle(), 104, 64, 65, 21, effects::kUnreadDiameter),
      haloDiameterRange(haloGroup.Handle(), 176, 64, L"（取值范围：1-600）", noteFont_.get(), ui::BtnFace),
      haloAlphaLabel(haloGroup.Handle(), 24, 96, L"光环透明度", textFont_.get(), ui::BtnFace),
      haloAlphaBox(haloGroup.Handle(), 104, 96, 65, 21, effects::kUnreadAlpha),
      haloAlphaRange(haloGroup.Handle(), 176, 96, L"（取值范围：0-255）", noteFont_.get(), ui::BtnFace),
      haloSaveButton(haloGroup.Handle(), ButtonPanel(144, 120, effects::kSave)),
      haloStartButton(haloGroup.Handle(), ButtonPanel(224, 120, effects::kStart)),
      pictureGroup(Handle(), GroupPanel(8, 176, 361, 201)),
      pictureTitle(pictureGroup.Handle(), 0, 0, L"光标图标设置", headingFont_.get(), ui::BtnFace),
      picturePreview(pictureGroup.Handle(), 128, 0, 128, 128, ui::BtnFace),
      pictureHint(pictureGroup.Handle(), 16, 56, L"更换光标图标:", textFont_.get(), ui::BtnFace),
      browseButton(pictureGroup.Handle(), ButtonPanel(272, 48, effects::kBrowse)),
      pictureOffsetLabel(pictureGroup.Handle(), 0, 144, L"光标显示位置", textFont_.get(), ui::BtnFace),
      pictureOffsetBox(pictureGroup.Handle(), 96, 144, 49, 21, effects::kUnreadOffset),
      pictureOffsetRange(pictureGroup.Handle(), 152, 144, L"（取值范围：0-130，其中65居中）", noteFont_.get(),
                         ui::BtnFace),
      pictureSaveButton(pictureGroup.Handle(), ButtonPanel(160, 168, effects::kSave)),
      pictureStartButton(pictureGroup.Handle(), ButtonPanel(240, 168, effects::kStart)),
      startWithWindowsBox(pictureGroup.Handle(), 0, 170, 150, 21, effects::kStartWithWindows, ui::BtnFace),
      effectSettings(Handle(), 384, host),
      openDialog(L"PNG文件|*.png") {
    for (ui::Edit* box : {&haloDiameterBox, &haloAlphaBox, &pictureOffsetBox}) box->OnKeyPress = DigitKeyPress;
    haloSaveButton.OnClick = [this] { SaveHalo(); };
    haloStartButton.OnClick = [this] { StartOrStopHalo(); };
    browseButton.OnClick = [this] { BrowsePicture(); };
    pictureSaveButton.OnClick = [this] { SavePicture(); };
    pictureStartButton.OnClick = [this] { StartOrStopPicture(); };
    startWithWindowsBox.OnClick = [this] { ChangeStartWithWindows(); };
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
    host_.ShowEffect(PointerEffect::Picture,
                          [this] { follower_.TakeSettings(ReadPictureSettings(SettingsFile())); });
    // Showing the picture closes this window (the start-up show chain); it comes straight back.
    Show();
}
