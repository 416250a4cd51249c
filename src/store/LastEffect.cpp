#include "store/LastEffect.h"

#include "base/Utf8.h"
#include "store/SQLiteDatabase.h"

std::wstring ReadLastEffect(const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    const auto exists = database.QueryTable("Select count(*) from sqlite_master where type='table' and name='LastEffect'");
    if (exists->FieldText(0) == "0") return {};
    const auto table = database.QueryTable("Select Effect from LastEffect where LastEffectID=1");
    if (table->AtEnd()) return {};
    return FromUtf8(table->FieldText(0));
}

void WriteLastEffect(const std::wstring& effect, const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    database.RunSQL("Create table if not exists LastEffect (LastEffectID INTEGER PRIMARY KEY, Effect TEXT NOT NULL)");
    const BindValue values[] = {effect};
    database.RunSQL("Insert or replace into LastEffect (LastEffectID, Effect) values (1, ?)", values);
}
