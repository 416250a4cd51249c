// Which pointer effect was on when the program last ran, kept in a table of its own (see
// OwnTable).
#pragma once
#include <string>

#include "store/OwnTable.h"
#include "store/Settings.h"

inline constexpr OwnTable kLastEffectTable{"LastEffect", "Effect"};

// The effect's name as stored, or empty when the table or its row is missing.
inline std::wstring ReadLastEffect(const std::string& dbFile = kSettingsFile) {
    return ReadOwnValue(kLastEffectTable, dbFile);
}
inline void WriteLastEffect(const std::wstring& effect, const std::string& dbFile = kSettingsFile) {
    WriteOwnValue(kLastEffectTable, effect, dbFile);
}
