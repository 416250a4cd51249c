// The keys the presenter may give the program's actions, and the keys kept in the settings
// file read back: which a stored row may have, and what takes its place when it may not.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/HotKeyTable.h"

// The action whose row in the settings file has `name`; the keyboard mouse's arrows keep
// their keys and have none.
std::optional<HotKeyAction> ActionNamed(const std::wstring& name);

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
