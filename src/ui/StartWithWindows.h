// The choice to start with Windows: the usual per-user entry under the Run key, which
// needs no administrator rights, holding this program's path in quotes.
#pragma once
#include <string>

namespace ui {

// The entry's value name under HKCU\Software\Microsoft\Windows\CurrentVersion\Run.
inline constexpr wchar_t kStartEntryName[] = L"Vellora";

// Whether an entry starts this very program.
bool StartsWithWindows();
// Writes or removes the entry; throws the program's error with the system's reason.
void SetStartWithWindows(bool on);
// At start: an entry that names a program no longer there (the folder was moved) is
// pointed at this copy, so the next log-in does not try to start a program that is gone.
void CorrectStartEntry();

}  // namespace ui
