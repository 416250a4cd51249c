// Loads the picture named on its command line as the program's windows do, in a process
// of its own, and prints the most memory the process ever held and how the load ended:
//   peak <bytes>
//   loaded <width>x<height>   or   error <message>
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <exception>

#include "ui/Picture.h"

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 2) return 2;
    std::string outcome;
    try {
        const ui::Picture picture = ui::Picture::LoadPng(args[1]);
        outcome = "loaded " + std::to_string(picture.Width()) + "x" + std::to_string(picture.Height());
    } catch (const std::exception& e) {
        outcome = std::string("error ") + e.what();
    }
    LocalFree(args);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    std::printf("peak %llu\n%s\n", static_cast<unsigned long long>(counters.PeakWorkingSetSize), outcome.c_str());
    return 0;
}
