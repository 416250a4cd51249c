// The settings statements against a GBTest.db laid out as the installation ships it.
#include "store/SQLiteException.h"
#include "base/Utf8.h"
#include "store/SQLiteDatabase.h"
#include "store/EffectSettings.h"
#include "store/LastEffect.h"
#include "store/StoredHotKeys.h"
#include "store/StoredLanguage.h"
#include "store/Settings.h"
#include "store/TimerSettings.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class SettingsTest : public testing::Test {
protected:
    TempFolder folder;
    std::string file = folder.File(kSettingsFile);

    // Tables as a person would make them with the sqlite3 tool: numbers declared as numbers.
    void Create(const std::string& gbgs = "GBgsID INTEGER PRIMARY KEY, FileN VARCHAR(255), SHu NUMERIC",
                const std::string& gbtx = "GBtxID INTEGER PRIMARY KEY, ColoeN INTEGER, TouM NUMERIC, Ghdx INTEGER") {
        Run("CREATE TABLE GBgs (" + gbgs + ")");
        Run("CREATE TABLE GBtx (" + gbtx + ")");
    }
    void Run(const std::string& sql) { TSQLiteDatabase(file).RunSQL(sql); }
    std::string Query(const std::string& sql) { return TSQLiteDatabase(file).QueryTable(sql)->FieldText(0); }
    void Fill() {
        Run("INSERT INTO GBgs VALUES (1, 'pic\\arrow.png', '065')");
        Run("INSERT INTO GBtx VALUES (1, '255', '150', '100')");
    }
};

TEST_F(SettingsTest, ReadsEachColumnAsText) {
    Create();
    Fill();
    const PictureSettings picture = ReadPictureSettings(file);
    EXPECT_EQ(picture.fileName, L"pic\\arrow.png");
    EXPECT_EQ(picture.offsetText, L"65");  // "065" was stored as the number 65
    const HaloSettings halo = ReadHaloSettings(file);
    EXPECT_EQ(halo.colorText, L"255");
    EXPECT_EQ(halo.alphaText, L"150");
    EXPECT_EQ(halo.diameterText, L"100");
}

TEST_F(SettingsTest, WritesReadBackAndTheDefaultFileIsInTheWorkingDirectory) {
    Create();
    Fill();
    WorkingDirectory inFolder(folder.Path());
    WriteHaloSettings({L"16711680", L"0", L"600"});
    WritePictureSettings({L"pic\\\u7BAD\u5934.png", L"130"});
    const HaloSettings halo = ReadHaloSettings();
    EXPECT_EQ(halo.colorText, L"16711680");
    EXPECT_EQ(halo.diameterText, L"600");
    EXPECT_EQ(halo.alphaText, L"0");
    EXPECT_EQ(ReadPictureSettings().fileName, L"pic\\\u7BAD\u5934.png");
    EXPECT_EQ(Query("SELECT hex(FileN) FROM GBgs"), "7069635CE7AEADE5A4B42E706E67");
}

TEST_F(SettingsTest, QuotesInThePathAreStoredAsWritten) {
    Create();
    Fill();
    for (const std::wstring path : {L"pic\\it's.png", L"x',SHu='999", L"''"}) {
        WritePictureSettings({path, L"65"}, file);
        const PictureSettings picture = ReadPictureSettings(file);
        EXPECT_EQ(picture.fileName, path);
        EXPECT_EQ(picture.offsetText, L"65");
    }
}

TEST(SettingsStatements, AreComposedExactly) {
    EXPECT_EQ(HaloUpdateStatement({L"255", L"150", L"100"}),
              "Update GBtx Set ColoeN='255',Ghdx='100',TouM='150' where GBtxID=1");
    EXPECT_EQ(HaloUpdateStatement({L"-1", L"", L"1"}), "Update GBtx Set ColoeN='-1',Ghdx='1',TouM='' where GBtxID=1");
    EXPECT_EQ(PictureUpdateStatement({L"pic\\arrow.png", L"65"}),
              "Update GBgs Set FileN='pic\\arrow.png',SHu='65' where GBgsID=1");
    EXPECT_EQ(PictureUpdateStatement({L"pic\\\u7BAD.png", L"0"}),
              "Update GBgs Set FileN='pic\\\xE7\xAE\xAD.png',SHu='0' where GBgsID=1");
    EXPECT_EQ(PictureUpdateStatement({L"it's", L"0"}), "Update GBgs Set FileN='it''s',SHu='0' where GBgsID=1");
}

TEST_F(SettingsTest, ReadTakesTheFirstRowWhileUpdateChangesKeyOne) {
    Create("GBgsID INTEGER, FileN TEXT, SHu TEXT", "GBtxID INTEGER, ColoeN TEXT, TouM TEXT, Ghdx TEXT");
    Run("INSERT INTO GBgs VALUES (2, 'second.png', '10'), (1, 'first.png', '20')");
    EXPECT_EQ(ReadPictureSettings(file).fileName, L"second.png");
    WritePictureSettings({L"new.png", L"30"}, file);
    EXPECT_EQ(ReadPictureSettings(file).fileName, L"second.png");
    EXPECT_EQ(Query("SELECT group_concat(FileN || SHu, ' ') FROM GBgs"), "second.png10 new.png30");

    WriteHaloSettings({L"1", L"3", L"2"}, file);  // no row of key 1: nothing changes, no error
    EXPECT_EQ(Query("SELECT count(*) FROM GBtx"), "0");
}

TEST_F(SettingsTest, BrokenContentsRaiseTheLayersMessages) {
    Create("GBgsID INTEGER PRIMARY KEY, FileN TEXT, SHu TEXT", "GBtxID INTEGER PRIMARY KEY, ColoeN TEXT, Ghdx TEXT");
    EXPECT_EQ(ErrorOf([&] { ReadPictureSettings(file); }), "Field FileN Not found. Empty dataset");
    EXPECT_EQ(ErrorOf([&] { ReadHaloSettings(file); }), "Field ColoeN Not found. Empty dataset");

    Run("INSERT INTO GBtx VALUES (1, '255', '100')");
    EXPECT_EQ(ErrorOf([&] { ReadHaloSettings(file); }), "Field not found in dataset: TouM");

    // NULL reads as empty text, which the checks at start refuse like any non-number.
    Run("INSERT INTO GBgs VALUES (1, 'a.png', NULL)");
    EXPECT_EQ(ReadPictureSettings(file).offsetText, L"");
}

TEST_F(SettingsTest, MissingFileOrFolder) {
    EXPECT_EQ(ErrorOf([&] { ReadHaloSettings(file); }).rfind("Error executing SQL.\r", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / kSettingsFile));  // left behind, empty

    const std::string nowhere = TempFolder::Utf8(folder.Path() / "missing" / kSettingsFile);
    EXPECT_EQ(ErrorOf([&] {
                  WriteHaloSettings({L"1", L"3", L"2"}, nowhere);
              }).rfind("Failed to open database \"" + nowhere + "\"", 0),
              0u);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
}

TEST_F(SettingsTest, TheLastEffectIsKeptInATableMadeByTheFirstWrite) {
    Create();
    Fill();
    EXPECT_EQ(ReadLastEffect(file), L"");
    EXPECT_EQ(Query("SELECT count(*) FROM sqlite_master WHERE name='LastEffect'"), "0");  // a read makes nothing
    WriteLastEffect(L"halo", file);
    WriteLastEffect(L"none", file);
    EXPECT_EQ(ReadLastEffect(file), L"none");
    EXPECT_EQ(Query("SELECT count(*) FROM LastEffect"), "1");
    EXPECT_EQ(ReadHaloSettings(file).diameterText, L"100");  // the old tables read as before
    EXPECT_EQ(ReadStoredLanguage(file), L"") << "the language has a table of its own";
    WriteStoredLanguage(L"en", file);
    EXPECT_EQ(ReadStoredLanguage(file), L"en");
    EXPECT_EQ(ReadLastEffect(file), L"none");
}

TEST_F(SettingsTest, EffectSettingsReadAsDefaultsUntilTheFirstSaveMakesTheirTable) {
    Create();
    Fill();
    EXPECT_EQ(ReadEffectSettings(file).spotlightDimText, L"60");
    EffectSettings changed = DefaultEffectSettings();
    changed.spotlightDimText = L"75";
    changed.rightRingColorText = L"it's";
    WriteEffectSettings(changed, file);
    WriteEffectSettings(changed, file);
    const EffectSettings read = ReadEffectSettings(file);
    EXPECT_EQ(read.spotlightDimText, L"75");
    EXPECT_EQ(read.laserSizeText, L"12");
    EXPECT_EQ(read.rightRingColorText, L"it's");
    EXPECT_EQ(Query("SELECT count(*) FROM EffectSettings"), "1");
}

}  // namespace

TEST_F(SettingsTest, StoredHotKeysAreReadRowByRowAndANonNumberReadsAsNoKey) {
    Create();
    Fill();
    EXPECT_TRUE(ReadStoredHotKeys(file).empty()) << "no table: every default";
    Run("CREATE TABLE HotKeys (Action TEXT PRIMARY KEY, Key INTEGER NOT NULL, Modifiers INTEGER NOT NULL)");
    Run("INSERT INTO HotKeys VALUES ('pen', 120, 0), ('halo', 0, 0), ('laser', 'F9', 6)");
    const std::vector<StoredKey> rows = ReadStoredHotKeys(file);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].action, L"halo");
    EXPECT_EQ(rows[1].action, L"laser");
    EXPECT_EQ(rows[1].key, -1) << "text where a number belongs";
    EXPECT_EQ(rows[1].modifiers, -1);
    EXPECT_EQ(rows[2].action, L"pen");
    EXPECT_EQ(rows[2].key, 120);
}

TEST_F(SettingsTest, StoredHotKeysAreWrittenAllOrNoneEachReplacingItsActionsRow) {
    Create();
    Fill();
    WriteStoredHotKeys({{L"pen", 120, 0}, {L"halo", 0, 0}}, file);  // makes the table
    WriteStoredHotKeys({{L"pen", 27, 2}}, file);
    std::vector<StoredKey> rows = ReadStoredHotKeys(file);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].key, 27) << "the pen's row replaced, not added";
    EXPECT_EQ(rows[1].modifiers, 2);

    // A table that refuses the second row (as a later copy's might): the first is not kept either.
    Run("DROP TABLE HotKeys");
    Run("CREATE TABLE HotKeys (Action TEXT PRIMARY KEY, Key INTEGER NOT NULL CHECK (Key < 200), "
        "Modifiers INTEGER NOT NULL)");
    EXPECT_THROW(WriteStoredHotKeys({{L"pen", 120, 0}, {L"halo", 500, 0}}, file), std::exception);
    EXPECT_TRUE(ReadStoredHotKeys(file).empty());
}

TEST_F(SettingsTest, TheTimerIsKeptInATableMadeByTheFirstWriteWithoutAPlaceUntilItHasOne) {
    Create();
    EXPECT_FALSE(ReadTimerSettings(file)) << "no table: a new file's timer";
    WriteTimerSettings({90, true, std::nullopt}, file);
    TimerSettings read = ReadTimerSettings(file).value();
    EXPECT_EQ(read.secondsText, L"90");
    EXPECT_EQ(read.soundText, L"1");
    EXPECT_EQ(read.leftText + read.heightText, L"") << "no place of its own";
    WriteTimerSettings({90, false, ScreenRect{-1200, 40, -600, 240}}, file);
    read = ReadTimerSettings(file).value();
    EXPECT_EQ(read.soundText, L"0");
    EXPECT_EQ(read.leftText, L"-1200");
    EXPECT_EQ(read.widthText, L"600");
    EXPECT_EQ(read.heightText, L"200");
    EXPECT_EQ(Query("SELECT count(*) FROM TimerSettings"), "1");
}
