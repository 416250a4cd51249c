// Common ground of the timing programs: a private copy of the program's data as the
// working directory, an application whose dialogs are silent, and a stopwatch.
#pragma once
#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>

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
