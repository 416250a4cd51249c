#include "app/StoredProblemReport.h"

#include <algorithm>

#include "effects/StoredSettings.h"

void StoredProblemReport::Add(const std::vector<std::wstring>& problems) {
    if (!startingUp_) {
        if (!problems.empty()) show_(StoredSettingsMessage(problems));
        return;
    }
    for (const std::wstring& problem : problems)
        if (std::find(gathered_.begin(), gathered_.end(), problem) == gathered_.end()) gathered_.push_back(problem);
}

void StoredProblemReport::EndStartUp() {
    startingUp_ = false;
    if (gathered_.empty()) return;
    // Cleared first: the message box runs its own message loop, in which a start button
    // may report again.
    const std::vector<std::wstring> problems = std::move(gathered_);
    gathered_.clear();
    show_(StoredSettingsMessage(problems));
}
