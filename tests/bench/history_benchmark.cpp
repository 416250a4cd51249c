// The pen's undo history at 1920 x 1080 with its tiles deflated on the packer's thread:
// how long finishing, undoing and redoing a full-screen step takes on the window's
// thread, what such a step keeps once packed, and how many board presses the bound of two
// screen bitmaps keeps. The packer is waited for outside the timed part, as a presenter's
// pause between two steps would.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "ScreenPictures.h"
#include "pen/UndoHistory.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080;
constexpr std::size_t kScreenBytes = std::size_t{4} * kWidth * kHeight;
constexpr pen::Rect kWhole{0, 0, kWidth, kHeight};

using Picture = std::vector<std::uint32_t>;
using Clock = std::chrono::steady_clock;

// Wall time says what the presenter waits on this busy machine; the calling thread's own
// processor time says what the work costs without the other programs' share.
struct Spent {
    double wall = 0, cpu = 0;
};

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

template <typename Work>
Spent Time(Work work) {
    const auto start = Clock::now();
    const double cpu = ThreadSeconds();
    work();
    return {std::chrono::duration<double>(Clock::now() - start).count(), ThreadSeconds() - cpu};
}

void Report(benchmark::State& state, const char* name, const std::vector<Spent>& samples) {
    std::vector<double> wall, cpu;
    for (const Spent& s : samples) wall.push_back(s.wall), cpu.push_back(s.cpu);
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    state.counters[std::string(name) + "_ms_median"] = wall[wall.size() / 2] * 1e3;
    state.counters[std::string(name) + "_ms_worst"] = wall.back() * 1e3;
    state.counters[std::string(name) + "_cpu_ms_median"] = cpu[cpu.size() / 2] * 1e3;
}

Picture Content(int kind, unsigned variant) {
    return kind == 0 ? testpictures::Desktop(kWidth, kHeight, variant) : testpictures::Noise(kWidth, kHeight, variant);
}

struct Pen {
    Picture surface;
    pen::PixelTiles background{kWidth, kHeight};
    pen::UndoHistory history{kWidth, kHeight, 2 * kScreenBytes};

    pen::PixelPlane Plane() { return {surface.data(), kWidth, kHeight}; }
    // A refresh or a board: a new picture over all of the surface. Returns the time
    // spent in the history; the copy itself is the screen's or the board's work.
    Spent CopyStep(const Picture& next) {
        const Spent begun = Time([&] { history.BeginCopy(Plane(), kWhole, background); });
        surface = next;
        const Spent finished = Time([&] { history.Finish(Plane()); });
        return {begun.wall + finished.wall, begun.cpu + finished.cpu};
    }
    // A stroke across the picture, as the pen draws one.
    void Stroke(int row) {
        const pen::Rect r{100, row, kWidth - 100, row + 6};
        background.Keep(Plane(), r);
        history.Touch(Plane(), r);
        for (int y = r.top; y < r.bottom; ++y)
            std::fill_n(surface.begin() + y * kWidth + r.left, r.right - r.left, 0xFF);
        history.Finish(Plane());
    }
};

void FinishFullScreenStep(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const Picture pictures[] = {Content(kind, 1), Content(kind, 2)};
    Pen pen{pictures[0]};
    std::vector<Spent> steps;
    for (auto _ : state) {
        steps.push_back(pen.CopyStep(pictures[steps.size() % 2]));
        state.SetIterationTime(steps.back().wall);
        pen.history.WaitForPacking();
    }
    Report(state, "finish", steps);
    state.counters["screens_per_step"] = double(pen.history.Bytes()) / pen.history.UndoCount() / kScreenBytes;
    state.counters["steps_kept"] = double(pen.history.UndoCount());
}
BENCHMARK(FinishFullScreenStep)->ArgName("noise")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Undo and redo of the last of ten full-screen steps, each packed beforehand.
void UndoAndRedoFullScreenStep(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    Pen pen{Content(kind, 0)};
    for (unsigned variant = 1; variant <= 10; ++variant) pen.CopyStep(Content(kind, variant));
    pen.history.WaitForPacking();
    std::vector<Spent> undos, redos;
    for (auto _ : state) {
        undos.push_back(Time([&] { pen.history.Undo(pen.Plane(), pen.background); }));
        pen.history.WaitForPacking();
        redos.push_back(Time([&] { pen.history.Redo(pen.Plane(), pen.background); }));
        pen.history.WaitForPacking();
        state.SetIterationTime(undos.back().wall + redos.back().wall);
    }
    Report(state, "undo", undos);
    Report(state, "redo", redos);
}
BENCHMARK(UndoAndRedoFullScreenStep)->ArgName("noise")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// A stroke on the desktop, then the board button pressed again and again (white, black,
// the screen): how many presses the bound keeps, and whether the stroke is still there.
void BoardPresses(benchmark::State& state) {
    for (auto _ : state) {
        const Picture desktop = Content(0, 1);
        const Picture white(desktop.size(), 0xFFFFFF), black(desktop.size(), 0);
        Pen pen{desktop};
        pen.Stroke(500);
        const Picture* boards[] = {&white, &black, &desktop};
        for (int press = 0; press < 60; ++press) {
            pen.CopyStep(*boards[press % 3]);
            pen.history.WaitForPacking();
        }
        state.counters["steps_kept"] = double(pen.history.UndoCount());
        state.counters["history_screens"] = double(pen.history.Bytes()) / kScreenBytes;
    }
}
BENCHMARK(BoardPresses)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
