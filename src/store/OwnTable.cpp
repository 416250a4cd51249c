#include "store/OwnTable.h"

#include "base/Utf8.h"
#include "store/SQLiteDatabase.h"

std::wstring ReadOwnValue(const OwnTable& own, const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    const std::string table = own.table;
    const auto exists =
        database.QueryTable("Select count(*) from sqlite_master where type='table' and name='" + table + "'");
    if (exists->FieldText(0) == "0") return {};
    const auto row = database.QueryTable("Select " + std::string(own.column) + " from " + table + " where " + table + "ID=1");
    if (row->AtEnd()) return {};
    return FromUtf8(row->FieldText(0));
}

void WriteOwnValue(const OwnTable& own, const std::wstring& value, const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    const std::string table = own.table, column = own.column;
    database.RunSQL("Create table if not exists " + table + " (" + table + "ID INTEGER PRIMARY KEY, " + column +
                    " TEXT NOT NULL)");
    const BindValue values[] = {value};
    database.RunSQL("Insert or replace into " + table + " (" + table + "ID, " + column + ") values (1, ?)", values);
}
