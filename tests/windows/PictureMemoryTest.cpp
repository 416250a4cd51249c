// Pictures whose header asks for more than the program will give: each is loaded in a
// process of its own, whose peak memory must stay small whatever the file declares.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TestPictures.h"
#include "base/Utf8.h"

namespace fs = std::filesystem;

namespace {

// The probe takes about 14 MB under Wine to start and load a small picture; a kept corner
// costs 2 MB more. Any of these files would cost gigabytes if its declared size were believed.
constexpr unsigned long long kPeakLimit = 32ull << 20;

struct ProbeResult {
    unsigned long long peak = 0;
    std::string outcome;
};

fs::path ProgramDir() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

ProbeResult Probe(const fs::path& picture) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    std::wstring command =
        L"\"" + (ProgramDir() / L"picture_probe.exe").wstring() + L"\" \"" + picture.wstring() + L"\"";
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    char buffer[4096];
    DWORD n = 0;
    while (started && ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) output.append(buffer, n);
    CloseHandle(readEnd);
    if (!started) return {};
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ProbeResult result;
    const size_t lineEnd = output.find('\n');
    result.peak = std::stoull(output.substr(5, lineEnd - 5));
    result.outcome = output.substr(lineEnd + 1);
    while (!result.outcome.empty() && (result.outcome.back() == '\n' || result.outcome.back() == '\r'))
        result.outcome.pop_back();
    return result;
}

std::vector<std::uint8_t> BlankPaletteRow(int width, int) { return std::vector<std::uint8_t>((width + 7) / 8, 0); }

}  // namespace

TEST(PictureMemoryTest, DeclaredSizesCannotTakeMemory) {
    const fs::path folder = fs::temp_directory_path() / ("vellora-pictures-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    testpictures::PngPicture huge;
    huge.width = huge.height = 16000;
    huge.colorType = 3;  // palette
    huge.bitDepth = 1;
    huge.palette = {10, 20, 30, 40, 50, 60};
    huge.row = BlankPaletteRow;
    const struct {
        const char* name;
        std::string bytes;
        std::string outcome;  // the probe's line: "loaded WxH" or the start of "error ..."
    } rows[] = {
        {"small.png", testpictures::HeaderOnlyPng(1, 1), "loaded 1x1"},
        {"30000.png", testpictures::HeaderOnlyPng(30000, 30000), "error The picture \""},
        {"40000.png", testpictures::HeaderOnlyPng(40000, 40000), "error The picture \""},
        {"text.png", testpictures::HugeTextChunkPng(), "error Invalid PNG file \""},
        {"16000.png", testpictures::EncodePng(huge), "loaded 512x512"},
        {"empty.png", "", "error The file \""},
    };
    for (const auto& row : rows) {
        const fs::path file = folder / row.name;
        std::ofstream(file, std::ios::binary).write(row.bytes.data(), static_cast<std::streamsize>(row.bytes.size()));
        const ProbeResult result = Probe(file);
        std::printf("%-10s peak %6.1f MB  %s\n", row.name, result.peak / 1048576.0, result.outcome.c_str());
        EXPECT_LT(result.peak, kPeakLimit) << row.name;
        EXPECT_EQ(result.outcome.substr(0, row.outcome.size()), row.outcome) << row.name;
        if (row.outcome.starts_with("error")) {
            EXPECT_NE(result.outcome.find(row.name), std::string::npos);
        }
    }
    fs::remove_all(folder);
}
