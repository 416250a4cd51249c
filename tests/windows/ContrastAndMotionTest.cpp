// For presenters who need more contrast or less motion: in high contrast the chrome takes
// the scheme's colours, switched while the program runs, and the pen keeps the presenter's;
// with animations off the save note goes without fading.
#include "AppTest.h"

#include "app/ControlBar.h"
#include "effects/SettingsWindow.h"
#include "pen/PenWindow.h"
#include "pen/SaveNote.h"

namespace {

using ContrastAndMotionTest = AppTest;

// The colour `window` paints at (x, y) of its client area, as it paints itself.
COLORREF PaintedAt(HWND window, int x, int y) {
    RECT r{};
    GetClientRect(window, &r);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    const COLORREF color = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return color;
}

// A colour scheme put in place for the test and the one before it put back after.
class SchemeInPlace {
public:
    explicit SchemeInPlace(std::vector<std::pair<int, COLORREF>> scheme) {
        for (const auto& [index, color] : scheme) {
            indexes_.push_back(index);
            before_.push_back(GetSysColor(index));
            wanted_.push_back(color);
        }
        SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), wanted_.data());
    }
    ~SchemeInPlace() { SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), before_.data()); }

private:
    std::vector<int> indexes_;
    std::vector<COLORREF> before_, wanted_;
};

void TellContrastChanged(std::initializer_list<HWND> windows) {
    for (HWND window : windows) SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
}

bool AnimationsOn() {
    BOOL on = TRUE;
    SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &on, 0);
    return on != FALSE;
}

void SetAnimations(bool on) {
    SystemParametersInfoW(SPI_SETCLIENTAREAANIMATION, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(on)), 0);
}

// The lowest opacity the note shows with until it is gone.
int LowestAlphaUntilHidden(SaveNote& note, const std::function<bool(const std::function<bool()>&)>& pumpUntil) {
    int lowest = 255;
    pumpUntil([&] {
        BYTE alpha = 255;
        DWORD flags = 0;
        if (GetLayeredWindowAttributes(note.Handle(), nullptr, &alpha, &flags) && (flags & LWA_ALPHA))
            lowest = std::min<int>(lowest, alpha);
        return !IsWindowVisible(note.Handle());
    });
    return lowest;
}

}  // namespace

TEST_F(ContrastAndMotionTest, HighContrastGivesTheChromeTheSchemesColoursAtOnceAndThePenKeepsItsOwn) {
    Shell& w = CreateWindows();
    SettingsWindow& settings = w.settingsWindow();
    PenPalette& palette = w.penWindow().Palette();
    ControlBar& bar = w.controlBar();
    const std::initializer_list<HWND> windows = {settings.Handle(), w.penWindow().Handle(), bar.Handle()};
    ASSERT_EQ(PaintedAt(settings.haloSaveButton.Handle(), 8, 4), RGB(128, 128, 128));
    ASSERT_EQ(PaintedAt(palette.Handle(), 4, 4), RGB(128, 0, 128));
    const COLORREF penColor = PaintedAt(palette.penColorButton.Handle(), 8, 8);

    {
        const COLORREF face = RGB(0, 0, 0), workspace = RGB(0, 0, 40);
        SchemeInPlace scheme(
            {{COLOR_BTNFACE, face}, {COLOR_BTNTEXT, RGB(255, 255, 255)}, {COLOR_APPWORKSPACE, workspace}});
        recorder_.highContrast = true;
        TellContrastChanged(windows);
        EXPECT_EQ(PaintedAt(settings.haloSaveButton.Handle(), 8, 4), face) << "a button's grey";
        EXPECT_EQ(PaintedAt(settings.effectSettings.saveButton.Handle(), 8, 4), face);
        EXPECT_EQ(PaintedAt(settings.haloGroup.Handle(), 2, 60), face) << "a group's face, made before the change";
        EXPECT_EQ(PaintedAt(palette.Handle(), 4, 4), face) << "the palette's purple";
        EXPECT_EQ(PaintedAt(bar.settingsButton.Handle(), 4, 4), workspace);
        EXPECT_EQ(PaintedAt(palette.penColorButton.Handle(), 8, 8), penColor) << "the presenter's colour stays";
        recorder_.highContrast = false;
    }
    TellContrastChanged(windows);
    EXPECT_EQ(PaintedAt(settings.haloSaveButton.Handle(), 8, 4), RGB(128, 128, 128)) << "back when it goes off";
    EXPECT_EQ(PaintedAt(palette.Handle(), 4, 4), RGB(128, 0, 128));
}

TEST_F(ContrastAndMotionTest, WithAnimationsOffTheSaveNoteGoesWithoutFading) {
    CreateWindows();
    const bool before = AnimationsOn();
    SaveNote note;
    const auto pumpUntil = [this](const std::function<bool()>& done) { return PumpUntil(done, 6000); };
    for (const bool animated : {true, false}) {
        SetAnimations(animated);
        note.Tell(L"D:\\课件\\a.png", {100, 100, 900, 700});
        ASSERT_TRUE(IsWindowVisible(note.Handle()));
        const int lowest = LowestAlphaUntilHidden(note, pumpUntil);
        EXPECT_FALSE(IsWindowVisible(note.Handle())) << "the note goes by itself";
        if (animated) {
            EXPECT_LT(lowest, 255) << "it fades";
        } else {
            EXPECT_EQ(lowest, 255) << "it goes at once";
        }
    }
    SetAnimations(before);
}
