// Where the settings database lies: beside the program, not in the working directory.
#pragma once
#include <string>

// The database's path in UTF-8, as the store opens it.
std::string SettingsFile();
