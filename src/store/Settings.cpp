#include "store/Settings.h"

#include "base/Utf8.h"
#include "store/SQLiteDatabase.h"

namespace {

// The value between single quotes of a literal, as UTF-8. A quote is doubled so that a
// picture path such as "pic\it's.png" is stored as written instead of breaking (or
// extending) the statement; values without quotes are unchanged.
std::string LiteralText(const std::wstring& value) {
    std::string text;
    for (const char c : ToUtf8(value)) {
        text += c;
        if (c == '\'') text += '\'';
    }
    return text;
}

std::wstring ReadText(const TSQLiteTable& table, const std::string& column) {
    return FromUtf8(table.FieldText(table.IndexOfField(column)));
}

}  // namespace

std::string PictureUpdateStatement(const PictureSettings& settings) {
    return "Update GBgs Set FileN='" + LiteralText(settings.fileName) + "'" + ",SHu=" + "'" +
           LiteralText(settings.offsetText) + "'" + " where GBgsID=1";
}

std::string HaloUpdateStatement(const HaloSettings& settings) {
    return "Update GBtx Set ColoeN='" + LiteralText(settings.colorText) + "'" + ",Ghdx=" + "'" +
           LiteralText(settings.diameterText) + "'" + ",TouM=" + "'" + LiteralText(settings.alphaText) + "'" +
           " where GBtxID=1";
}

PictureSettings ReadPictureSettings(const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    const auto table = database.QueryTable("Select * from GBgs");
    PictureSettings settings;
    settings.fileName = ReadText(*table, "FileN");
    settings.offsetText = ReadText(*table, "SHu");
    return settings;
}

HaloSettings ReadHaloSettings(const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    const auto table = database.QueryTable("Select * from GBtx");
    HaloSettings settings;
    settings.colorText = ReadText(*table, "ColoeN");
    settings.alphaText = ReadText(*table, "TouM");
    settings.diameterText = ReadText(*table, "Ghdx");
    return settings;
}

void WritePictureSettings(const PictureSettings& settings, const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    database.RunSQL(PictureUpdateStatement(settings));
}

void WriteHaloSettings(const HaloSettings& settings, const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    database.RunSQL(HaloUpdateStatement(settings));
}
