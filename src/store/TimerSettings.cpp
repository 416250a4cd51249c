#include "store/TimerSettings.h"

#include "base/Utf8.h"
#include "store/SQLiteDatabase.h"

std::optional<TimerSettings> ReadTimerSettings(const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    if (database.QueryTable("Select count(*) from sqlite_master where type='table' and name='TimerSettings'")
            ->FieldText(0) == "0")
        return std::nullopt;
    const auto table = database.QueryTable(
        "Select Seconds, Sound, PlaceLeft, PlaceTop, PlaceWidth, PlaceHeight from TimerSettings "
        "where TimerSettingsID=1");
    if (table->AtEnd()) return std::nullopt;
    const auto text = [&](int column) { return FromUtf8(table->FieldText(column)); };
    return TimerSettings{text(0), text(1), text(2), text(3), text(4), text(5)};
}

void WriteTimerSettings(const TimerValues& values, const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    database.RunSQL(
        "Create table if not exists TimerSettings (TimerSettingsID INTEGER PRIMARY KEY, Seconds INTEGER NOT NULL, "
        "Sound INTEGER NOT NULL, PlaceLeft INTEGER, PlaceTop INTEGER, PlaceWidth INTEGER, PlaceHeight INTEGER)");
    // No place of its own is stored as empty cells.
    const std::optional<ScreenRect>& p = values.place;
    const auto cell = [&](int value) {
        return p ? BindValue(std::int64_t{value}) : BindValue(static_cast<void*>(nullptr));
    };
    const BindValue row[] = {std::int64_t{values.seconds}, std::int64_t{values.sound ? 1 : 0},
                             cell(p ? p->left : 0),        cell(p ? p->top : 0),
                             cell(p ? p->Width() : 0),     cell(p ? p->Height() : 0)};
    database.RunSQL(
        "Insert or replace into TimerSettings (TimerSettingsID, Seconds, Sound, PlaceLeft, PlaceTop, PlaceWidth, "
        "PlaceHeight) values (1, ?, ?, ?, ?, ?, ?)",
        row);
}
