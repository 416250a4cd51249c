// The texts from the executable's own string tables, in the language asked for rather than
// the thread's: the presenter's choice may differ from the language of Windows.
#include <windows.h>

#include "base/TextSource.h"

namespace {

LANGID TableLanguage(Language language) {
    return language == Language::Chinese ? MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)
                                         : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

}  // namespace

std::wstring LookUpText(Language language, unsigned id) {
    // A table keeps its texts sixteen to a block, each as its length and its characters.
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), TableLanguage(language));
    if (!found) return {};
    const auto* entry = static_cast<const WCHAR*>(LockResource(LoadResource(module, found)));
    if (!entry) return {};
    const WCHAR* const end = entry + SizeofResource(module, found) / sizeof(WCHAR);
    for (unsigned i = 0; i < id % 16 && entry < end; ++i) entry += 1 + *entry;
    if (entry >= end || entry + 1 + *entry > end) return {};
    return std::wstring(entry + 1, *entry);
}

Language SystemLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE ? Language::Chinese : Language::English;
}
