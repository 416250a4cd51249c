// The program's texts in the presenter's language. Each is read by its number (see
// TextIds.h) from the string table of the language in use: the one chosen in the settings
// window, or else the language of Windows.
#pragma once
#include <initializer_list>
#include <optional>
#include <string>

#include "base/TextIds.h"

enum class Language { Chinese, English };

// The language the presenter chose in the settings window; Automatic follows Windows.
enum class LanguageChoice { Automatic, Chinese, English };

// The choice as the settings database stores it, and back: nothing for a stored text that
// is none of the three.
const wchar_t* StoredName(LanguageChoice choice);
std::optional<LanguageChoice> LanguageChoiceNamed(const std::wstring& stored);
// The language a choice comes to on a system whose own language is `system`.
Language LanguageOf(LanguageChoice choice, Language system);

// The language in use, from the first text on: the system's until UseLanguage.
Language CurrentLanguage();
void UseLanguage(Language language);
// Uses the language `choice` comes to on this system.
void UseLanguageOf(LanguageChoice choice);

// Text number `id` in the language in use.
std::wstring Text(unsigned id);
// Text `id` with %1, %2 ... replaced by `values` in order.
std::wstring Formatted(unsigned id, std::initializer_list<std::wstring> values);
