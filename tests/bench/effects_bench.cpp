// Cost of the pointer effects' 10 ms ticks, and the running program's idle CPU use.
#include <cstdio>

#include "BenchSupport.h"
#include "app/Shell.h"
#include "effects/ClickRingsWindow.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/LaserWindow.h"
#include "effects/SpotlightWindow.h"
#include "timer/TimerWindow.h"

namespace {

struct TickCosts {
    double still;
    double moving;
};

// A tick with the pointer where it was, and with the pointer somewhere new each time
// (the pointer move itself is measured apart and taken off).
TickCosts MeasureTick(const std::function<void()>& tick) {
    constexpr int kStill = 20000, kMoving = 2000;
    SetCursorPos(700, 500);
    tick();
    const double still = MicrosecondsPerCall(kStill, tick);
    int step = 0;
    const double moveOnly = MicrosecondsPerCall(kMoving, [&] { SetCursorPos(600 + (++step % 200), 500); });
    const double moving = MicrosecondsPerCall(kMoving, [&] {
        SetCursorPos(600 + (++step % 200), 500);
        tick();
    });
    return {still, moving - moveOnly};
}

}  // namespace

int main() {
    BenchEnvironment env;
    Shell windows;
    windows.Start();
    env.RunLoopFor(300);
    FollowerWindow& follower = windows.follower();
    HaloWindow& halo = windows.halo();

    POINT p;
    const double pointerRead = MicrosecondsPerCall(20000, [&] { GetCursorPos(&p); });
    const TickCosts followerCost = MeasureTick([&] { follower.FollowPointer(); });
    follower.Hide();
    halo.Show();
    const TickCosts haloCost = MeasureTick([&] { halo.FollowPointer(); });
    SetCursorPos(700, 500);
    const double haloIdle = IdleCpuPercent(env, 5000);
    halo.Hide();
    SpotlightWindow& spotlight = windows.spotlight();
    spotlight.Show();
    const TickCosts spotlightCost = MeasureTick([&] { spotlight.FollowPointer(); });
    SetCursorPos(700, 500);
    const double spotlightIdle = IdleCpuPercent(env, 5000);
    spotlight.Hide();
    // The laser's ticks on a clock of 10 ms a tick, as the timer gives them, so its trail
    // holds what half a second of movement leaves; the still ticks are those of the held
    // trail, which draw nothing.
    LaserWindow& laser = windows.laser();
    laser.Show();
    std::int64_t clock = static_cast<std::int64_t>(GetTickCount64());
    const TickCosts laserCost = MeasureTick([&] { laser.FollowPointer(clock += 10); });
    SetCursorPos(700, 500);
    const double laserIdle = IdleCpuPercent(env, 5000);
    laser.Hide();
    // The click rings tick only while a ring lives: one step of a growing ring on a clock
    // of 10 ms a step, as the timer gives them, over twenty rings from click to end; and
    // the idle CPU with the rings on and no click.
    ClickRingsWindow& rings = windows.clickRings();
    RingWindow& ring = *rings.Rings().front();
    std::int64_t ringClock = 0;
    int ringSteps = 0;
    const double ringLife = MicrosecondsPerCall(20, [&] {
        ring.Start({700, 500}, EffectValues{}.leftRingColor, kBaseDpi, ringClock, true);
        for (; ring.Step(ringClock += 10); ++ringSteps) {}
    });
    rings.Toggle();
    const double ringsIdle = IdleCpuPercent(env, 5000);
    rings.Toggle();
    // The classroom timer counting against nothing shown: it draws once a second.
    const double nothingIdle = IdleCpuPercent(env, 5000);
    windows.timerWindow().Toggle();
    const double timerIdle = IdleCpuPercent(env, 5000);
    windows.timerWindow().Toggle();
    follower.Show();

    // The running program as it idles with the follower shown: every timer running,
    // pointer still. Then the same loop with the 10 ms timers stopped, which is the
    // cost of the message loop itself.
    SetCursorPos(700, 500);
    const double idle = IdleCpuPercent(env, 10000);
    follower.followTimer.SetEnabled(false);
    const double loopOnly = IdleCpuPercent(env, 5000);

    std::printf("GetCursorPos alone:            %8.2f us\n", pointerRead);
    std::printf("follower tick, still pointer:  %8.2f us\n", followerCost.still);
    std::printf("follower tick, moving pointer: %8.2f us\n", followerCost.moving);
    std::printf("halo tick, still pointer:      %8.2f us\n", haloCost.still);
    std::printf("halo tick, moving pointer:     %8.2f us\n", haloCost.moving);
    std::printf("spotlight tick, still pointer: %8.2f us\n", spotlightCost.still);
    std::printf("spotlight tick, moving pointer:%8.2f us\n", spotlightCost.moving);
    std::printf("laser tick, still pointer:     %8.2f us\n", laserCost.still);
    std::printf("laser tick, moving pointer:    %8.2f us\n", laserCost.moving);
    std::printf("click ring step, ring growing: %8.2f us\n", ringLife * 20 / ringSteps);
    std::printf("idle CPU, follower shown, 10 s:%8.2f %% of one core\n", idle);
    std::printf("idle CPU, halo shown, 5 s:     %8.2f %%\n", haloIdle);
    std::printf("idle CPU, spotlight shown, 5 s:%8.2f %%\n", spotlightIdle);
    std::printf("idle CPU, laser shown, 5 s:    %8.2f %%\n", laserIdle);
    std::printf("idle CPU, click rings on, 5 s: %8.2f %%\n", ringsIdle);
    std::printf("idle CPU, nothing shown, 5 s:  %8.2f %%\n", nothingIdle);
    std::printf("idle CPU, timer counting, 5 s: %8.2f %%\n", timerIdle);
    std::printf("  same loop without the 10 ms timers: %.2f %%\n", loopOnly);
    return 0;
}
