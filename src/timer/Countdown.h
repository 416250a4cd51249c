// The classroom timer's count, on a monotonic clock the caller reads (milliseconds that
// keep counting through sleep, as GetTickCount64 does): the time shown is worked out from
// the clock each time, never counted up by ticks, so a busy machine or a slow repaint
// cannot make it drift.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// What the timer shows at a moment: the digits, and whether the length has run out (the
// digits count the overtime then) or the count is paused.
struct ShownTime {
    std::wstring digits;  // "04:59", "1:00:00", "+00:12"
    bool overtime = false;
    bool paused = false;
    friend bool operator==(const ShownTime&, const ShownTime&) = default;
};

// "mm:ss" below an hour, "h:mm:ss" from one; negative seconds count as none.
std::wstring ClockDigits(std::int64_t seconds);

class Countdown {
public:
    static constexpr std::int64_t kShortest = 1;      // seconds
    static constexpr std::int64_t kLongest = 35'999;  // 9:59:59

    // Runs from now for `seconds`, held within kShortest and kLongest.
    Countdown(std::int64_t seconds, std::int64_t nowMs);

    // The same length again from its start, running (also when paused).
    void Restart(std::int64_t nowMs);
    // Another length (held within the bounds), counted from its start, running.
    void SetLength(std::int64_t seconds, std::int64_t nowMs);
    void TogglePause(std::int64_t nowMs);
    // A minute more or less to go in this run (the length stays for the next): less
    // never goes past the end, and a minute more in overtime is a minute from now.
    void AddMinute(int sign, std::int64_t nowMs);

    std::int64_t Length() const { return lengthSeconds_; }
    bool Paused() const { return pausedAt_.has_value(); }
    ShownTime Shown(std::int64_t nowMs) const;
    // How long until the digits change: none while paused, when nothing needs drawing.
    std::optional<std::int64_t> UntilNextChange(std::int64_t nowMs) const;

private:
    // Milliseconds to the end; below zero in overtime.
    std::int64_t Left(std::int64_t nowMs) const;

    std::int64_t lengthSeconds_;
    std::int64_t endMs_;                    // the clock when the count reaches the end
    std::optional<std::int64_t> pausedAt_;  // what was left when paused
};
