#include "timer/Countdown.h"

#include <algorithm>

namespace {

constexpr std::int64_t kSecondMs = 1000;

std::wstring TwoDigits(std::int64_t value) { return (value < 10 ? L"0" : L"") + std::to_wstring(value); }

}  // namespace

std::wstring ClockDigits(std::int64_t seconds) {
    seconds = std::max<std::int64_t>(seconds, 0);
    const std::int64_t hours = seconds / 3600, minutes = seconds / 60 % 60, rest = seconds % 60;
    if (hours > 0) return std::to_wstring(hours) + L":" + TwoDigits(minutes) + L":" + TwoDigits(rest);
    return TwoDigits(minutes) + L":" + TwoDigits(rest);
}

Countdown::Countdown(std::int64_t seconds, std::int64_t nowMs)
    : lengthSeconds_(std::clamp(seconds, kShortest, kLongest)) {
    Restart(nowMs);
}

std::int64_t Countdown::Left(std::int64_t nowMs) const { return pausedAt_ ? *pausedAt_ : endMs_ - nowMs; }

void Countdown::Restart(std::int64_t nowMs) {
    endMs_ = nowMs + lengthSeconds_ * kSecondMs;
    pausedAt_.reset();
}

void Countdown::SetLength(std::int64_t seconds, std::int64_t nowMs) {
    lengthSeconds_ = std::clamp(seconds, kShortest, kLongest);
    Restart(nowMs);
}

void Countdown::TogglePause(std::int64_t nowMs) {
    if (pausedAt_) {
        endMs_ = nowMs + *pausedAt_;
        pausedAt_.reset();
    } else {
        pausedAt_ = Left(nowMs);
    }
}

void Countdown::AddMinute(int sign, std::int64_t nowMs) {
    const std::int64_t left = Left(nowMs);
    std::int64_t wanted = left;
    if (sign > 0)
        wanted = std::min(std::max<std::int64_t>(left, 0) + 60 * kSecondMs, kLongest * kSecondMs);
    else if (left > 0)
        wanted = std::max<std::int64_t>(left - 60 * kSecondMs, 0);
    if (pausedAt_)
        pausedAt_ = wanted;
    else
        endMs_ = nowMs + wanted;
}

ShownTime Countdown::Shown(std::int64_t nowMs) const {
    const std::int64_t left = Left(nowMs);
    // A second begun counts: 05:00 shows until a whole second has gone.
    if (left > 0) return {ClockDigits((left + kSecondMs - 1) / kSecondMs), false, Paused()};
    return {L"+" + ClockDigits(-left / kSecondMs), true, Paused()};
}

std::optional<std::int64_t> Countdown::UntilNextChange(std::int64_t nowMs) const {
    if (pausedAt_) return std::nullopt;
    const std::int64_t left = Left(nowMs);
    // Counting down, the digits change when what is left reaches a whole second; in
    // overtime, when the time over does.
    const std::int64_t phase = left > 0 ? left % kSecondMs : kSecondMs - (-left) % kSecondMs;
    return phase == 0 ? kSecondMs : phase;
}
