#include "base/Text.h"

#include <atomic>
#include <vector>

#include "base/NameTable.h"
#include "base/TextSource.h"

namespace {

constexpr Named<LanguageChoice> kChoiceNames[] = {
    {LanguageChoice::Automatic, L"auto"},
    {LanguageChoice::Chinese, L"zh"},
    {LanguageChoice::English, L"en"},
};

// Set once at start-up before the windows are made; read from the writer's thread too.
std::atomic<int> languageInUse{-1};

}  // namespace

const wchar_t* StoredName(LanguageChoice choice) {
    const wchar_t* name = NameIn<LanguageChoice>(kChoiceNames, choice);
    return name ? name : kChoiceNames[0].name;
}

std::optional<LanguageChoice> LanguageChoiceNamed(const std::wstring& stored) {
    return ValueIn<LanguageChoice>(kChoiceNames, stored);
}

Language LanguageOf(LanguageChoice choice, Language system) {
    switch (choice) {
        case LanguageChoice::Chinese:
            return Language::Chinese;
        case LanguageChoice::English:
            return Language::English;
        case LanguageChoice::Automatic:
            break;
    }
    return system;
}

Language CurrentLanguage() {
    const int used = languageInUse.load();
    return used < 0 ? SystemLanguage() : static_cast<Language>(used);
}

void UseLanguage(Language language) { languageInUse = static_cast<int>(language); }

void UseLanguageOf(LanguageChoice choice) { UseLanguage(LanguageOf(choice, SystemLanguage())); }

std::wstring Text(unsigned id) { return LookUpText(CurrentLanguage(), id); }

std::wstring Formatted(unsigned id, std::initializer_list<std::wstring> values) {
    const std::wstring pattern = Text(id);
    const std::vector<std::wstring> filled(values);
    std::wstring text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
        if (pattern[i] == L'%' && next >= L'1' && next <= L'9' &&
            static_cast<std::size_t>(next - L'1') < filled.size()) {
            text += filled[next - L'1'];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
