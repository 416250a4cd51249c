// The system's own words for why a file operation failed, for the messages that name it.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

// The text of a system error code in the user's language, without the line end.
std::wstring SystemReason(DWORD code);

}  // namespace ui
