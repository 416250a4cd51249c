// What the presenter is told when other programs hold some of the program's hot keys.
#pragma once
#include <string>
#include <vector>

// One message naming each taken key and what it does here, in the order given; keys the
// program does not use are left out, and nothing left gives an empty text.
std::wstring TakenHotKeysMessage(const std::vector<unsigned>& virtualKeys);
