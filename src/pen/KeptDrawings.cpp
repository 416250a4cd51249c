#include "pen/KeptDrawings.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "base/Exception.h"

namespace pen {
namespace {

// Kept drawings are "kept-" and a sequence number, given in order and never again, so
// names sort by when they were kept and never collide, whatever the clock does.
const std::wstring kPrefix = L"kept-";
const std::wstring kExtension = L".png";
constexpr std::size_t kPaddedDigits = 6;
constexpr std::size_t kMostDigits = 18;  // an unsigned 64-bit number holds any of them
constexpr int kMostSuffixes = 9999;

std::wstring Padded(std::uint64_t value, std::size_t digits) {
    std::wstring text = std::to_wstring(value);
    if (text.size() < digits) text.insert(0, digits - text.size(), L'0');
    return text;
}

std::optional<std::uint64_t> SequenceOf(const std::wstring& name) {
    if (name.size() <= kPrefix.size() + kExtension.size() || name.compare(0, kPrefix.size(), kPrefix) != 0 ||
        name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) != 0)
        return std::nullopt;
    const std::wstring digits = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
    if (digits.size() > kMostDigits) return std::nullopt;
    std::uint64_t value = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - L'0');
    }
    return value;
}

struct Kept {
    std::uint64_t sequence;
    std::wstring name;
};

std::vector<Kept> KeptOldestFirst(const std::vector<std::wstring>& names) {
    std::vector<Kept> kept;
    for (const std::wstring& name : names)
        if (const auto sequence = SequenceOf(name)) kept.push_back({*sequence, name});
    std::sort(kept.begin(), kept.end(), [](const Kept& a, const Kept& b) {
        return a.sequence != b.sequence ? a.sequence < b.sequence : a.name < b.name;
    });
    return kept;
}

}  // namespace

std::wstring SaveName(const LocalTime& time, const std::function<bool(const std::wstring&)>& taken) {
    const std::wstring stem = Padded(time.year, 4) + L'-' + Padded(time.month, 2) + L'-' + Padded(time.day, 2) + L' ' +
                              Padded(time.hour, 2) + L'-' + Padded(time.minute, 2) + L'-' + Padded(time.second, 2);
    std::wstring name = stem + kExtension;
    for (int suffix = 2; taken(name); ++suffix) {
        if (suffix > kMostSuffixes) throw Exception("No free file name is left for the drawing");
        name = stem + L" (" + std::to_wstring(suffix) + L")" + kExtension;
    }
    return name;
}

std::vector<std::wstring> KeptNewestFirst(const std::vector<std::wstring>& names) {
    std::vector<std::wstring> newest;
    const std::vector<Kept> kept = KeptOldestFirst(names);
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) newest.push_back(it->name);
    return newest;
}

KeepPlan PlanKeep(const std::vector<std::wstring>& names) {
    const std::vector<Kept> kept = KeptOldestFirst(names);
    KeepPlan plan;
    plan.name = kPrefix + Padded(kept.empty() ? 1 : kept.back().sequence + 1, kPaddedDigits) + kExtension;
    // Room for the new one: kKeptDrawings - 1 of the others stay.
    const std::size_t drop = kept.size() >= kKeptDrawings ? kept.size() - (kKeptDrawings - 1) : 0;
    for (std::size_t i = 0; i < drop; ++i) plan.dropped.push_back(kept[i].name);
    return plan;
}

}  // namespace pen
