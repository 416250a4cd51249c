// Where the running program lies, so its own files are opened beside it whatever the
// working directory.
#pragma once
#include <string>

namespace ui {

// The full path of the running executable.
std::wstring ProgramPath();
// `relative` (for example "pic\arrow.png") inside the executable's folder.
std::wstring BesideProgram(const std::wstring& relative);

}  // namespace ui
