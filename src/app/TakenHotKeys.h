// What the presenter is told when other programs hold some of the program's hot keys.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "base/HotKeyTable.h"

// The default key of an action as the presenter reads it.
inline std::wstring DefaultKeyName(HotKeyAction action) { return RowOf(action).keyName; }

// One message naming each taken key (by `keyName`) and what it does here, in the order
// given; none gives an empty text.
std::wstring TakenHotKeysMessage(const std::vector<HotKeyAction>& taken,
                                 const std::function<std::wstring(HotKeyAction)>& keyName = DefaultKeyName);
