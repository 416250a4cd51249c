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
    // The whole word, case-sensitively; anything else is a text column.
    const std::pair<const char*, const char*> cases[] = {
        {"INTEGER", "integer"}, {"BOOLEAN", "integer"},  {"NUMERIC", "float"}, {"FLOAT", "float"}, {"DOUBLE", "float"},
        {"REAL", "float"},      {"BLOB", "blob"},        {"TEXT", "text"},     {"INT", "text"},    {"double", "text"},
        {"Float", "text"},      {"VARCHAR(20)", "text"}, {"BIGINT", "text"},
    };
    std::string columns;
    std::string values;
    for (std::size_t c = 0; c < std::size(cases); ++c) {
        columns += std::string(c ? ", " : "") + "c" + std::to_string(c) + " " + cases[c].first;
        values += c ? ", 2.5" : "2.5";
    }
    db.RunSQL("CREATE TABLE kinds (" + columns + ")");
    db.RunSQL("INSERT INTO kinds VALUES (" + values + ")");
    const auto row = db.QueryTable("SELECT * FROM kinds");
    for (std::int32_t c = 0; c < static_cast<std::int32_t>(std::size(cases)); ++c) {
        // 2.5 read by each kind: a blob of its text, an integer 2, a float 2.5, or text.
        std::string kind = "float";
        if (ErrorOf([&] { row->BlobField(c); }).empty())
            kind = "blob";
        else if (!ErrorOf([&] { row->IntegerField(c); }).empty())
            kind = "text";
        else if (row->FieldText(c) == "2")
            kind = "integer";
        EXPECT_EQ(kind, cases[c].second) << cases[c].first;
        EXPECT_EQ(row->FormatField(c), kind == "integer" ? "2" : "2.5") << cases[c].first;
    }
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
}

TEST_F(SQLiteTableTest, FloatReadAsIntegerTruncatesWithinTheExactLimits) {
    const std::pair<const char*, const char*> cases[] = {
        {"2.7", "2"},
        {"-2.7", "-2"},
        {"-0.5", "0"},
        {"-9223372036854775808.0", "-9223372036854775808"},  // -2^63, the smallest integer
        {"9223372036854774784.0", "9223372036854774784"},    // the largest double below 2^63
        {"9223372036854775808.0", "Float value out of integer range"},
        {"-9223372036854777856.0", "Float value out of integer range"},  // next double below -2^63
        {"1e300", "Float value out of integer range"},
    };
    for (const auto& [stored, expected] : cases) {
        const auto row = Row(std::string("0, ") + stored + ", 0, 0, 0, 0, 0, 0, 0, 0");
        std::int64_t value = 0;
        const std::string error = ErrorOf([&] { value = row->IntegerField(1); });
        EXPECT_EQ(error.empty() ? std::to_string(value) : error, expected) << stored;
    }
}

TEST_F(SQLiteTableTest, FieldNamesMatchWithoutRegardToCase) {
    const auto row = db.QueryTable(
        "SELECT 1 AS FileN, 2 AS filen, 3 AS \xE5\x9B\xBE"
        "a, 4 AS zeta");
    EXPECT_EQ(row->IndexOfField("filen"), 0);
    EXPECT_EQ(row->IndexOfField("FILEN"), 0);
    EXPECT_EQ(row->IndexOfField("FileN"), 0);
    EXPECT_EQ(row->IndexOfField("\xE5\x9B\xBE"
                                "A"),
              2);  // UTF-8 bytes pass unchanged
    EXPECT_EQ(row->IndexOfField("ZETA"), 3);
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
