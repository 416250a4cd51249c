#include "app/SingleInstance.h"

#include "app/AppTexts.h"

namespace {

// "Local\": one copy per log-in session; another user on the same machine runs their own.
constexpr wchar_t kMutexName[] = L"Local\\Vellora.SingleInstance";
constexpr wchar_t kBringOutName[] = L"Vellora.BringOutControlBar";
// The first copy may still be creating its windows, or showing a box of its start-up.
constexpr DWORD kWindowWaitMs = 5000;
constexpr UINT kAnswerWaitMs = 3000;

}  // namespace

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, FALSE, kMutexName)) {
    first_ = GetLastError() != ERROR_ALREADY_EXISTS;
}

UINT SingleInstance::BringOutMessage() {
    static const UINT message = RegisterWindowMessageW(kBringOutName);
    return message;
}

bool SingleInstance::BringOutFirst() const {
    const DWORD start = GetTickCount();
    HWND bar = nullptr;
    while (!(bar = FindWindowW(app::kControlBarClass, app::kProductName))) {
        if (GetTickCount() - start >= kWindowWaitMs) return false;
        Sleep(100);
    }
    // The first copy may bring its bar to the front.
    AllowSetForegroundWindow(ASFW_ANY);
    // Sent, not posted: an answer proves the first copy's message loop runs (a box of its
    // own runs one too). A hung copy gives no answer, and this one says so and leaves.
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(bar, BringOutMessage(), 0, 0, SMTO_ABORTIFHUNG, kAnswerWaitMs, &answer) != 0 &&
           answer == 1;
}
