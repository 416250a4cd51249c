#include "store/EffectSettings.h"

#include "base/Utf8.h"
#include "store/SQLiteDatabase.h"

namespace {

bool TableExists(TSQLiteDatabase& database) {
    return database.QueryTable("Select count(*) from sqlite_master where type='table' and name='EffectSettings'")
               ->FieldText(0) != "0";
}

}  // namespace

EffectSettings DefaultEffectSettings() { return {L"60", L"120", L"255", L"12", L"65535", L"16711680"}; }

EffectSettings ReadEffectSettings(const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    if (!TableExists(database)) return DefaultEffectSettings();
    const auto table = database.QueryTable(
        "Select SpotDim, SpotRadius, LaserColor, LaserSize, LeftRing, RightRing from EffectSettings "
        "where EffectSettingsID=1");
    if (table->AtEnd()) return DefaultEffectSettings();
    const auto text = [&](int column) { return FromUtf8(table->FieldText(column)); };
    return {text(0), text(1), text(2), text(3), text(4), text(5)};
}

void WriteEffectSettings(const EffectSettings& settings, const std::string& dbFile) {
    TSQLiteDatabase database(dbFile);
    database.RunSQL(
        "Create table if not exists EffectSettings (EffectSettingsID INTEGER PRIMARY KEY, SpotDim TEXT NOT NULL, "
        "SpotRadius TEXT NOT NULL, LaserColor TEXT NOT NULL, LaserSize TEXT NOT NULL, LeftRing TEXT NOT NULL, "
        "RightRing TEXT NOT NULL)");
    const BindValue values[] = {settings.spotlightDimText, settings.spotlightRadiusText, settings.laserColorText,
                                settings.laserSizeText,    settings.leftRingColorText,   settings.rightRingColorText};
    database.RunSQL(
        "Insert or replace into EffectSettings (EffectSettingsID, SpotDim, SpotRadius, LaserColor, LaserSize, "
        "LeftRing, RightRing) values (1, ?, ?, ?, ?, ?, ?)",
        values);
}
