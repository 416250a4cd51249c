// The windows laid out at the DPI of the monitor they stand on: exactly the design sizes
// at 96 DPI, scaled by DPI / 96 elsewhere, and laid out again when a window moves to a
// monitor of another DPI. The same tests run in a 96 and in a 144 DPI Wine prefix.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include "app/ControlBar.h"
#include "effects/SettingsWindow.h"
#include "pen/PenWindow.h"
#include "ui/Dpi.h"
#include "ui/Screen.h"

namespace {

struct Expected {
    int dpi;
    int barWidth, barHeight;
    const char* penButton;   // the pen command in the bar's container
    RECT settings;           // left, top, right, bottom of the settings window
    const char* sizeBox;     // the halo size box in its panel
    const char* saveButton;  // the halo save button in its panel
    int paletteFromRight, paletteTop;
    int toolButtonWidth;
    int glyphSize;
};

const Expected kAt96{96, 65, 198, "0,136 65x25", {325, 197, 708, 830}, "104,64 65x21", "144,120 50x25", 139, 5, 25, 16};
const Expected kAt144{144, 98, 297, "0,204 98x38", {488, 296, 1063, 1246}, "156,96 98x32", "216,180 75x38", 209,
                      8,   38, 24};

const Expected* ExpectedAt(int dpi) { return dpi == 96 ? &kAt96 : dpi == 144 ? &kAt144 : nullptr; }

// What the system sends a window dragged onto a monitor of `dpi`, with the rectangle it
// suggests: the same top-left, the size scaled.
void MoveToDpi(const ui::Form& form, int dpi) {
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    const int from = form.ChildLayoutDpi();
    r.right = r.left + MulDiv(r.right - r.left, dpi, from);
    r.bottom = r.top + MulDiv(r.bottom - r.top, dpi, from);
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
}

void ExpectBarAndPalette(Shell& w, const Expected& e) {
    const ScreenSize screen = ui::PrimaryScreenSize();
    ControlBar& bar = w.controlBar();
    EXPECT_EQ(bar.Width(), e.barWidth);
    EXPECT_EQ(bar.Height(), e.barHeight);
    EXPECT_EQ(bar.Top(), screen.height / 2);
    EXPECT_EQ(Placement(bar.penButton), e.penButton);

    PenWindow& pen = w.penWindow();
    EXPECT_EQ(pen.Palette().Left(), screen.width - e.paletteFromRight);
    EXPECT_EQ(pen.Palette().Top(), e.paletteTop);
    const RECT button = pen.Palette().toolBar.ButtonRect(0);
    EXPECT_EQ(button.right - button.left, e.toolButtonWidth);
    const auto glyphs =
        reinterpret_cast<HIMAGELIST>(SendMessageW(pen.Palette().toolBar.Handle(), TB_GETIMAGELIST, 0, 0));
    int glyphWidth = 0, glyphHeight = 0;
    ImageList_GetIconSize(glyphs, &glyphWidth, &glyphHeight);
    EXPECT_EQ(glyphWidth, e.glyphSize) << "glyphs drawn for the size they are shown at";
    EXPECT_EQ(pen.Width(), screen.width) << "the pen covers the screen in pixels at any DPI";
}

void ExpectSettings(SettingsWindow& s, const Expected& e) {
    EXPECT_EQ(s.Left(), e.settings.left);
    EXPECT_EQ(s.Top(), e.settings.top);
    EXPECT_EQ(s.Width(), e.settings.right - e.settings.left);
    EXPECT_EQ(s.Height(), e.settings.bottom - e.settings.top);
    EXPECT_EQ(Placement(s.haloDiameterBox), e.sizeBox);
    EXPECT_EQ(Placement(s.haloSaveButton), e.saveButton);
}

}  // namespace

using DpiLayoutTest = AppTest;

TEST_F(DpiLayoutTest, WindowsAreLaidOutAtThePrimaryMonitorsDpi) {
    const Expected* e = ExpectedAt(ui::PrimaryMonitorDpi());
    if (!e) GTEST_SKIP() << "no expectations for " << ui::PrimaryMonitorDpi() << " DPI";
    Shell& w = CreateWindows(false);
    ExpectBarAndPalette(w, *e);
    ExpectSettings(w.settingsWindow(), *e);
}

TEST_F(DpiLayoutTest, AWindowMovedToAnotherDpiIsLaidOutAgainAndBack) {
    const Expected* here = ExpectedAt(ui::PrimaryMonitorDpi());
    if (!here) GTEST_SKIP() << "no expectations for " << ui::PrimaryMonitorDpi() << " DPI";
    const Expected& there = here == &kAt96 ? kAt144 : kAt96;
    Shell& w = CreateWindows(false);
    SettingsWindow& s = w.settingsWindow();
    const int headingHeight = s.haloTitle.Height();

    MoveToDpi(s, there.dpi);
    EXPECT_EQ(Placement(s.haloDiameterBox), there.sizeBox);
    EXPECT_EQ(Placement(s.haloSaveButton), there.saveButton);
    const int scaledHeading = s.haloTitle.Height();
    EXPECT_NEAR(scaledHeading, MulDiv(headingHeight, there.dpi, here->dpi), 3) << "its font was made again";
    MoveToDpi(w.controlBar(), there.dpi);
    MoveToDpi(w.penWindow(), there.dpi);
    ExpectBarAndPalette(w, there);

    MoveToDpi(s, here->dpi);
    MoveToDpi(w.controlBar(), here->dpi);
    MoveToDpi(w.penWindow(), here->dpi);
    EXPECT_EQ(Placement(s.haloDiameterBox), here->sizeBox);
    EXPECT_EQ(Placement(s.haloSaveButton), here->saveButton);
    EXPECT_EQ(s.haloTitle.Height(), headingHeight);
    ExpectBarAndPalette(w, *here);
}
