// The language the presenter chose in the settings window, kept in a table of its own (see
// OwnTable): "auto", "zh" or "en" (see LanguageChoiceNamed).
#pragma once
#include <string>

#include "store/OwnTable.h"
#include "store/Settings.h"

inline constexpr OwnTable kLanguageTable{"Language", "Language"};

// As stored, or empty when nothing was chosen yet.
inline std::wstring ReadStoredLanguage(const std::string& dbFile = kSettingsFile) {
    return ReadOwnValue(kLanguageTable, dbFile);
}
inline void WriteStoredLanguage(const std::wstring& language, const std::string& dbFile = kSettingsFile) {
    WriteOwnValue(kLanguageTable, language, dbFile);
}
