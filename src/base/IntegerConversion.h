#pragma once

#include <cstdint>
#include <string>

// The standard decimal integer conversion used for every numeric setting: leading blanks
// (spaces, tabs), an optional sign, then decimal digits or hexadecimal digits after "$",
// "0x" or "0X". Nothing may follow the digits. Throws EConvertError
// "'<text>' is not a valid integer value" on failure, a long text shortened for the quote.
std::int32_t StrToInt(const std::wstring& text);
