// Query results: column kinds, empty cells, accessors and their refusals.
#include "store/SQLiteException.h"
#include "store/SQLiteDatabase.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class SQLiteTableTest : public testing::Test {
protected:
    TempFolder folder;
    TSQLiteDatabase db{folder.File("test.db")};

    void SetUp() override {
        db.RunSQL(
            "CREATE TABLE k (i INTEGER, r REAL, ld double, t TEXT, n NUMERIC, b BLOB, "
            "bo BOOLEAN, d DOUBLE, int INT, v VARCHAR(20))");
    }
    std::unique_ptr<TSQLiteTable> Row(const std::string& values) {
        db.RunSQL("DELETE FROM k");
        db.RunSQL("INSERT INTO k VALUES (" + values + ")");
        return db.QueryTable("SELECT * FROM k");
    }
};

TEST_F(SQLiteTableTest, DeclaredTypeDecidesTheKind) {
    const auto row = Row("65, 65.0, 65, 7.5, '065', x'41', 1, 2.5, 8, 9");
    EXPECT_EQ(row->FieldText(0), "65");
    EXPECT_EQ(row->FieldText(1), "65");
    // Lower case makes a text column. (SQLite itself reports "integer" as INTEGER, so the
    // case is seen with the names it keeps as written.)
    EXPECT_EQ(row->FieldText(2), "65.0");
    EXPECT_EQ(row->FieldText(4), "65");  // stored as 65, read as a float
    EXPECT_EQ(row->FieldText(5), "A");
    EXPECT_EQ(row->IntegerField(6), 1);
    EXPECT_EQ(row->FloatField(7), 2.5);
    for (const int textColumn : {2, 3, 8, 9})
        EXPECT_EQ(ErrorOf([&] { row->IntegerField(textColumn); }), "Not an integer or numeric field");
}

TEST_F(SQLiteTableTest, ValuesAreConvertedToTheColumnKind) {
    const auto row = Row("7.5, 3, 'x', 'x', 'x', 'AB', 'x', 'x', 'x', 'x'");
    EXPECT_EQ(row->FieldText(0), "7");  // SQLite's integer reading of 7.5
    EXPECT_EQ(row->FieldText(1), "3");
    EXPECT_EQ(row->FieldText(4), "0");  // text in a float column reads as 0
    EXPECT_EQ(row->BlobFieldText(5), "AB");
}

TEST_F(SQLiteTableTest, ExpressionColumnsTakeTheFirstValuesStorageClass) {
    const auto row = db.QueryTable("SELECT 2.5 * 2, 1 + 1, '1' || '2', x'0102', NULL");
    EXPECT_EQ(row->FieldText(0), "5");
    EXPECT_EQ(row->IntegerField(1), 2);
    EXPECT_EQ(ErrorOf([&] { row->IntegerField(2); }), "Not an integer or numeric field");
    ASSERT_NE(row->BlobField(3), nullptr);
    EXPECT_EQ(row->BlobField(3)->Size(), 2);
    EXPECT_EQ(row->FormatField(4), "");
}

TEST_F(SQLiteTableTest, NullIsAnEmptyCellInEveryKind) {
    const auto row = Row("NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL");
    for (std::int32_t c = 0; c < 10; ++c) {
        EXPECT_EQ(row->FieldText(c), "") << c;
        EXPECT_EQ(row->IntegerField(c), 0) << c;
        EXPECT_EQ(row->FloatField(c), 0.0) << c;
        EXPECT_EQ(row->BlobField(c), nullptr) << c;
    }
    EXPECT_EQ(row->FormatField(0), "0");
    EXPECT_EQ(row->FormatField(1), "0");
    EXPECT_EQ(row->FormatField(3), "");
}

TEST_F(SQLiteTableTest, BlobsKeepEveryByte) {
    auto row = Row("0, 0, 0, 0, 0, x'00410042', 0, 0, 0, 0");
    EXPECT_EQ(row->BlobFieldText(5), std::string("\0A\0B", 4));
    EXPECT_EQ(row->FieldText(5), std::string("\0A\0B", 4));
    row->BlobField(5)->Seek(3);
    EXPECT_EQ(row->BlobFieldText(5), std::string("\0A\0B", 4));  // read from the start again

    row = Row("0, 0, 0, 0, 0, x'', 0, 0, 0, 0");
    EXPECT_EQ(row->BlobField(5), nullptr);
    EXPECT_EQ(row->BlobFieldText(5), "");
}

TEST_F(SQLiteTableTest, TextStopsAtTheFirstZeroByte) {
    EXPECT_EQ(Row("0, 0, 0, CAST(x'610062' AS TEXT), 0, 0, 0, 0, 0, 0")->FieldText(3), "a");
}

TEST_F(SQLiteTableTest, NumericAccessorsAndTheirRefusals) {
    const auto row = Row("3, -2.7, 0, '12', 2.7, 0, 0, 0, 0, 0");
    EXPECT_EQ(row->IntegerField(1), -2);
    EXPECT_EQ(row->IntegerField(4), 2);
    EXPECT_EQ(row->FloatField(0), 3.0);
    EXPECT_EQ(ErrorOf([&] { row->FloatField(3); }), "Not an integer or numeric field");
    EXPECT_EQ(ErrorOf([&] { row->BlobField(3); }), "Not a Blob field");
    EXPECT_EQ(ErrorOf([&] { row->BlobField(0); }), "Not a Blob field");
    EXPECT_EQ(ErrorOf([&] { row->FieldText(10); }), "Column index out of range");
    EXPECT_EQ(ErrorOf([&] { row->FieldText(-1); }), "Column index out of range");
    EXPECT_EQ(ErrorOf([&] { Row("1e300, 0, 0, 0, 1e300, 0, 0, 0, 0, 0")->IntegerField(4); }),
              "Float value out of integer range");
}

TEST_F(SQLiteTableTest, FieldNamesMatchWithoutRegardToCase) {
    const auto row = db.QueryTable(
        "SELECT 1 AS FileN, 2 AS filen, 3 AS \xE5\x9B\xBE"
        "a");
    EXPECT_EQ(row->IndexOfField("filen"), 0);
    EXPECT_EQ(row->IndexOfField("FILEN"), 0);
    EXPECT_EQ(row->IndexOfField("FileN"), 0);
    EXPECT_EQ(row->IndexOfField("\xE5\x9B\xBE"
                                "A"),
              2);  // UTF-8 bytes pass unchanged
    EXPECT_EQ(ErrorOf([&] { row->IndexOfField("Nope"); }), "Field not found in dataset: Nope");
}

TEST_F(SQLiteTableTest, ResultWithoutRowsIsAtEnd) {
    for (const std::string sql : {"UPDATE k SET i = 1", "SELECT * FROM k WHERE 0"}) {
        const auto table = db.QueryTable(sql);
        EXPECT_EQ(table->RowCount(), 0u);
        EXPECT_TRUE(table->AtEnd());
        EXPECT_EQ(ErrorOf([&] { table->FieldText(0); }), "Table is at End of File");
        EXPECT_EQ(ErrorOf([&] { table->IndexOfField("Abc"); }), "Field Abc Not found. Empty dataset");
    }
}

TEST_F(SQLiteTableTest, AllRowsAreBufferedAndTheFirstIsRead) {
    db.RunSQL("INSERT INTO k (i) VALUES (1), (2), (3)");
    std::unique_ptr<TSQLiteTable> table;
    {
        TSQLiteDatabase other(folder.File("test.db"));
        table = other.QueryTable("SELECT i FROM k ORDER BY i DESC");
    }
    EXPECT_EQ(table->RowCount(), 3u);
    EXPECT_EQ(table->ColumnCount(), 1u);
    EXPECT_EQ(table->FieldText(0), "3");
}

}  // namespace
