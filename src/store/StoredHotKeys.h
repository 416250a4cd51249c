// The keys the presenter gave the program's actions, kept in the table HotKeys of the
// settings file (made by the first change): one row an action, its virtual-key code (0 for
// none) and its MOD_* flags. What the rows may hold is CheckStoredKeys' to judge.
#pragma once
#include <string>
#include <vector>

#include "base/KeyChoice.h"
#include "store/Settings.h"

// The rows as stored, in the order of their actions' names; none without the table.
std::vector<StoredKey> ReadStoredHotKeys(const std::string& dbFile = kSettingsFile);
// Stores the rows (each replacing its action's row), making the table when it is missing;
// all of them or, when one fails, none.
void WriteStoredHotKeys(const std::vector<StoredKey>& rows, const std::string& dbFile = kSettingsFile);
