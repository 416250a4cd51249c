// What the program starts with from its settings database: read and checked once, before
// the windows are made, and handed to each window that shows or uses it. A table that
// cannot be read, or a picture that cannot be loaded, costs only its own group: that one
// is left out and its windows keep what they were made with. Each failure is kept for
// the one report at the end of start-up, as is each value that fell back. The language
// comes first and is put to use at once: every text after it is in it, the report's too.
#pragma once
#include <exception>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "base/HotKeyTable.h"
#include "effects/StoredSettings.h"
#include "store/TimerSettings.h"
#include "ui/Picture.h"

struct StartPicture {
    std::wstring path;  // as stored: beside the program
    int offset = kDefaultPictureOffset;
    ui::Picture picture;  // empty when the file could not be loaded
};

struct StartSettings {
    LanguageChoice language = LanguageChoice::Automatic;
    std::optional<StartPicture> picture;
    std::optional<HaloValues> halo;
    std::optional<EffectValues> effects;
    // The key of every action the presenter may change, stored or by default.
    std::vector<std::pair<HotKeyAction, HotKey>> keys;
    std::optional<TimerValues> timer;

    // Lines of StoredSettingsMessage, each once.
    std::vector<std::wstring> problems;
    // What could not be read, in the order it was read.
    std::vector<std::exception_ptr> failures;
};

StartSettings ReadStartSettings(const std::string& file);
