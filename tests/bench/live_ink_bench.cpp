// What live ink costs under the real system, at the real screen size: one freehand move
// with its showing, against the same move in the frozen pen on the same run; the idle CPU
// with live ink open against nothing open; the memory it holds open, in screen bitmaps
// over closed.
// Run it under Wine from the program's folder: scripts/wine-run ./live_ink_bench.exe
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "BenchSupport.h"
#include "app/Shell.h"
#include "effects/FollowerWindow.h"
#include "pen/LiveInkWindow.h"
#include "pen/PenWindow.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kMoves = 400;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Key(Shell& windows, unsigned virtualKey) {
    SendMessageW(windows.hotKeys().Handle(), WM_HOTKEY, 0, MAKELPARAM(0, virtualKey));
}

// One freehand stroke of kMoves moves across the screen: `move` makes one move and shows
// it; the times of the moves alone and of the moves with their showing.
struct MoveTimes {
    double handled, shown;
};
MoveTimes TimeStroke(const std::function<void(int x, int y)>& move, const std::function<void()>& show) {
    std::vector<double> handled, shown;
    for (int i = 1; i <= kMoves; ++i) {
        const auto start = Clock::now();
        move(200 + i * 3, 300 + (i % 40));
        handled.push_back(MillisecondsSince(start));
        show();
        shown.push_back(MillisecondsSince(start));
    }
    const Stats alone = Summarise(handled), withShowing = Summarise(shown);
    std::printf("    mean %.3f ms, median %.3f ms the move; mean %.3f ms, median %.3f ms with its showing\n",
                alone.mean, alone.median, withShowing.mean, withShowing.median);
    return {alone.median, withShowing.median};
}

}  // namespace

int main() {
    BenchEnvironment env;
    Shell windows;
    windows.Start();
    env.RunLoopFor(300);
    windows.follower().Hide();
    env.RunLoopFor(300);
    std::printf("Screen %d x %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const double nothingIdle = IdleCpuPercent(env, 5000);
    const PROCESS_MEMORY_COUNTERS closed = MemoryCounters();

    LiveInkWindow& ink = windows.liveInk();
    windows.OpenLiveInk();
    env.RunLoopFor(300);
    std::printf("Live ink (%s):\n",
                ink.CatchesPressesItself() ? "presses caught by the window" : "presses taken by the mouse hook");
    const double inkIdle = IdleCpuPercent(env, 5000);
    const PROCESS_MEMORY_COUNTERS inkOpen = MemoryCounters();
    std::printf("  freehand, %d moves, each shown at once:\n", kMoves);
    ink.OnPress(200, 300);
    const MoveTimes live = TimeStroke([&](int x, int y) { ink.OnDrag(x, y); }, [&] { ink.ShowNow(); });
    ink.OnRelease(200 + kMoves * 3, 300);
    std::printf("  freehand, %d moves as input comes faster than it shows, then shown once:\n", kMoves);
    ink.OnPress(200, 360);
    const auto batch = Clock::now();
    TimeStroke([&](int x, int y) { ink.OnDrag(x, y + 60); }, [] {});
    ink.OnRelease(200 + kMoves * 3, 360);
    const double batchMs = MillisecondsSince(batch);
    env.RunLoopFor(300);
    const PROCESS_MEMORY_COUNTERS drawn = MemoryCounters();
    windows.CloseLiveInk();
    env.RunLoopFor(500);
    const PROCESS_MEMORY_COUNTERS inkClosed = MemoryCounters();

    Key(windows, VK_ESCAPE);
    env.RunLoopFor(300);
    PenWindow& pen = windows.penWindow();
    const HWND surface = pen.DrawingSurface().Handle();
    std::printf("The pen, the same stroke:\n");
    SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 300));
    const MoveTimes frozen =
        TimeStroke([&](int x, int y) { SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); },
                   [&] { UpdateWindow(surface); });
    SendMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(200 + kMoves * 3, 300));
    Key(windows, VK_ESCAPE);
    env.RunLoopFor(300);

    std::printf("One freehand move, live ink against the pen (medians): %.2f x the move, %.2f x with its showing\n",
                live.handled / frozen.handled, live.shown / frozen.shown);
    std::printf("  %d moves shown once: %.3f ms a move, %.2f x the pen's move with its showing\n", kMoves,
                batchMs / kMoves, batchMs / kMoves / frozen.shown);
    std::printf("Idle CPU, 5 s: nothing open %.2f %%, live ink open %.2f %% of one core (%+.2f points)\n", nothingIdle,
                inkIdle, inkIdle - nothingIdle);
    std::printf("Memory:\n");
    ReportGrowth("live ink open over closed", closed, inkOpen);
    ReportGrowth("two strokes drawn over closed", closed, drawn);
    ReportGrowth("closed again over closed", closed, inkClosed);
    return 0;
}
