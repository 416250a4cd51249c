// How fast the pen is under the real system, at the real screen size: from Esc to the
// pen shown and painted on a fresh copy of the screen, set against a bare copy of the
// screen into a bitmap; one rubber-band move of each figure; the process's memory with
// the pen open, in screen bitmaps over the pen closed; and whether closing gives back
// what one opening with a full history took; closing with the keep-save in flight and the
// memory it holds; a zoom step; how many boards the history keeps and the time to finish,
// undo and redo one.
// Run it under Wine from the program's folder: scripts/wine-run ./pen_bench.exe
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "BenchSupport.h"
#include "app/Shell.h"
#include "pen/BoardCycle.h"
#include "pen/PenWindow.h"
#include "pen/TilePool.h"
#include "pen/Zoom.h"
#include "ui/Application.h"
#include "ui/Surface.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Pump() { ui::Application::Current().ProcessMessages(); }

// Esc as the system delivers a hot key: to the window the program's keys arrive at.
void Esc(Shell& windows) { SendMessageW(windows.hotKeys().Handle(), WM_HOTKEY, 0, MAKELPARAM(0, VK_ESCAPE)); }

// One wheel notch over the shown pen at (x, y), which covers the screen from its corner.
void Wheel(PenWindow& pen, int notches, int x, int y) {
    SendMessageW(pen.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA), MAKELPARAM(x, y));
}

// Ctrl and `key` on the surface, through the message loop as the system delivers it.
void PressWithControl(PenWindow& pen, WPARAM key) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(pen.DrawingSurface().Handle(), WM_KEYDOWN, key, 1);
    Pump();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

void PaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

void Report(const char* what, const Stats& s, const char* unit = "ms") {
    std::printf("  %-52s mean %8.3f %s  median %8.3f  worst %8.3f\n", what, s.mean, unit, s.median, s.worst);
}

// The least the opening can cost: the whole screen copied into a bitmap.
Stats TimeBareCopy() {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    ui::Surface copy(width, height);
    std::vector<double> samples;
    for (int i = 0; i < 30; ++i) {
        const auto start = Clock::now();
        ui::WindowDC screen(GetDesktopWindow());
        copy.CopyFrom(screen.get());
        GdiFlush();
        samples.push_back(MillisecondsSince(start));
    }
    return Summarise(samples);
}

void TimeOpening(Shell& windows) {
    PenWindow& pen = windows.penWindow();
    std::vector<double> handler, shown, closing;
    for (int i = 0; i < 30; ++i) {
        const auto start = Clock::now();
        Esc(windows);
        handler.push_back(MillisecondsSince(start));
        PaintNow(pen.Handle());
        shown.push_back(MillisecondsSince(start));
        Pump();
        const auto closeStart = Clock::now();
        Esc(windows);
        closing.push_back(MillisecondsSince(closeStart));
        Pump();
    }
    const Stats bare = TimeBareCopy();
    const Stats handled = Summarise(handler);
    std::printf("Opening the pen (30 times):\n");
    Report("bare copy of the whole screen into a bitmap", bare);
    Report("Esc handled (screen copied, window shown)", handled);
    Report("Esc to the pen painted on the screen", Summarise(shown));
    Report("Esc closing the pen", Summarise(closing));
    std::printf("  Esc handled / bare copy: median %.2f, mean %.2f\n", handled.median / bare.median,
                handled.mean / bare.mean);
}

// A refresh with the pen open: under Wine the pen steps aside while the screen is copied.
void TimeRefresh(PenWindow& pen) {
    std::vector<double> samples;
    for (int i = 0; i < 10; ++i) {
        const auto start = Clock::now();
        pen.Palette().Button(PaletteCommand::Refresh).Click();
        samples.push_back(MillisecondsSince(start));
        Pump();
    }
    std::printf("Refresh with the pen open (10 times):\n");
    Report("screen beneath copied, pen shown again", Summarise(samples));
}

// One press, then `moves` rubber-band moves growing the figure, then the release.
void TimeRubberBand(PenWindow& pen, pen::DrawTool tool, const char* name, POINT from, SIZE reach) {
    pen.Palette().Button(tool).Click();
    const HWND surface = pen.DrawingSurface().Handle();
    constexpr int kMoves = 400;
    std::vector<double> handler, painted;
    SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    for (int i = 1; i <= kMoves; ++i) {
        const int x = from.x + reach.cx * i / kMoves, y = from.y + reach.cy * i / kMoves;
        const auto start = Clock::now();
        SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
        handler.push_back(MillisecondsSince(start));
        UpdateWindow(surface);
        painted.push_back(MillisecondsSince(start));
    }
    SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(from.x + reach.cx, from.y + reach.cy));
    std::printf("Rubber band, %s up to %ld x %ld (%d moves):\n", name, reach.cx, reach.cy, kMoves);
    Report("one move: two figures drawn, area invalidated", Summarise(handler));
    Report("one move with its repaint", Summarise(painted));
}

PROCESS_MEMORY_COUNTERS ReportMemory(const char* when) {
    const PROCESS_MEMORY_COUNTERS counters = MemoryCounters();
    std::printf("Memory %-22s working set %6.1f MB, committed %6.1f MB, peak working set %6.1f MB\n", when,
                counters.WorkingSetSize / 1048576.0, counters.PagefileUsage / 1048576.0,
                counters.PeakWorkingSetSize / 1048576.0);
    return counters;
}

// The first opening, with a drawing that fills the history, then closing: once the drawing
// is kept, the working set should be within one screen bitmap of before opening.
void ReportMemoryAcrossOneOpening(Shell& windows) {
    PenWindow& pen = windows.penWindow();
    std::printf("Memory across one opening with a full history:\n");
    const PROCESS_MEMORY_COUNTERS before = ReportMemory("before opening");
    Esc(windows);
    PaintNow(pen.Handle());
    Pump();
    const HWND surface = pen.DrawingSurface().Handle();
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    for (pen::DrawTool tool : {pen::DrawTool::Rectangle, pen::DrawTool::Eraser, pen::DrawTool::Ellipse}) {
        pen.Palette().Button(tool).Click();
        for (int i = 0; i < 12; ++i) {
            const int inset = 10 + 25 * i;
            SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inset, inset));
            SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(width - inset, inset));
            SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(width - inset, height - inset));
        }
    }
    const double screenBytes = 4.0 * width * height;
    std::printf("  undo history %zu steps, %.2f screen bitmaps; background copy %.2f screen bitmaps\n",
                pen.History().UndoCount(), pen.History().Bytes() / screenBytes, pen.Background().Bytes() / screenBytes);
    const PROCESS_MEMORY_COUNTERS open = ReportMemory("with the pen open");
    Esc(windows);
    Pump();
    // The copy that the drawing is kept from goes once it is written.
    pen.Files().WaitForWrites();
    const PROCESS_MEMORY_COUNTERS after = ReportMemory("after closing");
    std::printf("  tile pool after closing: %zu blocks held\n", pen::TilePool::Shared().HeldBlocks());
    ReportGrowth("pen open over before opening", before, open);
    ReportGrowth("after closing over before opening", before, after);
}

// Closing with a drawing keeps it as a PNG on the writer's thread: Esc must not wait for it.
void TimeClosingWithKeep(Shell& windows) {
    PenWindow& pen = windows.penWindow();
    std::vector<double> closing;
    const HWND surface = pen.DrawingSurface().Handle();
    pen.Palette().Button(pen::DrawTool::Rectangle).Click();
    PROCESS_MEMORY_COUNTERS before{}, inFlight{};
    for (int i = 0; i < 10; ++i) {
        Esc(windows);
        PaintNow(pen.Handle());
        Pump();
        pen.Files().WaitForWrites();
        SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100 + i, 100));
        SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(900, 700));
        // A moment passes between the last stroke and Esc: the stroke is on the screen and
        // its tiles are packed.
        PaintNow(pen.Handle());
        Pump();
        pen.History().WaitForPacking();
        if (i == 0) before = ReportMemory("drawn, before closing");
        const auto start = Clock::now();
        Esc(windows);
        closing.push_back(MillisecondsSince(start));
        Pump();  // the copy for the keep is made once the pen is gone
        if (i == 0) inFlight = ReportMemory("closed, keep in flight");
    }
    pen.Files().WaitForWrites();
    std::printf("Closing with a drawing, the keep-save in flight (10 times):\n");
    Report("Esc to the pen gone", Summarise(closing));
    ReportGrowth("keep in flight over before closing", before, inFlight);
}

// One wheel notch over a 1920 x 1080 picture with a drawing on it.
void TimeZoomSteps(PenWindow& pen) {
    const HWND surface = pen.DrawingSurface().Handle();
    // Notches in quick succession find the history still packing the step before; a
    // notch after a pause finds it done. Both are timed.
    std::vector<double> handler, painted, settled;
    for (int round = 0; round < 3; ++round) {
        pen.Palette().Button(PaletteCommand::Refresh).Click();
        SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 300));
        SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(1200, 800));
        for (int level = 0; level < pen::kMostZoomLevel; ++level) {
            const auto start = Clock::now();
            Wheel(pen, 1, 800, 500);
            handler.push_back(MillisecondsSince(start));
            UpdateWindow(surface);
            painted.push_back(MillisecondsSince(start));
        }
        Pump();
        for (int level = 0; level < pen::kMostZoomLevel; ++level) Wheel(pen, -1, 800, 500);
        for (int level = 0; level < pen::kMostZoomLevel; ++level) {
            pen.History().WaitForPacking();
            const auto start = Clock::now();
            Wheel(pen, 1, 800, 500);
            settled.push_back(MillisecondsSince(start));
        }
        Pump();
    }
    std::printf("Zoom steps (%zu):\n", handler.size());
    Report("one step: surface and background scaled, kept", Summarise(handler));
    Report("one step with its repaint", Summarise(painted));
    Report("one step after the history has packed the one before", Summarise(settled));
}

// Boards after a drawing until the history drops the oldest step: a white or a black
// board is painted, while every third press copies the screen again (the refresh above).
// Then a black board over a white one, a whole screen, undone and redone once its tiles
// are packed.
void ReportBoardsKept(PenWindow& pen) {
    const HWND surface = pen.DrawingSurface().Handle();
    pen.Palette().Button(PaletteCommand::Refresh).Click();
    SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 300));
    SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(1200, 800));
    std::vector<double> painted, copied;
    for (int i = 0; i < 60 || pen.NextBoardToShow() != pen::NextBoard::Black; ++i) {
        const bool copiesScreen = pen.NextBoardToShow() == pen::NextBoard::Screen;
        const auto start = Clock::now();
        pen.Palette().Button(PaletteCommand::NextBoard).Click();
        (copiesScreen ? copied : painted).push_back(MillisecondsSince(start));
    }
    pen.Palette().Button(PaletteCommand::NextBoard).Click();
    pen.History().WaitForPacking();
    std::printf("Boards (%zu pressed after a drawing and a refresh):\n", painted.size() + copied.size() + 1);
    std::printf("  steps kept %zu, %.2f screen bitmaps\n", pen.History().UndoCount(),
                pen.History().Bytes() / (4.0 * GetSystemMetrics(SM_CXSCREEN) * GetSystemMetrics(SM_CYSCREEN)));
    Report("one white or black board finished", Summarise(painted));
    Report("one screen board finished (screen copied)", Summarise(copied));
    std::vector<double> undo, redo;
    for (int i = 0; i < 10; ++i) {
        pen.History().WaitForPacking();
        auto start = Clock::now();
        PressWithControl(pen, 'Z');
        undo.push_back(MillisecondsSince(start));
        pen.History().WaitForPacking();
        start = Clock::now();
        PressWithControl(pen, 'Y');
        redo.push_back(MillisecondsSince(start));
    }
    Report("a black board over a white one undone", Summarise(undo));
    Report("and redone", Summarise(redo));
}

}  // namespace

int main() {
    BenchEnvironment env;
    ReportMemory("before any window");
    Shell windows;
    windows.Start();
    Pump();
    PenWindow& pen = windows.penWindow();
    std::printf("Screen %d x %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const PROCESS_MEMORY_COUNTERS closed = ReportMemory("with the pen closed");

    ReportMemoryAcrossOneOpening(windows);
    TimeOpening(windows);
    TimeClosingWithKeep(windows);

    Esc(windows);
    PaintNow(pen.Handle());
    Pump();
    const PROCESS_MEMORY_COUNTERS open = ReportMemory("with the pen open");
    ReportGrowth("pen open over pen closed", closed, open);
    TimeRubberBand(pen, pen::DrawTool::Rectangle, "rectangle", {300, 200}, {240, 180});
    TimeRubberBand(pen, pen::DrawTool::Rectangle, "rectangle", {300, 200}, {1200, 700});
    TimeRubberBand(pen, pen::DrawTool::Ellipse, "ellipse", {300, 200}, {240, 180});
    TimeRubberBand(pen, pen::DrawTool::Ellipse, "ellipse", {300, 200}, {1200, 700});
    TimeRubberBand(pen, pen::DrawTool::RoundRect, "rounded rectangle", {300, 200}, {240, 180});
    TimeRubberBand(pen, pen::DrawTool::RoundRect, "rounded rectangle", {300, 200}, {1200, 700});
    TimeRubberBand(pen, pen::DrawTool::Line, "line", {300, 200}, {1200, 700});
    ReportMemory("after drawing");
    const double screenBytes = 4.0 * GetSystemMetrics(SM_CXSCREEN) * GetSystemMetrics(SM_CYSCREEN);
    std::printf("  undo history %zu steps, %.2f screen bitmaps; background copy %.2f screen bitmaps\n",
                pen.History().UndoCount(), pen.History().Bytes() / screenBytes, pen.Background().Bytes() / screenBytes);
    TimeRefresh(pen);
    for (int i = 0; i < 3; ++i) pen.Palette().Button(PaletteCommand::NextBoard).Click();
    Pump();
    ReportMemory("after the three boards");
    TimeZoomSteps(pen);
    ReportBoardsKept(pen);
    Esc(windows);
    Pump();
    return 0;
}
