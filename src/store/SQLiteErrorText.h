#pragma once

#include <string>

// English description of a SQLite result code, as shown in the layer's error messages.
std::string SQLiteErrorText(int code);
