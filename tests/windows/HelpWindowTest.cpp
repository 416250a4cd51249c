// The help window: its layout, fonts and fixed, read-only text.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "base/Utf8.h"

#include <richedit.h>

#include <algorithm>

#include "ui/Font.h"
#include "ui/Handles.h"

using HelpWindowTest = AppTest;

namespace {
// The text box's default character format: the font it was given, as the box keeps it.
CHARFORMAT2W DefaultCharFormat(const ui::RichEdit& box) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(box.Handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return format;
}
}  // namespace

TEST_F(HelpWindowTest, CreatedHiddenWithItsTitleAndTextBox) {
    HelpWindow& help = CreateWindows().helpWindow();
    EXPECT_FALSE(help.Visible());
    wchar_t caption[32];
    GetWindowTextW(help.Handle(), caption, 32);
    EXPECT_STREQ(caption, L"Vellora");
    EXPECT_EQ(help.Left(), 230);
    EXPECT_EQ(help.Top(), 189);
    EXPECT_EQ(help.Width(), 624);
    EXPECT_EQ(help.Height(), 480);
    EXPECT_TRUE(GetWindowLongW(help.Handle(), GWL_STYLE) & WS_THICKFRAME) << "sizeable";

    EXPECT_EQ(help.title.Text(), L"Vellora");
    EXPECT_EQ(help.title.Left(), 224);
    EXPECT_EQ(help.title.Top(), 32);
    LOGFONTW title{};
    GetObjectW(help.title.GetFont(), sizeof title, &title);
    EXPECT_EQ(title.lfHeight, -29);
    EXPECT_EQ(title.lfWeight, FW_BOLD);
    EXPECT_STREQ(title.lfFaceName, L"宋体");

    ASSERT_NE(help.helpText.Handle(), nullptr) << "the rich-edit class is available";
    EXPECT_EQ(Placement(help.helpText), "56,112 529x329");
    const LONG style = GetWindowLongW(help.helpText.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL);
    EXPECT_TRUE(help.helpText.ReadOnly());
    const CHARFORMAT2W text = DefaultCharFormat(help.helpText);
    ui::WindowDC screen(nullptr);
    EXPECT_EQ(text.yHeight, MulDiv(19, 1440, GetDeviceCaps(screen.get(), LOGPIXELSY))) << "19 pixels, in twips";
    EXPECT_STREQ(text.szFaceName, L"宋体");
    EXPECT_FALSE(text.dwEffects & CFE_BOLD);
}

TEST_F(HelpWindowTest, TextCoversEverySectionInOrder) {
    const std::wstring text = CreateWindows().helpWindow().helpText.Text();
    std::size_t at = 0;
    for (const wchar_t* part : {L"多媒体课堂教学", L"用途", L"功能", L"鼠标跟随", L"鼠标光环", L"电子笔", L"使用方法",
                                L"Esc", L"F7", L"F8", L"类别", L"教学软件", L"升级", L"键盘鼠标", L"方向键"}) {
        const std::size_t found = text.find(part, at);
        EXPECT_NE(found, std::wstring::npos) << ToUtf8(part) << " after position " << at;
        if (found != std::wstring::npos) at = found;
    }
}

TEST_F(HelpWindowTest, LongParagraphsWrapAtTheBoxWidth) {
    const ui::RichEdit& box = CreateWindows().helpWindow().helpText;
    // The opening paragraph is wider than the box: its second line starts before its end.
    const auto secondLine = SendMessageW(box.Handle(), EM_LINEINDEX, 1, 0);
    const auto firstBreak = box.Text().find(L'\r');
    ASSERT_NE(firstBreak, std::wstring::npos);
    EXPECT_GT(secondLine, 0);
    EXPECT_LT(static_cast<std::size_t>(secondLine), firstBreak);
}

TEST_F(HelpWindowTest, WrappedLinesEndLeftOfTheScrollBar) {
    const ui::RichEdit& box = CreateWindows().helpWindow().helpText;
    HWND h = box.Handle();
    RECT client{};
    GetClientRect(h, &client);
    // Where the text may go: inside the box's frame and left of its vertical scroll bar.
    RECT window{};
    GetWindowRect(h, &window);
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    const int visibleRight = std::min<int>(
        client.right, window.right - origin.x - GetSystemMetrics(SM_CXEDGE) - GetSystemMetrics(SM_CXVSCROLL));
    const ui::UniqueFont font = ui::CreateFontByHeight(L"宋体", 19);
    ui::WindowDC screen(nullptr);
    ui::SelectScope selected(screen.get(), font.get());
    const std::wstring text = box.Text();
    const auto lines = SendMessageW(h, EM_GETLINECOUNT, 0, 0);
    int wrapped = 0;
    for (LRESULT line = 0; line < lines; ++line) {
        const auto start = SendMessageW(h, EM_LINEINDEX, line, 0);
        const auto length = SendMessageW(h, EM_LINELENGTH, start, 0);
        if (length == 0) continue;
        const auto last = start + length - 1;
        const bool wrapsHere = static_cast<std::size_t>(last + 1) < text.size() && text[last + 1] != L'\r';
        if (!wrapsHere) continue;
        ++wrapped;
        const LRESULT at = SendMessageW(h, EM_POSFROMCHAR, last, 0);
        SIZE size{};
        GetTextExtentPoint32W(screen.get(), &text[last], 1, &size);
        EXPECT_LE(static_cast<short>(LOWORD(at)) + size.cx, visibleRight) << "line " << line << " of " << lines;
    }
    EXPECT_GT(wrapped, 3);
}

TEST_F(HelpWindowTest, TypingAndEnterChangeNothing) {
    HelpWindow& help = CreateWindows().helpWindow();
    const std::wstring before = help.helpText.Text();
    SendMessageW(help.helpText.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    Type(help.helpText, L"\rx");
    EXPECT_EQ(help.helpText.Text(), before);
}

TEST_F(HelpWindowTest, HelpCommandShowsItAndClosingOnlyHidesIt) {
    Shell& w = CreateWindows();
    HelpWindow& help = w.helpWindow();
    LeftClick(w.controlBar().helpButton);
    EXPECT_TRUE(help.Visible());
    SendMessageW(help.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(help.Visible());
    EXPECT_TRUE(IsWindow(help.Handle()));
    w.controlBar().commandMenu.Click(5);
    EXPECT_TRUE(help.Visible());
}
