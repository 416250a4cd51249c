// Where the texts come from, provided by the program's build beneath base: the executable's
// own string tables on Windows, a table made from the same resource script elsewhere, so
// that the portable rules and their tests read the very texts the program shows.
#pragma once
#include <string>

#include "base/Text.h"

// Text `id` in `language`; empty when the table has no such text.
std::wstring LookUpText(Language language, unsigned id);
// The language of the user's Windows: Chinese for any Chinese, English otherwise.
Language SystemLanguage();
