// The palette: toolbar, close glyph, colours, width, pen and brush styles, help.
#include "PenFixture.h"

#include "app/HelpWindow.h"
#include "effects/FollowerWindow.h"
#include "ui/ColorRef.h"

using PenPaletteTest = PenTest;

TEST_F(PenPaletteTest, PaletteSitsNearTheTopRightWithAPurpleFrame) {
    PenWindow& pen = OpenPen();
    const int w = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_EQ(pen.Palette().Left(), w - 139);
    EXPECT_EQ(pen.Palette().Top(), 5);
    EXPECT_EQ(pen.Palette().Width(), 129);
    EXPECT_EQ(pen.Palette().Height(), 313);
    // On the screen the frame is purple, over the surface, and the inside shows its colour.
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(w - 139 + 5, 100) == RGB(128, 0, 128); }))
        << std::hex << ScreenPixel(w - 139 + 5, 100);
    const COLORREF inside = ui::ColorToRGB(pen.Palette().inner.GetColor());
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(w - 139 + 16 + 3, 250) == inside; }))
        << std::hex << ScreenPixel(w - 139 + 16 + 3, 250);
    // So is the toolbar's ground below its last row of buttons.
    RECT bar{};
    GetWindowRect(pen.Palette().toolBar.Handle(), &bar);
    EXPECT_EQ(ScreenPixel(bar.left + 40, bar.bottom - 3), inside);
}

TEST_F(PenPaletteTest, ToolbarHasFourteenButtonsThreeToARowWithTheirHints) {
    PenWindow& pen = OpenPen();
    ui::ToolBar& bar = pen.Palette().toolBar;
    ASSERT_EQ(bar.ButtonCount(), 14);
    const wchar_t* hints[] = {L"画笔工具",
                              L"直线工具",
                              L"矩形工具",
                              L"随圆工具",
                              L"圆角矩形工具",
                              L"刷新",
                              L"直线箭头",
                              L"两头箭头直线",
                              L"",
                              L"黑白板",
                              L"橡皮擦工具",
                              L"帮助",
                              L"荧光笔（Shift+R、G、B、Y、O、P）",
                              L"编号标记"};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(bar.Hint(i), hints[i]) << "button " << i;
        const RECT r = bar.ButtonRect(i);
        EXPECT_EQ(r.right - r.left, 25);
        EXPECT_EQ(r.top, bar.ButtonRect(i / 3 * 3).top) << "row of button " << i;
        if (i % 3) {
            EXPECT_EQ(r.left, bar.ButtonRect(i - 1).right);
        }
        if (i >= 3) {
            EXPECT_GT(r.top, bar.ButtonRect(i - 3).top);
        }
    }
}

TEST_F(PenPaletteTest, CloseGlyphIsAWhiteCrossOnBlueAndHidesOnlyThePen) {
    PenWindow& pen = OpenPen();
    const ui::Picture& glyph = pen.Palette().closeGlyph.GetPicture();
    ASSERT_EQ(glyph.Width(), 22);
    ASSERT_EQ(glyph.Height(), 18);
    EXPECT_EQ(pen.Palette().closeGlyph.Height(), 17) << "the bottom row is cut off";
    const auto channels = [&](int x, int y) {
        const std::uint32_t p = glyph.Pixels()[y * 22 + x];
        return std::array<int, 3>{static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                                  static_cast<int>(p & 0xFF)};
    };
    const auto corner = channels(3, 14);
    EXPECT_GT(corner[2], 150);
    EXPECT_LT(corner[0], 60) << "blue ground";
    const auto centre = channels(10, 8);
    EXPECT_GT(centre[0], 180);
    EXPECT_GT(centre[1], 180) << "white cross";

    SendMessageW(pen.Palette().closeGlyph.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(pen.Visible());
    EXPECT_TRUE(Windows().follower().Visible()) << "the host's closing rule brings the follower back";
}

TEST_F(PenPaletteTest, HelpHidesThePenAndShowsTheHelpWindow) {
    PenWindow& pen = OpenPen();
    pen.Palette().Button(PaletteCommand::Help).Click();
    EXPECT_FALSE(pen.Visible());
    EXPECT_TRUE(Windows().helpWindow().Visible());
    EXPECT_TRUE(Windows().follower().Visible()) << "closed by the host's one rule";
}

TEST_F(PenPaletteTest, EscWithAStyleListDroppedDownClosesOnlyTheList) {
    PenWindow& pen = OpenPen();
    ui::ComboBox& list = pen.Palette().brushStyleList;
    SendMessageW(list.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(list.DroppedDown());
    SendHotKey(VK_ESCAPE);
    EXPECT_FALSE(list.DroppedDown());
    EXPECT_TRUE(pen.Visible());
    SendHotKey(VK_ESCAPE);
    EXPECT_FALSE(pen.Visible()) << "with no list down Esc closes the pen";
}

TEST_F(PenPaletteTest, ColourDialogStartsFromTheLastConfirmedColourOfEitherSwatch) {
    PenWindow& pen = OpenPen();
    ChoosePenColor(kBlue);
    ChooseBrushColor(RGB(0, 255, 0));
    pen.Palette().penColorButton.Click();  // cancelled
    ASSERT_EQ(recorder_.colorDialogInitial.size(), 3u);
    EXPECT_EQ(recorder_.colorDialogInitial[0], RGB(0, 0, 0));
    EXPECT_EQ(recorder_.colorDialogInitial[1], kBlue);
    EXPECT_EQ(recorder_.colorDialogInitial[2], RGB(0, 255, 0));

    EXPECT_EQ(pen.SurfaceCanvas().PenColor(), static_cast<ui::Color>(kBlue)) << "cancelling changes nothing";
    EXPECT_EQ(pen.Palette().penColorButton.GetColor(), static_cast<ui::Color>(kBlue));
    EXPECT_EQ(pen.TextInput().box.FontColor(), static_cast<ui::Color>(kBlue)) << "the text takes the pen colour";
    EXPECT_EQ(pen.SurfaceCanvas().BrushColor(), static_cast<ui::Color>(RGB(0, 255, 0)));
    EXPECT_EQ(pen.Palette().brushColorButton.GetColor(), static_cast<ui::Color>(RGB(0, 255, 0)));
}

TEST_F(PenPaletteTest, WidthArrowsWrapBetweenThirtyAndOne) {
    PenWindow& pen = OpenPen();
    const HWND arrows = pen.Palette().penWidthUpDown.Handle();
    const int h = pen.Palette().penWidthUpDown.Height();
    const auto click = [&](bool up) {
        const LPARAM at = MAKELPARAM(8, up ? 3 : h - 3);
        SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(arrows, WM_LBUTTONUP, 0, at);
    };
    SetPenWidth(30);
    ASSERT_EQ(pen.SurfaceCanvas().PenWidth(), 30);
    click(true);
    EXPECT_EQ(pen.Palette().penWidthBox.Text(), L"1");
    EXPECT_EQ(pen.SurfaceCanvas().PenWidth(), 1);
    EXPECT_EQ(pen.EraserSize(), 1);
    click(false);
    EXPECT_EQ(pen.Palette().penWidthBox.Text(), L"30");
    EXPECT_EQ(pen.SurfaceCanvas().PenWidth(), 30);
    EXPECT_EQ(pen.EraserSize(), 30);
    click(false);
    EXPECT_EQ(pen.SurfaceCanvas().PenWidth(), 29);
}

class PenHatchTest : public PenTest {
protected:
    // Fills a rectangle with brush style `index` in blue and reads its inside, well clear
    // of the outline: true where the hatch drew.
    std::vector<std::vector<bool>> HatchOf(int index) {
        PenWindow& pen = Pen();
        pen.Palette().brushStyleList.Select(index);
        WhiteBoard();
        Drag({100, 100}, {300, 260});
        std::vector<std::vector<bool>> lit;
        for (int y = 120; y < 240; ++y) {
            lit.emplace_back();
            for (int x = 120; x < 280; ++x) {
                const COLORREF c = Pixel(x, y);
                EXPECT_TRUE(c == kBlue || c == kWhite) << "gaps stay as they were, at " << x << "," << y;
                lit.back().push_back(c == kBlue);
            }
        }
        return lit;
    }
    // Whether the pattern repeats itself one step along (dx, dy).
    static bool Along(const std::vector<std::vector<bool>>& lit, int dx, int dy) {
        for (std::size_t y = 1; y + 1 < lit.size(); ++y)
            for (std::size_t x = 1; x + 1 < lit[y].size(); ++x)
                if (lit[y][x] != lit[y + dy][x + dx]) return false;
        return true;
    }
    static int LitCount(const std::vector<std::vector<bool>>& lit) {
        int n = 0;
        for (const auto& row : lit)
            for (bool b : row) n += b;
        return n;
    }
};

TEST_F(PenHatchTest, EachBrushStyleFillsWithItsOwnPattern) {
    PenWindow& pen = OpenPen();
    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    ChooseBrushColor(kBlue);
    const int all = 120 * 160;

    EXPECT_EQ(LitCount(HatchOf(0)), all) << "填色 fills";
    EXPECT_EQ(LitCount(HatchOf(1)), 0) << "空心 leaves the inside as it was";

    const auto horizontal = HatchOf(2);
    EXPECT_TRUE(Along(horizontal, 1, 0));
    EXPECT_FALSE(Along(horizontal, 0, 1));
    const auto vertical = HatchOf(3);
    EXPECT_TRUE(Along(vertical, 0, 1));
    EXPECT_FALSE(Along(vertical, 1, 0));
    const auto falling = HatchOf(4);  // 反斜线
    EXPECT_TRUE(Along(falling, 1, 1));
    EXPECT_FALSE(Along(falling, 1, -1));
    const auto rising = HatchOf(5);  // 十字线: the rising diagonal, not a cross
    EXPECT_TRUE(Along(rising, 1, -1));
    EXPECT_FALSE(Along(rising, 1, 1));
    const auto cross = HatchOf(6);  // 交叉线
    EXPECT_FALSE(Along(cross, 1, 1));
    EXPECT_FALSE(Along(cross, 1, -1));
    bool fullRow = false, fullColumn = false;
    for (const auto& row : cross) fullRow |= std::all_of(row.begin(), row.end(), [](bool b) { return b; });
    for (std::size_t x = 0; x < cross[0].size(); ++x) {
        bool column = true;
        for (const auto& row : cross) column &= row[x];
        fullColumn |= column;
    }
    EXPECT_TRUE(fullRow && fullColumn) << "horizontal and vertical lines";
    for (const auto* hatch : {&horizontal, &vertical, &falling, &rising, &cross}) {
        EXPECT_GT(LitCount(*hatch), all / 16);
        EXPECT_LT(LitCount(*hatch), all / 2);
    }
}

TEST_F(PenPaletteTest, BrushColourChosenWhileHollowFillsTheNextRectangle) {
    PenWindow& pen = OpenPen();
    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    pen.Palette().brushStyleList.Select(1);
    WhiteBoard();
    Drag({100, 100}, {200, 200});
    EXPECT_EQ(Pixel(150, 150), kWhite) << "hollow";
    ChooseBrushColor(RGB(0, 255, 0));
    Drag({300, 100}, {400, 200});
    EXPECT_EQ(Pixel(350, 150), RGB(0, 255, 0)) << "a colour makes the brush solid";
    EXPECT_EQ(pen.Palette().brushStyleList.ItemIndex(), 1);
    EXPECT_EQ(pen.Palette().brushStyleList.Text(), L"空心") << "the list still shows hollow";
}

TEST_F(PenPaletteTest, StyledLinesShowAtEveryWidthWithGapsByBrushStyle) {
    PenWindow& pen = OpenPen();
    pen.Palette().Button(pen::DrawTool::Line).Click();
    ChooseBrushColor(kBlue);
    const RECT line{100, 400, 500, 401};
    const auto draw = [&] {
        Press(100, 400);
        Release(500, 400);
    };
    // On a white board, which starts with a solid pen: the style is chosen again on it.
    const auto drawLine = [&] {
        WhiteBoard();
        pen.Palette().penStyleList.Select(pen.Palette().penStyleList.ItemIndex());
        draw();
    };

    SetPenWidth(1);
    pen.Palette().penStyleList.Select(1);  // 虚线
    drawLine();
    EXPECT_GT(Count(line, kRed), 100);
    EXPECT_GT(Count(line, kBlue), 50) << "under a solid brush the gaps take the brush colour";
    EXPECT_EQ(Count(line, kWhite), 0);

    pen.Palette().brushStyleList.Select(1);  // 空心
    drawLine();
    EXPECT_GT(Count(line, kWhite), 50) << "under any other brush the gaps stay as they were";
    EXPECT_EQ(Count(line, kBlue), 0);

    pen.Palette().penStyleList.Select(1);  // 虚线
    SetPenWidth(5);
    drawLine();
    const int dashed = Count(line, kRed);
    EXPECT_GT(dashed, 150);
    EXPECT_LT(dashed, 380) << "wider pens show their gaps too";
    EXPECT_EQ(Count(RECT{95, 396, 100, 405}, kRed), 0) << "with flat ends";
    EXPECT_GT(Count(RECT{100, 398, 110, 403}, kRed), 40) << "five pixels wide";

    // A refresh gives a fresh canvas whose pen is solid whatever the list shows.
    SetPenWidth(1);
    pen.Palette().Button(PaletteCommand::Refresh).Click();
    draw();
    EXPECT_EQ(Count(line, kRed), 400);
    EXPECT_EQ(pen.Palette().penStyleList.ItemIndex(), 1);
}

TEST_F(PenPaletteTest, StyleBoxesShowTheirWholeEntryInAFontWithTheChineseCharacters) {
    PenWindow& pen = OpenPen();
    for (ui::ComboBox* box : {&pen.Palette().penStyleList, &pen.Palette().brushStyleList}) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(box->Handle(), &info));
        const HWND edit = info.hwndItem;
        RECT client{};
        GetClientRect(edit, &client);
        ui::WindowDC dc(edit);
        ui::SelectScope font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
        EXPECT_EQ(GetTextCharset(dc.get()), GB2312_CHARSET);
        SetFocus(box->Handle());
        const int count = static_cast<int>(SendMessageW(box->Handle(), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            box->Select(i);
            const std::wstring entry = box->Text();
            SCOPED_TRACE(testing::Message() << "entry " << i);
            SIZE size{};
            GetTextExtentPoint32W(dc.get(), entry.c_str(), static_cast<int>(entry.size()), &size);
            EXPECT_LE(size.cx, client.right) << "the entry fits the box";
            EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "it shows from its first character";
            std::vector<WORD> glyphs(entry.size());
            GetGlyphIndicesW(dc.get(), entry.c_str(), static_cast<int>(entry.size()), glyphs.data(),
                             GGI_MARK_NONEXISTING_GLYPHS);
            for (WORD g : glyphs) EXPECT_NE(g, 0xFFFF) << "the font draws every character";
        }
    }
}

TEST_F(PenPaletteTest, DraggingTheFrameEndsWhenItsButtonIsReleased) {
    PenWindow& pen = OpenPen();
    const HWND palette = pen.Palette().Handle();
    const struct {
        UINT down, up;
        WPARAM held;
    } buttons[] = {{WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON}, {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.down == WM_RBUTTONDOWN ? "right button" : "left button");
        const int left = pen.Palette().Left(), top = pen.Palette().Top();
        // Held by the frame 5 pixels in from the left, moved 300 left and 40 down.
        SendMessageW(palette, b.down, b.held, MAKELPARAM(5, 150));
        EXPECT_EQ(GetCapture(), palette);
        // Left of the palette its own coordinates are negative.
        const auto at = [](int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); };
        SendMessageW(palette, WM_MOUSEMOVE, b.held, at(5 - 120, 150 + 10));
        SendMessageW(palette, WM_MOUSEMOVE, b.held, at(5 - 180, 150 + 30));
        EXPECT_EQ(pen.Palette().Left(), left - 300);
        EXPECT_EQ(pen.Palette().Top(), top + 40);
        SendMessageW(palette, b.up, 0, MAKELPARAM(5, 150));
        EXPECT_NE(GetCapture(), palette) << "the release ends the drag";
        SendMessageW(palette, WM_MOUSEMOVE, 0, MAKELPARAM(60, 60));
        EXPECT_EQ(pen.Palette().Left(), left - 300) << "and the palette stays";
        EXPECT_FALSE(pen.Palette().Dragging());
    }
    // Losing the capture ends a drag as well.
    SendMessageW(palette, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(5, 150));
    ReleaseCapture();
    EXPECT_FALSE(pen.Palette().Dragging());
}
