// Values quoted in messages: a message box grows with its text, so a value of thousands
// of characters would push the box and its OK button off the screen.
#pragma once
#include <cstddef>
#include <string>

// The longest value a message quotes whole, in characters.
constexpr std::size_t kLongestQuotedValue = 60;

// The value itself when it is short enough, else its start followed by "…". A character
// outside the basic plane (a surrogate pair in UTF-16) is never cut in two.
std::wstring ShortenedForQuote(const std::wstring& value);

// A path shortened the same way, keeping what tells the reader which file it is: its
// start and its file name, with "…" between. A file name too long to keep whole keeps
// its end (the extension) instead.
std::wstring ShortenedPathForQuote(const std::wstring& path);
