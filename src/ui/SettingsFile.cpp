#include "ui/SettingsFile.h"

#include "base/Utf8.h"
#include "store/Settings.h"
#include "ui/ProgramFiles.h"

std::string SettingsFile() { return ToUtf8(ui::BesideProgram(FromUtf8(kSettingsFile))); }
