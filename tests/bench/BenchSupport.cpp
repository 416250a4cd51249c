#include "BenchSupport.h"

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace fs = std::filesystem;

BenchEnvironment::BenchEnvironment() {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const fs::path program = fs::path(exe).parent_path();
    previous_ = fs::current_path();
    folder_ = fs::temp_directory_path() / ("vellora-bench-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy_file(program / "GBTest.db", folder_ / "GBTest.db");
    fs::copy(program / "pic", folder_ / "pic", fs::copy_options::recursive);
    fs::current_path(folder_);

    ui::Seams silent = ui::Seams::System();
    silent.showError = [](HWND, const std::wstring& text) { fwprintf(stderr, L"error: %ls\n", text.c_str()); };
    silent.showMessage = [error = silent.showError](HWND owner, ui::MessageKind, const std::wstring& text) {
        error(owner, text);
    };
    silent.mouseEvent = [](DWORD, LONG, LONG) {};
    app_ = std::make_unique<ui::Application>(GetModuleHandleW(nullptr), silent, folder_.wstring());
}

BenchEnvironment::~BenchEnvironment() {
    app_.reset();
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void BenchEnvironment::RunLoopFor(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        app_->ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

double MicrosecondsPerCall(int iterations, const std::function<void()>& body) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < iterations; ++i) body();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / iterations;
}

double ProcessCpuMilliseconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](FILETIME t) { return ((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0; };
    return ms(kernel) + ms(user);
}

double ProcessMemoryMegabytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage / (1024.0 * 1024.0);
}

double IdleCpuPercent(BenchEnvironment& env, int ms) {
    env.RunLoopFor(300);
    const double cpuBefore = ProcessCpuMilliseconds();
    const ULONGLONG wallBefore = GetTickCount64();
    env.RunLoopFor(ms);
    return 100.0 * (ProcessCpuMilliseconds() - cpuBefore) / static_cast<double>(GetTickCount64() - wallBefore);
}

PROCESS_MEMORY_COUNTERS MemoryCounters() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

void ReportGrowth(const char* what, const PROCESS_MEMORY_COUNTERS& before, const PROCESS_MEMORY_COUNTERS& after) {
    const double screen = 4.0 * GetSystemMetrics(SM_CXSCREEN) * GetSystemMetrics(SM_CYSCREEN);
    std::printf("  %-44s working set %+5.2f, committed %+5.2f screen bitmaps\n", what,
                (static_cast<double>(after.WorkingSetSize) - static_cast<double>(before.WorkingSetSize)) / screen,
                (static_cast<double>(after.PagefileUsage) - static_cast<double>(before.PagefileUsage)) / screen);
}

Stats Summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    double sum = 0;
    for (double s : samples) sum += s;
    return {sum / static_cast<double>(samples.size()), samples[samples.size() / 2], samples.back()};
}
