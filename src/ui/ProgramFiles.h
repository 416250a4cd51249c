// Where the running program lies, so its own files are opened beside it whatever the
// working directory.
#pragma once
#include <string>

namespace ui {

// The full path of the running executable.
std::wstring ProgramPath();
// The folder that holds it.
std::wstring ProgramFolder();
// `relative` (for example "pic\arrow.png") inside the folder of the program's files, which
// the application holds: the executable's folder, or a test's own.
std::wstring BesideProgram(const std::wstring& relative);

}  // namespace ui
