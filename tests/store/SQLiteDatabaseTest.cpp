// Opening connections and running statements against real database files.
#include "store/SQLiteException.h"
#include "store/SQLiteDatabase.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class SQLiteDatabaseTest : public testing::Test {
protected:
    TempFolder folder;
    std::string file = folder.File("test.db");

    std::string Count(TSQLiteDatabase& db, const std::string& table) {
        return db.QueryTable("SELECT count(*) FROM " + table)->FieldText(0);
    }
};

TEST_F(SQLiteDatabaseTest, OpenInMissingFolderFailsAndNamesTheFile) {
    const std::string missing = TempFolder::Utf8(folder.Path() / "no such folder" / "x.db");
    const std::string message = ErrorOf([&] { TSQLiteDatabase db(missing); });
    EXPECT_EQ(message, "Failed to open database \"" + missing + "\" : unable to open database file");
}

TEST_F(SQLiteDatabaseTest, MissingFileIsCreatedAndTheFirstQueryFails) {
    TSQLiteDatabase db(file);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "test.db"));
    EXPECT_EQ(ErrorOf([&] { db.QueryTable("Select * from GBgs"); }),
              "Error executing SQL.\rError [1]: SQL error or missing database.\r"
              "\"Select * from GBgs\": no such table: GBgs");
}

TEST_F(SQLiteDatabaseTest, SyntaxErrorGivesThreeLines) {
    TSQLiteDatabase db(file);
    EXPECT_EQ(ErrorOf([&] { db.RunSQL("SELEC 1"); }),
              "Error executing SQL.\rError [1]: SQL error or missing database.\r"
              "\"SELEC 1\": near \"SELEC\": syntax error");
}

TEST_F(SQLiteDatabaseTest, TextWithoutStatementIsRefusedWithoutDetail) {
    TSQLiteDatabase db(file);
    for (const std::string sql : {"", "   ", "-- only a comment", "/* note */"}) {
        EXPECT_EQ(ErrorOf([&] { db.RunSQL(sql); }), "Could not prepare SQL statement") << sql;
        EXPECT_EQ(ErrorOf([&] { db.QueryTable(sql); }), "Could not prepare SQL statement") << sql;
    }
}

TEST_F(SQLiteDatabaseTest, OnlyTheFirstOfTwoStatementsRuns) {
    TSQLiteDatabase db(file);
    db.RunSQL("CREATE TABLE t (v INTEGER)");
    db.RunSQL("INSERT INTO t VALUES (1); INSERT INTO t VALUES (2)");
    EXPECT_EQ(Count(db, "t"), "1");
}

TEST_F(SQLiteDatabaseTest, RunSQLFailsWhenTheStatementYieldsARow) {
    TSQLiteDatabase db(file);
    db.RunSQL("CREATE TABLE t (v INTEGER)");
    EXPECT_NO_THROW(db.RunSQL("SELECT * FROM t"));
    db.RunSQL("INSERT INTO t VALUES (1)");
    // The reset after a row clears SQLite's error code, so no detail follows.
    EXPECT_EQ(ErrorOf([&] { db.RunSQL("SELECT * FROM t"); }), "Error executing SQL statement");
}

TEST_F(SQLiteDatabaseTest, FailedStepReportsSQLiteDetail) {
    TSQLiteDatabase db(file);
    db.RunSQL("CREATE TABLE t (id INTEGER PRIMARY KEY)");
    db.RunSQL("INSERT INTO t VALUES (1)");
    EXPECT_EQ(ErrorOf([&] { db.RunSQL("INSERT INTO t VALUES (1)"); }),
              "Error executing SQL statement.\rError [19]: Abort due to contraint violation.\r"
              "\"INSERT INTO t VALUES (1)\": UNIQUE constraint failed: t.id");
    EXPECT_EQ(ErrorOf([&] { db.QueryTable("SELECT abs(-9223372036854775807 - 1)"); }),
              "Could not retrieve data.\rError [1]: SQL error or missing database.\r"
              "\"SELECT abs(-9223372036854775807 - 1)\": integer overflow");
}

TEST_F(SQLiteDatabaseTest, ALockIsWaitedForAWhileThenReportedAsBefore) {
    TSQLiteDatabase writer(file);
    writer.RunSQL("CREATE TABLE t (v INTEGER)");
    TSQLiteDatabase reader(file);
    EXPECT_EQ(Count(reader, "t"), "0");  // the reader now knows the schema

    // A lock released within the wait: the statement goes through.
    writer.RunSQL("BEGIN EXCLUSIVE");
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        writer.RunSQL("COMMIT");
    });
    EXPECT_NO_THROW(reader.RunSQL("INSERT INTO t VALUES (1)"));
    release.join();
    EXPECT_EQ(Count(reader, "t"), "1");

    // A lock held longer: the same message as ever, after the wait.
    writer.RunSQL("BEGIN EXCLUSIVE");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorOf([&] { reader.RunSQL("INSERT INTO t VALUES (2)"); }),
              "Error executing SQL statement.\rError [5]: The database file is locked.\r"
              "\"INSERT INTO t VALUES (2)\": database is locked");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(TSQLiteDatabase::kBusyTimeoutMs));
    EXPECT_EQ(ErrorOf([&] { reader.QueryTable("SELECT * FROM t"); }), "Could not prepare SQL statement");
}

TEST_F(SQLiteDatabaseTest, HookSeesEveryPreparedStatement) {
    TSQLiteDatabase db(file);
    std::vector<std::string> seen;
    db.OnStatement = [&](TSQLiteDatabase& sender, const std::string& sql) {
        EXPECT_EQ(&sender, &db);
        seen.push_back(sql);
    };
    db.RunSQL("CREATE TABLE t (v INTEGER)");
    db.QueryTable("SELECT * FROM t");
    EXPECT_THROW(db.RunSQL("SELEC 1"), ESQLiteException);
    EXPECT_EQ(seen, (std::vector<std::string>{"CREATE TABLE t (v INTEGER)", "SELECT * FROM t"}));
}

}  // namespace
