// Common ground of the timing programs: a private copy of the program's data as the
// working directory, an application whose dialogs are silent, and a stopwatch.
#pragma once
#include <windows.h>
#include <psapi.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "ui/Application.h"

class BenchEnvironment {
public:
    BenchEnvironment();
    ~BenchEnvironment();
    ui::Application& App() { return *app_; }
    // Handles messages for `ms` milliseconds, sleeping between them as the real loop does.
    void RunLoopFor(int ms);

private:
    std::filesystem::path folder_;
    std::filesystem::path previous_;
    std::unique_ptr<ui::Application> app_;
};

// Average microseconds of one call of `body` over `iterations` calls.
double MicrosecondsPerCall(int iterations, const std::function<void()>& body);
// CPU time (user + kernel) of this process so far, in milliseconds.
double ProcessCpuMilliseconds();
// Private bytes of this process, in megabytes.
double ProcessMemoryMegabytes();
// The share of one core this process takes while the loop runs `ms` milliseconds with
// nothing to do, in per cent (after a moment to settle).
double IdleCpuPercent(BenchEnvironment& env, int ms);

// Wine leaves the private byte count at zero; the working set and the commit charge
// (page-file use) are what it reports.
PROCESS_MEMORY_COUNTERS MemoryCounters();
// Growth from `before` to `after` in bitmaps of the whole screen (32 bits a pixel).
void ReportGrowth(const char* what, const PROCESS_MEMORY_COUNTERS& before, const PROCESS_MEMORY_COUNTERS& after);

// Milliseconds: the mean, the median and the worst of the samples.
struct Stats {
    double mean, median, worst;
};
Stats Summarise(std::vector<double> samples);
