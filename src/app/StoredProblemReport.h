// Stored settings that fell back to a new database's values, told to the user once.
// During start-up several windows read the same settings (the settings window reads what
// the follower and the halo have read), so their lines are gathered, each once, and shown
// in one message when start-up ends; a later read (a start button's) is told at once.
#pragma once
#include <functional>
#include <string>
#include <vector>

class StoredProblemReport {
public:
    explicit StoredProblemReport(std::function<void(const std::wstring& message)> show) : show_(std::move(show)) {}

    void Add(const std::vector<std::wstring>& problems);
    void EndStartUp();

private:
    std::function<void(const std::wstring& message)> show_;
    std::vector<std::wstring> gathered_;
    bool startingUp_ = true;
};
