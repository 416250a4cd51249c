// Which pointer effect was on when the program last ran, kept in a table of its own in the
// settings database. The table is made by the first write, so a database laid out before
// it existed still starts as it always did, and older copies of the program, which never
// read it, still read the file.
#pragma once
#include <string>

#include "store/Settings.h"

inline constexpr char kLastEffectTable[] = "LastEffect";

// The effect's name as stored, or empty when the table or its row is missing.
std::wstring ReadLastEffect(const std::string& dbFile = kSettingsFile);
// Stores the name, making the table when it is missing.
void WriteLastEffect(const std::wstring& effect, const std::string& dbFile = kSettingsFile);
