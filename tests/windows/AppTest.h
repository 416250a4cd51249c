// Ground for the Windows tests: each test runs in its own temporary folder holding a
// copy of the default GBTest.db and pictures, with an application whose dialogs, error
// reports and synthesised input are recorded instead of shown or sent.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/AppTexts.h"
#include "app/Shell.h"
#include "effects/EffectsTexts.h"
#include "pen/PenTexts.h"
#include "store/Settings.h"
#include "ui/Application.h"

struct RecordedMouseEvent {
    DWORD flags;
    LONG dx;
    LONG dy;
};

struct Recorder {
    std::vector<std::wstring> errors;
    std::vector<HWND> errorOwners;  // the window each error box was owned by
    std::vector<std::wstring> messages;
    std::vector<ui::MessageKind> messageKinds;  // the icon each message box showed
    std::vector<HWND> messageOwners;
    std::vector<std::wstring> questions;
    std::deque<bool> yesNoAnswers;  // first in first out; none left means No
    std::vector<RecordedMouseEvent> mouseEvents;
    // Answers the colour and file dialogs will give, first in first out; none left means cancel.
    std::deque<std::optional<COLORREF>> colorAnswers;
    std::vector<COLORREF> colorDialogInitial;  // the colour each colour dialog opened on
    std::deque<std::optional<std::wstring>> fileAnswers;
    std::vector<ui::OpenFileRequest> fileRequests;
    std::vector<ui::SaveFileRequest> saveRequests;  // answered from fileAnswers too
    bool highContrast = false;                      // what the system's setting says

    ui::Seams MakeSeams();
};

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folder the test runs in (the working directory), and the program's folder.
    const std::filesystem::path& Folder() const { return folder_; }
    static std::filesystem::path ProgramFolder();

    // Replaces the settings database with one holding these rows (texts as stored).
    void WriteSettings(const PictureSettings& picture, const HaloSettings& halo);

    // Builds the program's shell and windows, as start-up does, and optionally starts them.
    Shell& CreateWindows(bool start = true);
    void DestroyWindows();
    Shell& Windows() { return *inventory_; }

    void Pump() { app_->ProcessMessages(); }
    // Handles messages until `done` holds or the time is up; true if it held.
    bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 2000);
    // Handles messages for a while (for timers to tick).
    void PumpFor(int ms);
    // Under Wine the X server's late word on focus (of windows shown or hidden before)
    // can take a menu's owner out of the foreground just after the menu opened, which
    // closes it at once. Before a menu is opened: waits until `window` stays in front.
    void SettleForeground(HWND window);

    // Sends a hot-key message for `virtualKey` (no modifiers) with the given id to the
    // window the program's keys arrive at, as the system does when the key is pressed.
    void SendHotKey(unsigned virtualKey, int id = 0);
    static POINT CursorPos();

    Recorder recorder_;

private:
    std::filesystem::path folder_;
    std::filesystem::path previousFolder_;
    std::unique_ptr<ui::Application> app_;
    std::unique_ptr<Shell> inventory_;
};

// True while a key is registered as a hot key by someone: a second registration fails.
bool HotKeyHeld(unsigned virtualKey);
