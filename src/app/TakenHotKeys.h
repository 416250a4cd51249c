// What the presenter is told when other programs hold some of the program's hot keys.
#pragma once
#include <string>
#include <vector>

#include "base/HotKeyTable.h"

// One message naming each taken key and what it does here, in the order given; none
// gives an empty text.
std::wstring TakenHotKeysMessage(const std::vector<HotKeyAction>& taken);
