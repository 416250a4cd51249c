#include "app/KeyMessages.h"

#include "base/Text.h"

namespace {

// A key as a message names it; no key is "none", quoted.
std::wstring Named(HotKey key, const KeyNamer& nameOf) {
    return key.virtualKey ? nameOf(key) : Text(IDS_KEY_NONE_QUOTED);
}

}  // namespace

std::wstring TakenHotKeysMessage(const std::vector<HotKeyAction>& taken,
                                 const std::function<std::wstring(HotKeyAction)>& keyName) {
    if (taken.empty()) return {};
    std::wstring lines;
    for (HotKeyAction action : taken) {
        const HotKeyRow& row = RowOf(action);
        lines += Formatted(IDS_TAKEN_KEY_LINE, {keyName(action), Text(row.use)}) + L"\n";
    }
    return Text(IDS_TAKEN_KEYS_OPENING) + L"\n" + lines + Text(IDS_TAKEN_KEYS_CLOSING) + L"\n" +
           Text(IDS_TAKEN_KEYS_WHERE);
}

std::wstring RefusedKeyMessage(HotKeyAction action, HotKey key, HotKey kept, const std::optional<KeyRefusal>& refusal,
                               const KeyNamer& nameOf) {
    const std::wstring use = Text(RowOf(action).use);
    if (!refusal) return Formatted(IDS_KEY_REFUSED_HELD, {nameOf(key), use, Named(kept, nameOf)});
    if (refusal->reason == KeyRefusal::Reason::Typing)
        return Formatted(IDS_KEY_REFUSED_TYPING, {nameOf(key), use, Named(kept, nameOf)});
    return Formatted(IDS_KEY_REFUSED_OTHER, {nameOf(key), Text(RowOf(refusal->holder).use), use, Named(kept, nameOf)});
}

std::wstring KeysInUseText(std::span<const HeldKey> keys, bool paused, const KeyNamer& nameOf) {
    std::wstring text = Text(IDS_HELP_KEYS_IN_USE);
    HotKey pauseKey;
    for (const HeldKey& held : keys) {
        if (held.action == HotKeyAction::Pause) pauseKey = held.key;
        if (held.key.virtualKey) text += Formatted(IDS_HELP_KEY_LINE, {nameOf(held.key), Text(RowOf(held.action).use)});
    }
    if (paused) text += Formatted(IDS_HELP_KEYS_PAUSED, {Named(pauseKey, nameOf)});
    return text;
}
