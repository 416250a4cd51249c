#include "effects/StartSettings.h"

#include "store/StoredHotKeys.h"
#include "store/StoredLanguage.h"
#include "timer/TimerPlace.h"
#include "ui/Dpi.h"
#include "ui/KeyNames.h"
#include "ui/ProgramFiles.h"

namespace {

// Runs one read; a failure is noted and leaves that group as it was.
template <typename Read>
void Noting(std::vector<std::exception_ptr>& failures, Read read) {
    try {
        read();
    } catch (...) {
        failures.push_back(std::current_exception());
    }
}

void Add(std::vector<std::wstring>& into, const std::vector<std::wstring>& lines) {
    into.insert(into.end(), lines.begin(), lines.end());
}

}  // namespace

StartSettings ReadStartSettings(const std::string& file) {
    StartSettings start;
    Noting(start.failures, [&] {
        const CheckedLanguage checked = CheckStoredLanguage(ReadStoredLanguage(file));
        start.language = checked.choice;
        Add(start.problems, checked.problems);
    });
    UseLanguageOf(start.language);
    // In the order the windows first read them, so the report lists them so.
    Noting(start.failures, [&] {
        const PictureSettings stored = ReadPictureSettings(file);
        const CheckedOffset checked = CheckStoredOffset(stored);
        start.picture = StartPicture{stored.fileName, checked.offset, {}};
        Add(start.problems, checked.problems);
    });
    if (start.picture)
        Noting(start.failures,
               [&] { start.picture->picture = ui::Picture::LoadPng(ui::BesideProgram(start.picture->path)); });
    Noting(start.failures, [&] {
        const CheckedHalo checked = CheckStoredHalo(ReadHaloSettings(file));
        start.halo = checked.values;
        Add(start.problems, checked.problems);
    });
    Noting(start.failures, [&] {
        const CheckedEffects checked = CheckStoredEffects(ReadEffectSettings(file));
        start.effects = checked.values;
        Add(start.problems, checked.problems);
    });
    Noting(start.failures, [&] {
        CheckedKeys checked = CheckStoredKeys(ReadStoredHotKeys(file), ui::KeyName);
        start.keys = std::move(checked.keys);
        Add(start.problems, checked.problems);
    });
    Noting(start.failures, [&] {
        const CheckedTimer checked = CheckStoredTimer(ReadTimerSettings(file), ui::Monitors());
        start.timer = checked.values;
        Add(start.problems, checked.problems);
    });
    return start;
}
