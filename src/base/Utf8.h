#pragma once

#include <string>
#include <string_view>

// Conversions between the program's wide strings and the UTF-8 text of the database.
// wchar_t is UTF-16 on Windows and UTF-32 elsewhere; both are handled.
// Malformed input never fails: each bad sequence becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);
