// What the presenter is told about the program's hot keys: the ones other programs hold,
// a key the keys window refuses, and the keys in use.
#pragma once
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/HotKeyTable.h"
#include "base/KeyChoice.h"

// The default key of an action as the presenter reads it.
inline std::wstring DefaultKeyName(HotKeyAction action) { return RowOf(action).keyName; }

// One message naming each taken key (by `keyName`) and what it does here, in the order
// given, and where to choose another; none gives an empty text.
std::wstring TakenHotKeysMessage(const std::vector<HotKeyAction>& taken,
                                 const std::function<std::wstring(HotKeyAction)>& keyName = DefaultKeyName);

using KeyNamer = std::function<std::wstring(HotKey)>;

// Why `key` did not become the key of `action`, which keeps `kept`: the refusal of the
// rules, or, without one, another program holds the key.
std::wstring RefusedKeyMessage(HotKeyAction action, HotKey key, HotKey kept, const std::optional<KeyRefusal>& refusal,
                               const KeyNamer& nameOf);

// The lines the help window adds: each action that has a key, with its key, and whether
// the keys are paused.
std::wstring KeysInUseText(std::span<const HeldKey> keys, bool paused, const KeyNamer& nameOf);
