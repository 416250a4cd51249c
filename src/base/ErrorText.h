// How an error's text is shown to the user.
#pragma once
#include <string>

// Appends a full stop unless the text is empty or already ends with a character that
// sorts at or below '.' (so "Done." and "a line\r" are left alone).
std::wstring WithFullStop(const std::wstring& text);
