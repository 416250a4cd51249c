// The program's own files (the settings database, the pictures, the cursors) lie beside
// the program, wherever it was started from: a shortcut without a working folder, a
// command prompt elsewhere, or the log-in start, which runs in the system folder.
#pragma once
#include <string>

// The folder part of a program's full path, without the final separator.
std::wstring FolderOf(const std::wstring& path);

// `relative` as a path inside `folder`; a path that is already absolute (a drive, a
// network share, a root) stays as it is.
std::wstring InsideFolder(const std::wstring& folder, const std::wstring& relative);

// The command of the log-in start entry: the program's path in quotes, so a folder with
// spaces is one argument.
std::wstring StartCommandFor(const std::wstring& programPath);
// The program a log-in start entry's command names: the quoted path, or the whole
// command when it is not quoted.
std::wstring StartCommandPath(const std::wstring& command);
// Whether a log-in start entry's command starts this program (paths compared as Windows
// does, ignoring the case of Latin letters).
bool StartCommandNames(const std::wstring& command, const std::wstring& programPath);
