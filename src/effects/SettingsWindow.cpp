#include "effects/SettingsWindow.h"

#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Inventory.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsValidation.h"
#include "store/Settings.h"
#include "ui/Application.h"
#include "ui/Font.h"
#include "ui/InOutError.h"

namespace fs = std::filesystem;

namespace {

constexpr wchar_t kStart[] = L"开启";
constexpr wchar_t kStop[] = L"停止";

ui::FormParams SettingsParams() {
    ui::FormParams p;
    p.className = L"TForm4";
    p.caption = L"Vellora设置";
    p.left = 325;
    p.top = 197;
    p.width = 383;
    p.height = 413;
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

fs::path ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    while (true) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return fs::path(std::wstring(path.data(), length)).parent_path();
        path.resize(path.size() * 2);
    }
}

void SetWorkingDirectory(const fs::path& folder) {
    if (!SetCurrentDirectoryW(folder.c_str())) throw ui::EInOutError(GetLastError());
}

void ShowMessage(const std::wstring& text) { ui::Application::Current().ShowMessageBox(text); }

void DigitKeyPress(wchar_t& key) {
    if (!KeptByDigitBox(key)) key = 0;
}

}  // namespace

TForm4::TForm4(Inventory& inventory)
    : ui::Form(SettingsParams()),
      inventory_(inventory),
      headingFont_(Handle(), L"宋体", 21),
      textFont_(Handle(), L"宋体", 16),
      noteFont_(Handle(), L"宋体", 13),
      PP1(Handle(), GroupPanel(8, 16, 361, 153)),
      PPLabel1(PP1.Handle(), 0, 0, L"光标光环设置", headingFont_.get(), ui::BtnFace),
      Edit1(PP1.Handle(), 40, 32, 57, 21, L"当前颜色"),
      Label5(PP1.Handle(), 152, 40, L"双击左边颜色框更改颜色。", noteFont_.get(), ui::BtnFace),
      Label1(PP1.Handle(), 24, 64, L"光环大小", textFont_.get(), ui::BtnFace),
      Edit2(PP1.Handle(), 104, 64, 65, 21, L"Edit2"),
      Label2(PP1.Handle(), 176, 64, L"（取值范围：1-600）", noteFont_.get(), ui::BtnFace),
      Label3(PP1.Handle(), 24, 96, L"光环透明度", textFont_.get(), ui::BtnFace),
      Edit3(PP1.Handle(), 104, 96, 65, 21, L"Edit3"),
      Label4(PP1.Handle(), 176, 96, L"（取值范围：0-255）", noteFont_.get(), ui::BtnFace),
      Ppa1(PP1.Handle(), ButtonPanel(144, 120, L"保存")),
      Ppa2(PP1.Handle(), ButtonPanel(224, 120, kStart)),
      PP2(Handle(), GroupPanel(8, 176, 361, 201)),
      Label6(PP2.Handle(), 0, 0, L"光标图标设置", headingFont_.get(), ui::BtnFace),
      Image1(PP2.Handle(), 128, 0, 128, 128, ui::BtnFace),
      Label9(PP2.Handle(), 16, 56, L"更换光标图标:", textFont_.get(), ui::BtnFace),
      Papic3(PP2.Handle(), ButtonPanel(272, 48, L"浏览")),
      Edit5(PP2.Handle(), 272, 104, 73, 21, L"Edit5", false),
      Label7(PP2.Handle(), 0, 144, L"光标显示位置", textFont_.get(), ui::BtnFace),
      Edit4(PP2.Handle(), 96, 144, 49, 21, L"Edit4"),
      Label8(PP2.Handle(), 152, 144, L"（取值范围：0-130，其中65居中）", noteFont_.get(), ui::BtnFace),
      Papic1(PP2.Handle(), ButtonPanel(160, 168, L"保存")),
      Papic2(PP2.Handle(), ButtonPanel(240, 168, kStart)),
      OpenDg(L"PNG文件|*.png") {
    Edit1.OnDblClick = [this] { Edit1DblClick(); };
    for (ui::Edit* box : {&Edit2, &Edit3, &Edit4, &Edit5}) box->OnKeyPress = DigitKeyPress;
    Ppa1.OnClick = [this] { Ppa1Click(); };
    Ppa2.OnClick = [this] { Ppa2Click(); };
    Papic3.OnClick = [this] { Papic3Click(); };
    Papic1.OnClick = [this] { Papic1Click(); };
    Papic2.OnClick = [this] { Papic2Click(); };
}

void TForm4::OnCreate() {
    const HaloSettings halo = ReadHaloSettings();
    // All three are converted, so a broken stored value is reported at start.
    Edit1.SetColor(ToHaloValues(halo).color);
    Edit2.SetText(halo.diameterText);
    Edit3.SetText(halo.alphaText);

    const PictureSettings picture = ReadPictureSettings();
    ToPictureOffset(picture);
    Image1.SetPicture(ui::Picture::LoadPng(picture.fileName));
    Edit4.SetText(picture.offsetText);
    Edit5.SetText(picture.fileName);
}

void TForm4::Edit1DblClick() {
    if (ColorDialog1.Execute(Handle())) Edit1.SetColor(ColorDialog1.GetColor());
}

void TForm4::Ppa1Click() {
    if (const auto message = HaloInputMessage(Edit2.Text(), Edit3.Text())) {
        ShowMessage(*message);
        return;
    }
    Edit1.SetText(std::to_wstring(Edit1.GetColor()));
    // The trimmed texts: the stored number must read back, and a trailing blank would not.
    WriteHaloSettings({Edit1.Text(), TrimBlanks(Edit3.Text()), TrimBlanks(Edit2.Text())});
}

void TForm4::Ppa2Click() {
    TForm3& halo = inventory_.halo();
    if (Ppa2.Caption() != kStart) {
        Ppa2.SetCaption(kStart);
        halo.Hide();
        return;
    }
    Ppa2.SetCaption(kStop);
    inventory_.follower().Hide();
    const HaloValues stored = ToHaloValues(ReadHaloSettings());
    halo.Show();
    halo.ApplySettings(stored.color, stored.alpha, stored.diameter);
}

void TForm4::Papic3Click() {
    const fs::path programFolder = ProgramFolder();
    OpenDg.SetInitialDir(programFolder.wstring());
    std::exception_ptr loadError;
    if (OpenDg.Execute(Handle())) {
        const fs::path picked(OpenDg.FileName());
        Edit5.SetText(L"pic\\" + picked.filename().wstring());
        // The dialog has already moved the working directory to the picked file's folder;
        // moving it here too makes the bare name below name that file whatever the dialog did.
        SetWorkingDirectory(picked.parent_path());
        try {
            Image1.SetPicture(ui::Picture::LoadPng(picked.filename().wstring()));
        } catch (...) {
            // Reported after the working directory is back: the database lives there.
            loadError = std::current_exception();
        }
    }
    SetWorkingDirectory(programFolder);
    if (loadError) std::rethrow_exception(loadError);
}

void TForm4::Papic1Click() {
    if (const auto message = PictureInputMessage(Edit4.Text())) {
        ShowMessage(*message);
        return;
    }
    WritePictureSettings({Edit5.Text(), TrimBlanks(Edit4.Text())});
}

void TForm4::Papic2Click() {
    TForm2& follower = inventory_.follower();
    if (Papic2.Caption() != kStart) {
        Papic2.SetCaption(kStart);
        follower.Hide();
        return;
    }
    Papic2.SetCaption(kStop);
    inventory_.halo().Hide();
    const PictureSettings stored = ReadPictureSettings();
    follower.SetPictureOffset(ToPictureOffset(stored));
    follower.Image1.SetPicture(ui::Picture::LoadPng(stored.fileName));
    // Showing the follower hides this window (its show steps); it comes straight back.
    follower.Show();
    Show();
}
