#pragma once

#include <string>

// English description of a SQLite result code, as shown in the layer's error messages.
std::string SQLiteErrorText(int code);

// A statement as the layer's error messages quote it: a text literal too long to quote
// whole is shortened like a path, to its start and its end (a picture's file name), so a
// statement holding a long path still gives a message box that fits the screen.
std::string QuotedStatement(const std::string& sql);
