#include "base/KeyChoice.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "base/NameTable.h"
#include "base/QuotedValue.h"
#include "base/Text.h"

namespace {

constexpr Named<HotKeyAction> kStoredNames[] = {
    {HotKeyAction::Picture, L"picture"},
    {HotKeyAction::Halo, L"halo"},
    {HotKeyAction::KeyboardMouse, L"keyboardMouse"},
    {HotKeyAction::Click, L"click"},
    {HotKeyAction::Pen, L"pen"},
    {HotKeyAction::Spotlight, L"spotlight"},
    {HotKeyAction::Laser, L"laser"},
    {HotKeyAction::ClickRings, L"clickRings"},
    {HotKeyAction::Pause, L"pause"},
    {HotKeyAction::Timer, L"timer"},
    {HotKeyAction::LiveInk, L"liveInk"},
};

constexpr unsigned kModAlt = 0x0001, kModControl = 0x0002, kModWin = 0x0008, kAllMods = 0x000F;

// What was chosen for an action so far, and whether a stored row chose it.
struct Choice {
    HotKeyAction action;
    HotKey key;
    bool stored = false;
    const StoredKey* row = nullptr;
};

}  // namespace

std::optional<HotKeyAction> ActionNamed(const std::wstring& name) { return ValueIn<HotKeyAction>(kStoredNames, name); }

std::span<const HotKeyAction> ChangeableActions() {
    static const auto actions = [] {
        std::array<HotKeyAction, std::size(kStoredNames)> list{};
        std::transform(std::begin(kStoredNames), std::end(kStoredNames), list.begin(),
                       [](const Named<HotKeyAction>& named) { return named.value; });
        return list;
    }();
    return actions;
}

const wchar_t* StoredNameOf(HotKeyAction action) {
    const wchar_t* name = NameIn<HotKeyAction>(kStoredNames, action);
    return name ? name : L"";
}

bool TakesTyping(HotKey key) {
    if (key.modifiers & (kModAlt | kModControl | kModWin)) return false;
    const unsigned vk = key.virtualKey;
    const bool letterOrDigit = (vk >= 0x30 && vk <= 0x39) || (vk >= 0x41 && vk <= 0x5A) || (vk >= 0x60 && vk <= 0x6F);
    const bool punctuation = (vk >= 0xBA && vk <= 0xC0) || (vk >= 0xDB && vk <= 0xDF) || vk == 0xE2;
    const bool editing = vk == 0x20 || vk == 0x0D || vk == 0x09 || vk == 0x08;  // Space, Enter, Tab, Backspace
    return letterOrDigit || punctuation || editing;
}

CheckedKeys CheckStoredKeys(const std::vector<StoredKey>& rows, const std::function<std::wstring(HotKey)>& nameOf) {
    CheckedKeys checked;
    std::vector<Choice> choices;
    for (const Named<HotKeyAction>& named : kStoredNames) choices.push_back({named.value, RowOf(named.value).key});

    const auto refuse = [&](const StoredKey& row, HotKeyAction action, unsigned reason) {
        const bool aKey = row.key >= 0 && row.key <= 0xFE && row.modifiers >= 0 && row.modifiers <= kAllMods;
        const std::wstring stored = aKey
                                        ? nameOf({static_cast<unsigned>(row.key), static_cast<unsigned>(row.modifiers)})
                                        : std::to_wstring(row.key) + L"+" + std::to_wstring(row.modifiers);
        checked.problems.push_back(Formatted(IDS_STORED_KEY_LINE, {Text(RowOf(action).use), ShortenedForQuote(stored),
                                                                   Text(reason), nameOf(RowOf(action).key)}));
    };
    for (const StoredKey& row : rows) {
        const std::optional<HotKeyAction> action = ActionNamed(row.action);
        if (!action) {
            checked.problems.push_back(Formatted(IDS_STORED_KEY_UNKNOWN, {ShortenedForQuote(row.action)}));
            continue;
        }
        if (row.key < 0 || row.key > 0xFE || row.modifiers < 0 || row.modifiers > kAllMods) {
            refuse(row, *action, IDS_KEY_REASON_INVALID);
            continue;
        }
        const HotKey key{static_cast<unsigned>(row.key), row.key ? static_cast<unsigned>(row.modifiers) : 0u};
        if (key.virtualKey && TakesTyping(key)) {
            refuse(row, *action, IDS_KEY_REASON_TYPING);
            continue;
        }
        Choice& choice =
            *std::find_if(choices.begin(), choices.end(), [&](const Choice& c) { return c.action == *action; });
        choice = {*action, key, true, &row};
    }
    // A key two actions have: a stored one gives way to a default, a later row to an
    // earlier one. A default given back may meet another stored key, so until none do.
    for (bool clash = true; clash;) {
        clash = false;
        for (auto a = choices.begin(); a != choices.end() && !clash; ++a)
            for (auto b = std::next(a); b != choices.end() && !clash; ++b) {
                if (!a->key.virtualKey || a->key != b->key) continue;
                Choice& yielding = b->stored ? *b : *a;
                if (!yielding.stored) continue;  // defaults never clash
                refuse(*yielding.row, yielding.action, IDS_KEY_REASON_TAKEN);
                yielding = {yielding.action, RowOf(yielding.action).key};
                clash = true;
            }
    }
    for (const Choice& choice : choices) checked.keys.emplace_back(choice.action, choice.key);
    return checked;
}

std::optional<KeyRefusal> RefusedKey(HotKeyAction action, HotKey key, std::span<const HeldKey> keys) {
    if (!key.virtualKey) return std::nullopt;
    if (TakesTyping(key)) return KeyRefusal{KeyRefusal::Reason::Typing, action};
    for (const HeldKey& other : keys)
        if (other.action != action && other.key == key)
            return KeyRefusal{KeyRefusal::Reason::OtherAction, other.action};
    return std::nullopt;
}

namespace {
// HOTKEYF_SHIFT, HOTKEYF_CONTROL, HOTKEYF_ALT beside the MOD_* flag each stands for.
constexpr std::pair<unsigned, unsigned> kControlFlags[] = {{0x01, 0x0004}, {0x02, kModControl}, {0x04, kModAlt}};
}  // namespace

HotKey FromHotKeyControl(unsigned value) {
    HotKey key{value & 0xFFu, 0};
    if (!key.virtualKey) return {};
    for (const auto& [flag, modifier] : kControlFlags)
        if ((value >> 8) & flag) key.modifiers |= modifier;
    return key;
}

bool OnExtendedBlock(unsigned vk) {
    switch (vk) {
        case 0x21:  // Page Up
        case 0x22:  // Page Down
        case 0x23:  // End
        case 0x24:  // Home
        case 0x25:  // the arrows
        case 0x26:
        case 0x27:
        case 0x28:
        case 0x2D:  // Insert
        case 0x2E:  // Delete
        case 0x6F:  // the numeric pad's slash
        case 0x90:  // Num Lock
            return true;
        default:
            return false;
    }
}

unsigned HotKeyControlValue(HotKey key) {
    unsigned flags = OnExtendedBlock(key.virtualKey) ? 0x08u : 0u;  // HOTKEYF_EXT
    for (const auto& [flag, modifier] : kControlFlags)
        if (key.modifiers & modifier) flags |= flag;
    return (key.virtualKey & 0xFFu) | (flags << 8);
}
