#include "timer/TimerPlace.h"

#include <algorithm>
#include <cmath>

#include "base/CheckedSetting.h"
#include "base/Exception.h"
#include "base/IntegerConversion.h"
#include "base/QuotedValue.h"
#include "base/Text.h"

namespace {

constexpr int kWidthPerHeight = 3;  // room for "+00:00" at the full height of the digits
constexpr int kHeightFraction = 5;  // of the monitor's height

ScreenPoint Centre(const ScreenRect& r) { return {r.left + r.Width() / 2, r.top + r.Height() / 2}; }

ScreenSize Smallest(const MonitorInfo& monitor) {
    return {ScaleForDpi(kSmallestTimer.width, monitor.dpi), ScaleForDpi(kSmallestTimer.height, monitor.dpi)};
}

// The size held between the smallest and the monitor, and the place moved inside it.
ScreenRect Within(const MonitorInfo& monitor, int left, int top, int width, int height) {
    const ScreenRect& m = monitor.bounds;
    const ScreenSize least = Smallest(monitor);
    width = std::clamp(width, std::min(least.width, m.Width()), m.Width());
    height = std::clamp(height, std::min(least.height, m.Height()), m.Height());
    left = std::clamp(left, m.left, m.right - width);
    top = std::clamp(top, m.top, m.bottom - height);
    return {left, top, left + width, top + height};
}

ScreenRect AtCorner(const MonitorInfo& monitor, int width, int height) {
    const ScreenRect& m = monitor.bounds;
    const int margin = m.Height() / 40;
    return Within(monitor, m.left + margin, m.top + margin, width, height);
}

std::optional<int> WholeNumber(const std::wstring& text) {
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<ScreenRect> CheckedPlace(const TimerSettings& stored, std::span<const MonitorInfo> monitors,
                                       std::vector<std::wstring>& problems) {
    const std::wstring* texts[] = {&stored.leftText, &stored.topText, &stored.widthText, &stored.heightText};
    if (std::all_of(std::begin(texts), std::end(texts), [](const std::wstring* t) { return t->empty(); }))
        return std::nullopt;
    const auto left = WholeNumber(stored.leftText), top = WholeNumber(stored.topText);
    const auto width = WholeNumber(stored.widthText), height = WholeNumber(stored.heightText);
    if (left && top && width && height && *width > 0 && *height > 0) {
        const ScreenRect place{*left, *top, *left + *width, *top + *height};
        const ScreenPoint centre = Centre(place);
        for (const MonitorInfo& monitor : monitors)
            if (monitor.bounds.Contains(centre)) return place;
    }
    problems.push_back(
        Formatted(IDS_STORED_TIMER_PLACE, {ShortenedForQuote(stored.leftText), ShortenedForQuote(stored.topText)}));
    return std::nullopt;
}

}  // namespace

CheckedTimer CheckStoredTimer(const std::optional<TimerSettings>& stored, std::span<const MonitorInfo> monitors) {
    CheckedTimer checked;
    if (!stored) return checked;
    TimerValues& v = checked.values;
    v.seconds = CheckedSetting(IDS_STORED_TIMER_LENGTH, stored->secondsText, {1, 35'999}, kDefaultTimerSeconds,
                               checked.problems);
    v.sound = CheckedSetting(IDS_STORED_TIMER_SOUND, stored->soundText, {0, 1}, 0, checked.problems) == 1;
    v.place = CheckedPlace(*stored, monitors, checked.problems);
    return checked;
}

ScreenRect DefaultTimerPlace(const MonitorInfo& monitor) {
    const int height = monitor.bounds.Height() / kHeightFraction;
    return AtCorner(monitor, height * kWidthPerHeight, height);
}

ScreenRect TimerPlaceOn(const MonitorInfo& monitor, const std::optional<ScreenRect>& stored) {
    if (!stored) return DefaultTimerPlace(monitor);
    if (monitor.bounds.Contains(Centre(*stored)))
        return Within(monitor, stored->left, stored->top, stored->Width(), stored->Height());
    return AtCorner(monitor, stored->Width(), stored->Height());
}

ScreenRect TimerPlaceAfterDisplayChange(const ScreenRect& place, std::span<const MonitorInfo> monitors) {
    const MonitorInfo* monitor = MonitorAt(monitors, Centre(place));
    return monitor ? TimerPlaceOn(*monitor, place) : place;
}

ScreenRect ScaledTimerPlace(const ScreenRect& place, int notches, const MonitorInfo& monitor) {
    const double factor = std::pow(1.1, notches);
    const ScreenSize least = Smallest(monitor);
    // The shape stays: the smallest and the largest size are reached by both sides at once.
    const double most = std::min(static_cast<double>(monitor.bounds.Width()) / place.Width(),
                                 static_cast<double>(monitor.bounds.Height()) / place.Height());
    const double fewest =
        std::max(static_cast<double>(least.width) / place.Width(), static_cast<double>(least.height) / place.Height());
    const double scale = std::clamp(factor, std::min(fewest, most), most);
    const int width = static_cast<int>(std::lround(place.Width() * scale));
    const int height = static_cast<int>(std::lround(place.Height() * scale));
    const ScreenPoint centre = Centre(place);
    return Within(monitor, centre.x - width / 2, centre.y - height / 2, width, height);
}
