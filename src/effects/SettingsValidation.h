// What the settings window's save buttons accept. Each check returns the message to show
// the user, or nothing when the boxes may be stored. A box that holds no 32-bit integer
// (only possible by pasting) throws the conversion error, which ends the save.
#pragma once
#include <optional>
#include <string>

// The text without the blanks and control characters around it.
std::wstring TrimBlanks(const std::wstring& text);

// The digit boxes keep only digits, Backspace, Tab and the editing shortcuts (select all,
// copy, paste, cut) when typed into.
bool KeptByDigitBox(wchar_t key);

// Halo size (diameter) and transparency (alpha) boxes, checked in that order.
std::optional<std::wstring> HaloInputMessage(const std::wstring& sizeText, const std::wstring& alphaText);

// Picture offset box.
std::optional<std::wstring> PictureInputMessage(const std::wstring& offsetText);
