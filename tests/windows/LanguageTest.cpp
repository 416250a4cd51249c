// The program in the presenter's language: a stored choice gives every window its texts in
// that language, while the captions other tools find windows by stay; the settings window
// stores the choice; the controls that show no text have names; and in both languages every
// caption fits its control, at whatever DPI the tests run at.
#include "AppTest.h"

#include <sstream>

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "app/KeysWindow.h"
#include "base/Text.h"
#include "base/Utf8.h"
#include "effects/HaloWindow.h"
#include "ui/SettingsFile.h"
#include "effects/SettingsWindow.h"
#include "pen/LiveInkWindow.h"
#include "pen/PenWindow.h"
#include "store/StoredLanguage.h"
#include "WindowQueries.h"

namespace {

using LanguageTest = AppTest;

SIZE Measured(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    const HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    return {r.right, r.bottom};
}

// What a panel paints on itself: a swatch's text is only its name.
std::wstring PaintedCaption(HWND panel) {
    const auto* painted = dynamic_cast<const ui::Panel*>(ui::Window::FromHandle(panel));
    return painted ? painted->Caption() : L"";
}

RECT RectInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Every caption of `window`'s controls that does not fit, each as a line: a label outside
// its parent or over another control, a panel's caption wider than the panel, a check
// box's or a list's text wider than what it has for it.
std::wstring Misfits(HWND window) {
    std::vector<HWND> controls;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) {
            // Shown when its window is: the pen and its palette are measured while hidden.
            if (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    std::wstringstream misfits;
    for (HWND control : controls) {
        const std::wstring kind = ClassOf(control), text = WindowText(control);
        RECT client{};
        GetClientRect(control, &client);
        if (kind == L"TLabel") {
            RECT parent{}, own = RectInParent(control), overlap{};
            GetClientRect(GetParent(control), &parent);
            if (own.left < 0 || own.top < 0 || own.right > parent.right || own.bottom > parent.bottom)
                misfits << L"label \"" << text << L"\" leaves its parent\n";
            for (HWND other : controls) {
                if (other == control || GetParent(other) != GetParent(control)) continue;
                const RECT theirs = RectInParent(other);
                if (IntersectRect(&overlap, &own, &theirs))
                    misfits << L"label \"" << text << L"\" overlaps \"" << WindowText(other) << L"\": " << own.left
                            << L".." << own.right << L" and " << theirs.left << L".." << theirs.right << L"\n";
            }
        } else if (kind == L"TPanel" && !PaintedCaption(control).empty()) {
            const SIZE size = Measured(control, PaintedCaption(control));
            if (size.cx > client.right || size.cy > client.bottom)
                misfits << L"panel \"" << text << L"\" is cut: " << size.cx << L"x" << size.cy << L" in "
                        << client.right << L"x" << client.bottom << L"\n";
        } else if (kind == L"Button") {
            const int box = GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE) * 2;
            if (Measured(control, text).cx + box > client.right) misfits << L"check box \"" << text << L"\" is cut\n";
        } else if (kind == L"ComboBox") {
            // An editable list shows its entry in its edit box, a closed one beside the arrow.
            if (HWND edit = GetWindow(control, GW_CHILD))
                GetClientRect(edit, &client);
            else
                client.right -= GetSystemMetrics(SM_CXVSCROLL);
            const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                wchar_t item[128] = L"";
                SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
                if (const int width = Measured(control, item).cx; width > client.right)
                    misfits << L"list entry \"" << item << L"\" is cut: " << width << L" in " << client.right << L"\n";
            }
        }
    }
    return misfits.str();
}

// Chooses entry `index` as the user does: the list tells its parent, whose handler reports
// a failure in a box.
void ChooseByHand(ui::ComboBox& list, int index) {
    SendMessageW(list.Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(list.Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.Handle()));
}

void ExpectEveryCaptionFits(Shell& windows) {
    windows.settingsWindow().Show();
    windows.helpWindow().Show();
    windows.controlBar().Show();
    windows.keysWindow().Show();
    PenWindow& pen = windows.penWindow();
    for (HWND window : {windows.settingsWindow().Handle(), windows.helpWindow().Handle(), windows.controlBar().Handle(),
                        windows.keysWindow().Handle(), pen.Palette().Handle()})
        EXPECT_EQ(Misfits(window), L"") << "in " << WindowText(GetAncestor(window, GA_ROOT));
    // Live ink's palette, with the title of each state.
    LiveInkWindow& ink = windows.liveInk();
    for (bool drawing : {true, false}) {
        ink.Palette().ShowInkState(drawing);
        EXPECT_EQ(Misfits(ink.Palette().Handle()), L"") << "live ink's palette, drawing " << drawing;
    }
}

}  // namespace

TEST_F(LanguageTest, AStoredEnglishChoiceGivesEnglishTextsAndNamesWhileTheOuterCaptionsStay) {
    WriteStoredLanguage(L"en", SettingsFile());
    Shell& windows = CreateWindows();
    EXPECT_EQ(WindowText(windows.settingsWindow().Handle()), L"Vellora Settings");
    EXPECT_EQ(windows.settingsWindow().haloStartButton.Caption(), L"Start");
    EXPECT_EQ(windows.settingsWindow().languageList.ItemIndex(), 2) << "the list shows what is stored";
    EXPECT_EQ(windows.controlBar().closeButton.Caption(), L"Exit");
    EXPECT_EQ(windows.controlBar().commandMenu.Caption(1), L"Settings");

    PenPalette& palette = windows.penWindow().Palette();
    EXPECT_EQ(palette.toolBar.Name(0), L"Pen");
    EXPECT_EQ(palette.toolBar.Hint(0), L"Pen");
    EXPECT_EQ(palette.toolBar.Name(8), L"Text") << "named, though it has no hint";
    EXPECT_EQ(palette.toolBar.Hint(8), L"");
    EXPECT_EQ(palette.closeGlyph.Text(), L"Close the pen");
    EXPECT_EQ(WindowText(windows.penWindow().Handle()), pen::kPenCaption) << "other tools find the pen by it";
    EXPECT_EQ(WindowText(windows.halo().Handle()), effects::kHaloCaption);
    ExpectEveryCaptionFits(windows);
}

TEST_F(LanguageTest, TodaysChineseTextsFitAndTheListStoresAChoiceForTheNextStart) {
    Shell& windows = CreateWindows();
    EXPECT_EQ(CurrentLanguage(), Language::Chinese) << "Wine runs the tests in the classroom's locale";
    PenPalette& palette = windows.penWindow().Palette();
    EXPECT_EQ(palette.toolBar.Name(8), L"文字工具");
    EXPECT_EQ(palette.toolBar.Hint(8), L"") << "the text tool still has no tooltip";
    EXPECT_EQ(palette.toolBar.Name(10), L"橡皮擦工具");
    ExpectEveryCaptionFits(windows);

    SettingsWindow& settings = windows.settingsWindow();
    EXPECT_EQ(ReadStoredLanguage(SettingsFile()), L"") << "nothing chosen yet";
    ChooseByHand(settings.languageList, 2);
    EXPECT_EQ(ReadStoredLanguage(SettingsFile()), L"en");
    EXPECT_EQ(CurrentLanguage(), Language::Chinese) << "from the next start";
    ChooseByHand(settings.languageList, 0);
    EXPECT_EQ(ReadStoredLanguage(SettingsFile()), L"auto");

    // A store that fails leaves the list on the choice that is stored.
    std::filesystem::remove(SettingsFile());
    std::filesystem::create_directory(SettingsFile());
    ChooseByHand(settings.languageList, 1);
    EXPECT_EQ(settings.languageList.ItemIndex(), 0);
    EXPECT_EQ(recorder_.errors.size(), 1u);
    std::filesystem::remove(SettingsFile());
}

TEST_F(LanguageTest, AChineseChoiceDrawsInFontsWithTheChineseCharactersOnAnyWindows) {
    WriteStoredLanguage(L"zh", SettingsFile());
    Shell& windows = CreateWindows();
    SettingsWindow& s = windows.settingsWindow();
    for (HWND control : {s.haloSaveButton.Handle(), s.haloDiameterLabel.Handle(), s.startWithWindowsBox.Handle(),
                         windows.controlBar().penButton.Handle()}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfCharSet, GB2312_CHARSET) << ToUtf8(WindowText(control));
    }
}
