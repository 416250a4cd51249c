// A periodic tick delivered as WM_TIMER through the owning form's message loop.
#pragma once
#include <windows.h>

#include <functional>

namespace ui {

class Form;

class Timer {
public:
    Timer(Form& owner, UINT intervalMs, bool enabled = true);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    void SetEnabled(bool enabled);
    // The next tick comes `intervalMs` from now, and so on, when enabled.
    void SetInterval(UINT intervalMs);
    bool Enabled() const { return enabled_; }
    UINT Interval() const { return interval_; }
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

    // Runs OnTimer; the owning form calls it for each WM_TIMER of this timer.
    void Tick();

    std::function<void()> OnTimer;

private:
    Form& owner_;
    UINT interval_;
    bool enabled_ = false;
};

}  // namespace ui
