// The spotlight, the laser pointer and the click rings: where they stand, what they paint,
// how they fade, how they are switched, and the settings group that configures them.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include "app/ControlBar.h"
#include "effects/ClickRingsWindow.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/LaserWindow.h"
#include "effects/SettingsWindow.h"
#include "effects/SpotlightWindow.h"
#include "pen/PenWindow.h"
#include "store/EffectSettings.h"
#include "ui/Colors.h"
#include "ui/Handles.h"

namespace {

// What a window paints, read back from a 32-bit DIB (0x00RRGGBB per pixel).
class Painted {
public:
    explicit Painted(const ui::Form& form) : width_(form.Width()), height_(form.Height()) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        pixels_ = static_cast<const std::uint32_t*>(bits);
        const ui::MemoryDC dc(CreateCompatibleDC(nullptr));
        const ui::SelectScope select(dc.get(), bitmap_.get());
        SendMessageW(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    }
    std::uint32_t At(int x, int y) const { return pixels_[y * width_ + x]; }

private:
    int width_, height_;
    ui::UniqueBitmap bitmap_;
    const std::uint32_t* pixels_ = nullptr;
};

BYTE LayeredAlpha(HWND window) {
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(window, &key, &alpha, &flags);
    return alpha;
}

}  // namespace

using PointerEffectsTest = AppTest;

TEST_F(PointerEffectsTest, SpotlightDimsThePointersMonitorButForAClearCircleThatFollows) {
    Shell& w = CreateWindows();
    SpotlightWindow& s = w.spotlight();
    SetCursorPos(400, 300);
    SendHotKey('1');
    ASSERT_TRUE(s.Visible());
    EXPECT_FALSE(w.follower().Visible()) << "one effect at a time";
    EXPECT_EQ(s.Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(s.Height(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(LayeredAlpha(s.Handle()), 153) << "60 % black";
    EXPECT_EQ(s.Radius(), 120);
    EXPECT_EQ(s.GetColor(), ui::Black);
    const ui::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(s.Handle(), region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 400, 300));
    EXPECT_FALSE(PtInRegion(region.get(), 400, 300 + 119)) << "the whole radius is clear";
    EXPECT_TRUE(PtInRegion(region.get(), 400, 300 + 122));
    EXPECT_TRUE(PtInRegion(region.get(), 400 + 90, 300 + 90)) << "a circle, not a square";

    SetCursorPos(700, 500);
    s.FollowPointer();
    ASSERT_NE(GetWindowRgn(s.Handle(), region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 700, 500));
    EXPECT_TRUE(PtInRegion(region.get(), 400, 300)) << "where the circle was is dim again";
    EXPECT_EQ(Painted(s).At(400, 300), 0u);
    const LONG ex = GetWindowLongW(s.Handle(), GWL_EXSTYLE);
    EXPECT_EQ(ex & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST),
              WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST);

    SendHotKey(VK_F7);
    EXPECT_TRUE(w.halo().Visible());
    EXPECT_FALSE(s.Visible());
}

TEST_F(PointerEffectsTest, LaserTrailStaysWholeAfterAStopThenFadesOutAsOne) {
    Shell& w = CreateWindows();
    LaserWindow& laser = w.laser();
    SetCursorPos(400, 300);
    w.ToggleEffect(PointerEffect::Laser);
    ASSERT_TRUE(laser.Visible());
    EXPECT_FALSE(w.follower().Visible());
    EXPECT_EQ(laser.DotDiameter(), 12);
    EXPECT_EQ(laser.GetColor(), 255) << "red";
    const ui::Form& trail = laser.TrailWindow();
    EXPECT_FALSE(trail.Visible()) << "no trail before a movement";

    // Driven on a clock of its own, later than the show's.
    std::int64_t now = static_cast<std::int64_t>(GetTickCount64()) + 1000;
    for (int x = 420; x <= 500; x += 20) {
        SetCursorPos(x, 300);
        laser.FollowPointer(now += 10);
    }
    ASSERT_TRUE(trail.Visible());
    EXPECT_LE(trail.Left(), 400);
    EXPECT_GE(trail.Left() + trail.Width(), 500);
    const Painted line(trail);
    EXPECT_EQ(line.At(450 - trail.Left(), 300 - trail.Top()), 0xFF0000u) << "the bright core along the way";
    EXPECT_EQ(line.At(450 - trail.Left(), 300 + 5 - trail.Top()), 0x7F0000u) << "the glow";
    EXPECT_EQ(line.At(450 - trail.Left(), 300 + 8 - trail.Top()), 0x808080u) << "see-through beyond";
    EXPECT_EQ(line.At(500 - trail.Left(), 300 + 4 - trail.Top()), 0xFF0000u) << "the trail's head is the dot";
    const ui::UniqueRegion dot(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(laser.Handle(), dot.get()), NULLREGION) << "the dot's own window stands empty meanwhile";

    laser.FollowPointer(now + 1400);
    EXPECT_TRUE(trail.Visible());
    EXPECT_EQ(LayeredAlpha(trail.Handle()), 255) << "held whole";
    laser.FollowPointer(now + 1650);
    EXPECT_EQ(LayeredAlpha(trail.Handle()), 127) << "fading as a whole";
    EXPECT_EQ(laser.Left(), 494) << "the dot's window holds the dot, centred on the pointer, unfaded";
    EXPECT_EQ(GetWindowRgn(laser.Handle(), dot.get()), COMPLEXREGION);
    laser.FollowPointer(now + 1800);
    EXPECT_FALSE(trail.Visible());
    EXPECT_TRUE(laser.Visible()) << "the dot stays";
}

TEST_F(PointerEffectsTest, ClickRingsGrowAndGoInTheButtonsColoursButNotOverThePen) {
    Shell& w = CreateWindows();
    ClickRingsWindow& rings = w.clickRings();
    SendHotKey('3');
    ASSERT_TRUE(rings.On());
    EXPECT_TRUE(w.follower().Visible()) << "the rings come along with the picture";

    rings.Clicked({500, 400}, false);
    rings.Clicked({600, 400}, true);
    const RingWindow& left = *rings.Rings()[0];
    const RingWindow& right = *rings.Rings()[1];
    // Stepped on the rings' own clock: a loaded machine's timer may come only after a
    // ring's short life.
    rings.Rings()[0]->Step(left.StartedMs() + 20);
    rings.Rings()[1]->Step(right.StartedMs() + 20);
    ASSERT_TRUE(left.Visible() && right.Visible());
    EXPECT_EQ(left.GetColor(), 0x00FFFF) << "yellow";
    EXPECT_EQ(right.GetColor(), 0xFF0000) << "blue";
    EXPECT_EQ(left.Left(), 500 - 36);
    RingWindow& ring = *rings.Rings()[0];
    ring.Step(ring.StartedMs() + 20);
    const int startRadius = ring.Radius();
    const BYTE startAlpha = LayeredAlpha(ring.Handle());
    ring.Step(ring.StartedMs() + 300);
    EXPECT_GT(ring.Radius(), startRadius);
    EXPECT_LT(LayeredAlpha(ring.Handle()), startAlpha);
    EXPECT_TRUE(PumpUntil([&] { return !left.Visible() && !right.Visible(); }, 1000));
    EXPECT_FALSE(rings.animationTimer.Enabled()) << "no tick without a ring";

    // A real click goes through the mouse hook.
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SetCursorPos(300, 200);
    SendInput(2, click, sizeof(INPUT));
    EXPECT_TRUE(PumpUntil([&] {
        return std::any_of(rings.Rings().begin(), rings.Rings().end(), [](const auto& r) { return r->Visible(); });
    }));
    ASSERT_TRUE(PumpUntil([&] { return !rings.animationTimer.Enabled(); }));

    w.TogglePen();
    rings.Clicked({500, 400}, false);
    EXPECT_FALSE(rings.animationTimer.Enabled()) << "the pen has the clicks";
    w.TogglePen();
    rings.Clicked({500, 400}, false);
    EXPECT_TRUE(rings.animationTimer.Enabled()) << "and gives them back as it closes";
    w.ToggleClickRings();
    EXPECT_FALSE(rings.On());
}

TEST_F(PointerEffectsTest, MenuEntriesFollowTheSixCommandsAndSwitchTheirEffect) {
    Shell& w = CreateWindows();
    ui::PopupMenu& menu = w.controlBar().commandMenu;
    ASSERT_EQ(menu.Count(), 13u);
    EXPECT_EQ(menu.Caption(6), L"聚光灯");
    EXPECT_EQ(menu.Caption(7), L"激光笔");
    EXPECT_EQ(menu.Caption(8), L"点击光圈");
    menu.Click(6);
    EXPECT_TRUE(w.spotlight().Visible());
    menu.Click(7);
    EXPECT_TRUE(w.laser().Visible());
    EXPECT_FALSE(w.spotlight().Visible());
    menu.Click(8);
    EXPECT_TRUE(w.clickRings().On());
    EXPECT_TRUE(w.laser().Visible());
    SendHotKey(VK_ESCAPE);
    EXPECT_FALSE(w.laser().Visible()) << "the pen hides the laser";
    SendHotKey(VK_ESCAPE);
    EXPECT_TRUE(w.laser().Visible());
    menu.Click(7);
    EXPECT_FALSE(w.laser().Visible());
    menu.Click(6);
    EXPECT_TRUE(w.spotlight().Visible());
    SendHotKey(VK_ESCAPE);
    EXPECT_FALSE(w.spotlight().Visible()) << "the pen hides the spotlight";
    SendHotKey(VK_ESCAPE);
    EXPECT_TRUE(w.spotlight().Visible()) << "and it comes back when the pen closes";
}

TEST_F(PointerEffectsTest, BadStoredValuesAreToldOfAndFallBackUntilASaveStoresGoodOnes) {
    EffectSettings stored = DefaultEffectSettings();
    stored.spotlightDimText = L"99";
    stored.laserSizeText = L"big";
    WriteEffectSettings(stored);
    Shell& w = CreateWindows();
    ASSERT_EQ(recorder_.messages.size(), 1u);
    EXPECT_NE(recorder_.messages[0].find(L"聚光灯暗度“99”不在10-95里"), std::wstring::npos) << recorder_.messages[0];
    EXPECT_NE(recorder_.messages[0].find(L"激光笔大小“big”不在4-64里"), std::wstring::npos);
    EffectSettingsGroup& group = w.settingsWindow().effectSettings;
    EXPECT_EQ(group.dimBox.Text(), L"60");
    EXPECT_EQ(LayeredAlpha(w.spotlight().Handle()), 153);
    EXPECT_EQ(ReadEffectSettings().spotlightDimText, L"99") << "nothing stored changes before a save";

    recorder_.messages.clear();
    group.radiusBox.SetText(L"601");
    LeftClick(group.saveButton);
    ASSERT_EQ(recorder_.messages.size(), 1u);
    EXPECT_EQ(recorder_.messages[0], L"聚光灯半径值不在20-600里，请重新输入。");
    EXPECT_EQ(ReadEffectSettings().laserSizeText, L"big");

    group.radiusBox.SetText(L"200");
    group.dimBox.SetText(L"80");
    LeftClick(group.saveButton);
    const EffectSettings saved = ReadEffectSettings();
    EXPECT_EQ(saved.spotlightDimText, L"80");
    EXPECT_EQ(saved.spotlightRadiusText, L"200");
    EXPECT_EQ(saved.laserSizeText, L"12");
    EXPECT_EQ(LayeredAlpha(w.spotlight().Handle()), 204) << "the effects take the saved values";
    EXPECT_EQ(w.spotlight().Radius(), 200);
}
