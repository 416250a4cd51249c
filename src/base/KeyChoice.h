// The keys the presenter may give the program's actions, and the keys kept in the settings
// file read back: which a stored row may have, and what takes its place when it may not.
#pragma once
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/HotKeyTable.h"

// The action whose row in the settings file has `name`; the keyboard mouse's arrows keep
// their keys and have none.
std::optional<HotKeyAction> ActionNamed(const std::wstring& name);

// The actions whose keys the presenter may change, in the order the keys window lists them.
std::span<const HotKeyAction> ChangeableActions();
// The name an action's row has in the settings file.
const wchar_t* StoredNameOf(HotKeyAction action);

// Whether `key` would take typing away from every program: a letter, a digit, a
// punctuation key, Space, Enter, Tab or Backspace without Ctrl, Alt or Win.
bool TakesTyping(HotKey key);

// A row of the settings file as stored: the action's name, the virtual-key code (0 for
// none) and the MOD_* flags.
struct StoredKey {
    std::wstring action;
    long long key = 0;
    long long modifiers = 0;
};

// The key each changeable action has after the stored rows, and a report line for each
// row that could not be used.
struct CheckedKeys {
    std::vector<std::pair<HotKeyAction, HotKey>> keys;  // every action with a stored name, in table order
    std::vector<std::wstring> problems;
};
// `nameOf` names a key as the presenter reads it (the system's key names).
CheckedKeys CheckStoredKeys(const std::vector<StoredKey>& rows, const std::function<std::wstring(HotKey)>& nameOf);

// Why `key` cannot become the key of `action`, given every action's key now (`keys`):
// it would take typing away, or another action has it. None for a key that may be
// chosen, and for no key.
struct KeyRefusal {
    enum class Reason { Typing, OtherAction } reason;
    HotKeyAction holder;  // the action that has the key, for OtherAction
};
std::optional<KeyRefusal> RefusedKey(HotKeyAction action, HotKey key, std::span<const HeldKey> keys);

// The system's hot-key control speaks of modifiers in flags of its own (HOTKEYF_*):
// a key as the control gives it (virtual key in the low byte, flags in the high byte),
// and the value that shows a key in it. The control knows no Win key: it is dropped.
HotKey FromHotKeyControl(unsigned value);
// Keys of the block beside the letters (arrows, Insert, Delete, Home, End, Page Up and
// Down) and the numeric pad's slash and Num Lock: their scan codes carry the extended flag.
bool OnExtendedBlock(unsigned virtualKey);
unsigned HotKeyControlValue(HotKey key);
