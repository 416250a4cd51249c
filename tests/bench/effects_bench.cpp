// Cost of the pointer effects' 10 ms ticks, and the running program's idle CPU use.
#include <cstdio>

#include "BenchSupport.h"
#include "app/Inventory.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"

int main() {
    BenchEnvironment env;
    Inventory windows;
    windows.Start();
    env.RunLoopFor(300);
    TForm2& follower = windows.follower();
    TForm3& halo = windows.halo();

    constexpr int kTicks = 20000;
    SetCursorPos(700, 500);
    follower.Timer2Timer();
    halo.Timer3Timer();
    const double followerStill = MicrosecondsPerCall(kTicks, [&] { follower.Timer2Timer(); });
    const double haloStill = MicrosecondsPerCall(kTicks, [&] { halo.Timer3Timer(); });

    // A moving pointer: each tick finds it somewhere new. The pointer move itself is
    // measured apart and taken off.
    int step = 0;
    const double moveOnly = MicrosecondsPerCall(2000, [&] { SetCursorPos(600 + (++step % 200), 500); });
    const double followerMoving = MicrosecondsPerCall(2000, [&] {
        SetCursorPos(600 + (++step % 200), 500);
        follower.Timer2Timer();
    }) - moveOnly;
    const double haloMoving = MicrosecondsPerCall(2000, [&] {
        SetCursorPos(600 + (++step % 200), 500);
        halo.Timer3Timer();
    }) - moveOnly;

    // Both 10 ms timers running (and the control bar's), pointer still, for 10 seconds.
    SetCursorPos(700, 500);
    env.RunLoopFor(500);
    const double cpuBefore = ProcessCpuMilliseconds();
    const ULONGLONG wallBefore = GetTickCount64();
    env.RunLoopFor(10000);
    const double cpu = ProcessCpuMilliseconds() - cpuBefore;
    const double wall = static_cast<double>(GetTickCount64() - wallBefore);

    std::printf("follower tick, still pointer:  %8.2f us\n", followerStill);
    std::printf("halo tick, still pointer:      %8.2f us\n", haloStill);
    std::printf("follower tick, moving pointer: %8.2f us\n", followerMoving);
    std::printf("halo tick, moving pointer:     %8.2f us\n", haloMoving);
    std::printf("idle CPU over %.1f s:          %8.2f %% of one core (%.0f ms)\n", wall / 1000, 100.0 * cpu / wall, cpu);
    return 0;
}
