#include "store/StoredHotKeys.h"

#include "base/Utf8.h"
#include "store/SQLiteDatabase.h"
#include "store/SQLiteTable.h"

std::vector<StoredKey> ReadStoredHotKeys(const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    const auto exists = database.QueryTable("Select count(*) from sqlite_master where type='table' and name='HotKeys'");
    std::vector<StoredKey> rows;
    if (exists->FieldText(0) == "0") return rows;
    // A query's table stays on its first row: one query a row (there are a dozen at most).
    const std::int64_t count = database.QueryTable("Select count(*) from HotKeys")->IntegerField(0);
    for (std::int64_t i = 0; i < count; ++i) {
        // A cell that holds no whole number (text, a fraction) reads as -1, which no key is:
        // the check reports the row rather than taking it for no key.
        const auto row = database.QueryTable(
            "Select Action, Key, Modifiers, typeof(Key) = 'integer' and typeof(Modifiers) = 'integer' "
            "from HotKeys order by Action limit 1 offset " +
            std::to_string(i));
        if (row->AtEnd()) continue;
        const bool numbers = row->IntegerField(3) != 0;
        rows.push_back(
            {FromUtf8(row->FieldText(0)), numbers ? row->IntegerField(1) : -1, numbers ? row->IntegerField(2) : -1});
    }
    return rows;
}

void WriteStoredHotKeys(const std::vector<StoredKey>& rows, const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    database.RunSQL(
        "Create table if not exists HotKeys (Action TEXT PRIMARY KEY, Key INTEGER NOT NULL, Modifiers INTEGER NOT NULL)");
    database.RunSQL("Begin");
    try {
        for (const StoredKey& row : rows) {
            const BindValue values[] = {row.action, static_cast<std::int64_t>(row.key),
                                        static_cast<std::int64_t>(row.modifiers)};
            database.RunSQL("Insert or replace into HotKeys (Action, Key, Modifiers) values (?, ?, ?)", values);
        }
        database.RunSQL("Commit");
    } catch (...) {
        // The first failure is the one to tell; a rollback that fails too ends with the
        // connection, which undoes the open transaction anyway.
        try {
            database.RunSQL("Rollback");
        } catch (...) {}
        throw;
    }
}
