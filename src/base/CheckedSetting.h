// A stored setting read back as its text: a number inside its range is used, anything else
// falls back to the default with a line for the start-up report.
#pragma once
#include <string>
#include <vector>

// The range a setting admits, inclusive.
struct SettingRange {
    int least;
    int most;
};

// The stored number when it converts and lies in the range; otherwise the fallback, and a
// line naming the setting (text number `setting`), the stored text shortened, the range
// and the value used instead.
int CheckedSetting(unsigned setting, const std::wstring& text, SettingRange range, int fallback,
                   std::vector<std::wstring>& problems);
