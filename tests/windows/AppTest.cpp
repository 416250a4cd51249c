#include "AppTest.h"

#include <chrono>
#include <thread>

#include "base/Text.h"
#include "store/Settings.h"
#include "store/SQLiteDatabase.h"
#include "base/Utf8.h"

namespace fs = std::filesystem;

ui::Seams Recorder::MakeSeams() {
    ui::Seams s;
    s.showError = [this](HWND owner, const std::wstring& text) {
        errors.push_back(text);
        errorOwners.push_back(owner);
    };
    s.showMessage = [this](HWND owner, ui::MessageKind kind, const std::wstring& text) {
        messages.push_back(text);
        messageKinds.push_back(kind);
        messageOwners.push_back(owner);
    };
    s.askYesNo = [this](const std::wstring& text) {
        questions.push_back(text);
        if (yesNoAnswers.empty()) return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    };
    s.chooseColor = [this](HWND, COLORREF initial) -> std::optional<COLORREF> {
        colorDialogInitial.push_back(initial);
        if (colorAnswers.empty()) return std::nullopt;
        auto answer = colorAnswers.front();
        colorAnswers.pop_front();
        return answer;
    };
    s.openFile = [this](HWND, const ui::OpenFileRequest& request) -> std::optional<std::wstring> {
        fileRequests.push_back(request);
        if (fileAnswers.empty()) return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    };
    s.saveFile = [this](HWND, const ui::SaveFileRequest& request) -> std::optional<std::wstring> {
        saveRequests.push_back(request);
        if (fileAnswers.empty()) return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    };
    s.mouseEvent = [this](DWORD flags, LONG dx, LONG dy) { mouseEvents.push_back({flags, dx, dy}); };
    s.highContrast = [this] { return highContrast; };
    return s;
}

fs::path AppTest::ProgramFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

void AppTest::SetUp() {
    previousFolder_ = fs::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / (std::string("vellora-") + info->test_suite_name() + "-" + info->name() +
                                           "-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy_file(ProgramFolder() / "GBTest.db", folder_ / "GBTest.db");
    fs::copy(ProgramFolder() / "pic", folder_ / "pic", fs::copy_options::recursive);
    fs::current_path(folder_);
    app_ = std::make_unique<ui::Application>(GetModuleHandleW(nullptr), recorder_.MakeSeams(), folder_.wstring());
}

void AppTest::TearDown() {
    DestroyWindows();
    UseLanguageOf(LanguageChoice::Automatic);  // a test may have started the windows in another
    app_.reset();
    fs::current_path(previousFolder_);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void AppTest::WriteSettings(const PictureSettings& picture, const HaloSettings& halo) {
    fs::remove(folder_ / "GBTest.db");
    TSQLiteDatabase db("GBTest.db");
    db.RunSQL("CREATE TABLE GBgs (GBgsID INTEGER PRIMARY KEY, FileN TEXT, SHu TEXT)");
    db.RunSQL("CREATE TABLE GBtx (GBtxID INTEGER PRIMARY KEY, ColoeN TEXT, TouM TEXT, Ghdx TEXT)");
    db.RunSQL("INSERT INTO GBgs VALUES (1, '', '')");
    db.RunSQL("INSERT INTO GBtx VALUES (1, '', '', '')");
    WritePictureSettings(picture);
    WriteHaloSettings(halo);
}

Shell& AppTest::CreateWindows(bool start) {
    inventory_ = std::make_unique<Shell>();
    if (start) inventory_->Start();
    Pump();
    return *inventory_;
}

void AppTest::DestroyWindows() {
    inventory_.reset();
    if (app_) Pump();
}

bool AppTest::PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        Pump();
        if (done()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void AppTest::SettleForeground(HWND window) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (int steady = 0; steady < 6 && std::chrono::steady_clock::now() < end; PumpFor(50)) {
        if (GetForegroundWindow() == window) {
            ++steady;
        } else {
            SetForegroundWindow(window);
            steady = 0;
        }
    }
}

void AppTest::PumpFor(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void AppTest::SendHotKey(unsigned virtualKey, int id) {
    SendMessageW(Windows().hotKeys().Handle(), WM_HOTKEY, static_cast<WPARAM>(id), MAKELPARAM(0, virtualKey));
}

POINT AppTest::CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

bool HotKeyHeld(unsigned virtualKey) {
    // A throwaway message-only window tries to take the key; if it can, nobody held it.
    HWND probe = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const bool free = RegisterHotKey(probe, 0x7ABC, 0, virtualKey) != 0;
    if (free) UnregisterHotKey(probe, 0x7ABC);
    DestroyWindow(probe);
    return !free;
}
