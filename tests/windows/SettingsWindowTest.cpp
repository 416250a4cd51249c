// The settings window as created: its layout, the boxes filled from the database (or left
// at their design texts when a read fails), the key filters and the colour box.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include "effects/SettingsWindow.h"
#include "base/Utf8.h"
#include "store/Settings.h"
#include "ui/Handles.h"
#include "app/ControlBar.h"

using SettingsWindowTest = AppTest;

TEST_F(SettingsWindowTest, LayoutOfTheWindowAndItsControls) {
    SettingsWindow& s = CreateWindows().settingsWindow();
    wchar_t caption[64];
    GetWindowTextW(s.Handle(), caption, 64);
    EXPECT_STREQ(caption, L"Vellora设置");
    EXPECT_EQ(s.Left(), 325);
    EXPECT_EQ(s.Top(), 197);
    EXPECT_EQ(s.Width(), 383);
    EXPECT_EQ(s.Height(), 633);
    EXPECT_TRUE(GetWindowLongW(s.Handle(), GWL_STYLE) & WS_CAPTION);

    EXPECT_EQ(Placement(s.haloGroup), "8,16 361x153");
    EXPECT_EQ(Placement(s.pictureGroup), "8,176 361x201");
    EXPECT_EQ(GetParent(s.haloDiameterBox.Handle()), s.haloGroup.Handle());
    EXPECT_EQ(GetParent(s.pictureOffsetBox.Handle()), s.pictureGroup.Handle());
    EXPECT_EQ(Placement(s.haloColorBox), "40,32 57x21");
    EXPECT_EQ(Placement(s.haloDiameterBox), "104,64 65x21");
    EXPECT_EQ(Placement(s.haloAlphaBox), "104,96 65x21");
    EXPECT_EQ(Placement(s.pictureOffsetBox), "96,144 49x21");
    EXPECT_EQ(Placement(s.picturePreview), "128,0 128x128");
    EXPECT_TRUE(s.pictureOffsetBox.Visible());

    struct Button {
        const ui::Panel& panel;
        const char* placement;
        const wchar_t* caption;
    };
    for (const Button& b :
         {Button{s.haloSaveButton, "144,120 50x25", L"保存"}, Button{s.haloStartButton, "224,120 50x25", L"开启"},
          Button{s.browseButton, "272,48 50x25", L"浏览"}, Button{s.pictureSaveButton, "160,168 50x25", L"保存"},
          Button{s.pictureStartButton, "240,168 50x25", L"开启"}}) {
        EXPECT_EQ(Placement(b.panel), b.placement);
        EXPECT_EQ(b.panel.Caption(), b.caption);
        EXPECT_EQ(b.panel.GetColor(), ui::Gray);
    }

    EXPECT_EQ(s.haloColorHint.Text(), L"双击左边颜色框更改颜色。");
    EXPECT_EQ(s.pictureOffsetRange.Text(), L"（取值范围：0-130，其中65居中）");
    EXPECT_EQ(s.pictureOffsetRange.Left(), 152);
    EXPECT_EQ(s.pictureOffsetRange.Top(), 144);
    LOGFONTW heading{};
    GetObjectW(s.haloTitle.GetFont(), sizeof heading, &heading);
    EXPECT_EQ(heading.lfHeight, -21);
    EXPECT_STREQ(heading.lfFaceName, L"宋体");
}

TEST_F(SettingsWindowTest, CreationFillsTheBoxesFromTheDatabase) {
    WriteSettings({L"pic\\star.png", L"040"}, {L"16711680", L"150", L"300"});
    Shell& w = CreateWindows(false);
    SettingsWindow& s = w.settingsWindow();
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_TRUE(s.Visible()) << "created visible";
    EXPECT_EQ(s.haloColorBox.GetColor(), 16711680);
    EXPECT_EQ(s.haloColorBox.Text(), L"当前颜色") << "the colour box keeps its caption until a save";
    EXPECT_EQ(s.haloDiameterBox.Text(), L"300");
    EXPECT_EQ(s.haloAlphaBox.Text(), L"150");
    EXPECT_EQ(s.pictureOffsetBox.Text(), L"40") << "the number in use";
    EXPECT_EQ(s.PicturePath(), L"pic\\star.png");
    EXPECT_EQ(s.picturePreview.GetPicture().Width(), 128);

    w.Start();
    Pump();
    EXPECT_FALSE(s.Visible()) << "hidden by the follower's show steps";
}

TEST_F(SettingsWindowTest, AMissingPictureLeavesOnlyThePictureBoxesAtTheirDesignTexts) {
    WriteSettings({L"pic\\nothere.png", L"40"}, {L"255", L"150", L"300"});
    SettingsWindow& s = CreateWindows().settingsWindow();
    ASSERT_EQ(recorder_.errors.size(), 1u) << "one picture, one report";
    EXPECT_NE(recorder_.errors[0].find(L"\\nothere.png"), std::wstring::npos);
    EXPECT_EQ(s.haloColorBox.GetColor(), 255);
    EXPECT_EQ(s.haloDiameterBox.Text(), L"300");
    EXPECT_EQ(s.haloAlphaBox.Text(), L"150");
    EXPECT_EQ(s.pictureOffsetBox.Text(), effects::kUnreadOffset);
    EXPECT_EQ(s.PicturePath(), effects::kUnreadPicturePath);
}

TEST_F(SettingsWindowTest, DigitBoxesKeepOnlyTypedDigitsAndBackspace) {
    SettingsWindow& s = CreateWindows().settingsWindow();
    for (ui::Edit* box : {&s.haloDiameterBox, &s.haloAlphaBox, &s.pictureOffsetBox}) {
        box->SetText(L"");
        Type(*box, L"1:a- 2+x9");
        EXPECT_EQ(box->Text(), L"129");
        Type(*box, L"\b");
        EXPECT_EQ(box->Text(), L"12") << "backspace passes the filter";
        // Select all (Ctrl+A), cut (Ctrl+X), paste (Ctrl+V) twice, copy (Ctrl+C), as the
        // box receives them.
        SendMessageW(box->Handle(), EM_SETSEL, 0, -1);
        Type(*box, L"\x01\x18");
        EXPECT_EQ(box->Text(), L"") << "cut passes the filter";
        Type(*box, L"\x16\x16\x03");
        EXPECT_EQ(box->Text(), L"1212") << "paste passes the filter";
    }
    s.haloColorBox.SetText(L"");
    Type(s.haloColorBox, L"a-");
    EXPECT_EQ(s.haloColorBox.Text(), L"a-") << "the colour box has no filter";
}

TEST_F(SettingsWindowTest, ColourBoxOpensTheDialogOnTheLastPickedColour) {
    SettingsWindow& s = CreateWindows().settingsWindow();
    const ui::Color stored = s.haloColorBox.GetColor();
    ASSERT_EQ(stored, 65535) << "the default data's yellow";

    recorder_.colorAnswers.push_back(std::nullopt);
    DoubleClick(s.haloColorBox);
    EXPECT_EQ(s.haloColorBox.GetColor(), stored) << "cancel changes nothing";

    recorder_.colorAnswers.push_back(RGB(255, 0, 0));
    DoubleClick(s.haloColorBox);
    EXPECT_EQ(s.haloColorBox.GetColor(), 255);

    recorder_.colorAnswers.push_back(std::nullopt);
    DoubleClick(s.haloColorBox);
    ASSERT_EQ(recorder_.colorDialogInitial.size(), 3u);
    EXPECT_EQ(recorder_.colorDialogInitial[0], RGB(0, 0, 0)) << "black first, not the box's colour";
    EXPECT_EQ(recorder_.colorDialogInitial[1], RGB(0, 0, 0)) << "a cancel does not change it";
    EXPECT_EQ(recorder_.colorDialogInitial[2], RGB(255, 0, 0)) << "then the colour last picked";
    EXPECT_EQ(s.haloColorBox.GetColor(), 255);
}

TEST_F(SettingsWindowTest, ClosingOnlyHidesAndTheBoxesKeepWhatWasTyped) {
    Shell& w = CreateWindows();
    SettingsWindow& s = w.settingsWindow();
    s.Show();
    s.haloDiameterBox.SetText(L"432");
    SendMessageW(s.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(s.Visible());
    EXPECT_TRUE(IsWindow(s.Handle()));
    s.Show();
    EXPECT_EQ(s.haloDiameterBox.Text(), L"432");
}

namespace {
// A key pressed and released on the keyboard, with Shift held if asked, then handled by
// the program's message loop.
void Press(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD vk, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = flags;
        inputs.push_back(in);
    };
    if (shift) add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The panel as it paints itself.
std::vector<COLORREF> Painted(const ui::Control& control) {
    const int width = control.Width(), height = control.Height();
    ui::WindowDC screen(nullptr);
    HDC dc = CreateCompatibleDC(screen.get());
    HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}
}  // namespace

TEST_F(SettingsWindowTest, KeyboardMovesThroughBoxesAndButtonsAndPressesThem) {
    Shell& w = CreateWindows();
    SettingsWindow& s = w.settingsWindow();
    LeftClick(w.controlBar().settingsButton);
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == s.Handle(); }));

    // Top to bottom and left to right through the groups, and round again.
    const EffectSettingsGroup& e = s.effectSettings;
    const std::vector<HWND> order = {s.haloColorBox.Handle(),
                                     s.haloDiameterBox.Handle(),
                                     s.haloAlphaBox.Handle(),
                                     s.haloSaveButton.Handle(),
                                     s.haloStartButton.Handle(),
                                     s.browseButton.Handle(),
                                     s.pictureOffsetBox.Handle(),
                                     s.pictureSaveButton.Handle(),
                                     s.pictureStartButton.Handle(),
                                     s.startWithWindowsBox.Handle(),
                                     e.dimBox.Handle(),
                                     e.radiusBox.Handle(),
                                     e.laserSizeBox.Handle(),
                                     e.laserColorBox.Handle(),
                                     e.leftRingBox.Handle(),
                                     e.rightRingBox.Handle(),
                                     e.saveButton.Handle(),
                                     s.languageList.Handle(),
                                     s.keysButton.Handle()};
    SetFocus(order[0]);
    for (std::size_t i = 1; i <= order.size(); ++i) {
        Press(VK_TAB);
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == order[i % order.size()]; })) << "Tab " << i;
    }
    for (std::size_t i = order.size(); i-- > 0;) {
        Press(VK_TAB, true);
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == order[i]; })) << "Shift+Tab to " << i;
    }

    // "100", Tab, "7": the 7 goes to the next box, over its selected text.
    SetFocus(s.haloDiameterBox.Handle());
    SendMessageW(s.haloDiameterBox.Handle(), EM_SETSEL, 0, -1);
    for (WORD key : {WORD('1'), WORD('0'), WORD('0'), WORD(VK_TAB), WORD('7')}) Press(key);
    ASSERT_TRUE(PumpUntil([&] { return s.haloAlphaBox.Text() == L"7"; })) << ToUtf8(s.haloAlphaBox.Text());
    EXPECT_EQ(s.haloDiameterBox.Text(), L"100");

    // A button with the focus shows it; Space presses it (save), and so does Enter (start).
    const auto unfocused = Painted(s.haloSaveButton);
    Press(VK_TAB);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == s.haloSaveButton.Handle(); }));
    EXPECT_NE(Painted(s.haloSaveButton), unfocused) << "no focus mark";
    Press(VK_SPACE);
    EXPECT_TRUE(PumpUntil([] { return ReadHaloSettings().alphaText == L"7"; })) << "Space saves";
    Press(VK_TAB);
    Press(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return s.haloStartButton.Caption() == L"停止"; })) << "Enter starts the halo";
    EXPECT_TRUE(recorder_.errors.empty());
}
