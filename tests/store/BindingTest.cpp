// Positional values and named parameters of statements.
#include "store/SQLiteException.h"
#include "store/SQLiteDatabase.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A stream that is not memory-backed, to take the copying path.
class TextStream final : public Stream {
public:
    explicit TextStream(std::string bytes) : inner_(bytes) {}
    std::int64_t Size() const override { return inner_.Size(); }
    std::int64_t Position() const override { return inner_.Position(); }
    void Seek(std::int64_t position) override { inner_.Seek(position); }
    std::size_t Read(void* destination, std::size_t count) override { return inner_.Read(destination, count); }

private:
    MemoryStream inner_;
};

class BindingTest : public testing::Test {
protected:
    TempFolder folder;
    TSQLiteDatabase db{folder.File("test.db")};

    void SetUp() override { db.RunSQL("CREATE TABLE p (v)"); }

    // typeof and hex of each stored value, in insertion order.
    std::string Stored() {
        return db.QueryTable("SELECT group_concat(typeof(v) || ':' || hex(v), ' ') FROM p")->FieldText(0);
    }
};

TEST_F(BindingTest, EveryKindOfValueIsStoredAsItsSQLiteType) {
    MemoryStream memory(std::string_view("\x01\x02\x03", 3));
    memory.Seek(1);  // bound from the position to the end
    TextStream other("xyz");
    other.Seek(2);  // copied whole, from the start
    MemoryStream empty;
    TextStream none("");
    const std::wstring wide = L"\u56FE";
    const std::vector<BindValue> values = {std::int32_t{-5},
                                           true,
                                           false,
                                           std::int64_t{1} << 40,
                                           2.5L,
                                           0.1L,  // not exact in single precision
                                           static_cast<void*>(nullptr),
                                           'c',
                                           std::string("a\0b", 3),
                                           "zt",
                                           L'\u00E9',
                                           wide,
                                           L"w",
                                           static_cast<const wchar_t*>(nullptr),
                                           &memory,
                                           &other,
                                           &empty,
                                           &none};
    for (const BindValue& value : values) db.RunSQL("INSERT INTO p VALUES (?)", std::span<const BindValue>(&value, 1));
    EXPECT_EQ(Stored(),
              "integer:2D35 integer:31 integer:30 integer:31303939353131363237373736 real:322E35 real:302E31 null: "
              "text:63 text:610062 text:7A74 text:C3A9 text:E59BBE text:77 null: blob:0203 blob:78797A blob: blob:");
}

TEST_F(BindingTest, RefusedBindNamesTheValueKindAndRunsNothing) {
    const std::vector<std::pair<BindValue, std::string>> cases = {{std::int32_t{1}, "Could not bind integer"},
                                                                  {false, "Could not bind boolean"},
                                                                  {std::int64_t{1}, "Could not bind int64"},
                                                                  {1.0L, "Could not bind extended"},
                                                                  {static_cast<void*>(nullptr), "Could not bind null"},
                                                                  {std::string("x"), "Could not bind text"},
                                                                  {L'x', "Could not bind text"}};
    for (const auto& [second, message] : cases) {
        const std::vector<BindValue> values = {std::int32_t{1}, second};
        EXPECT_EQ(ErrorOf([&] { db.RunSQL("INSERT INTO p VALUES (?)", values); }),
                  message +
                      ".\rError [25]: 2nd parameter to sqlite3_bind out of range.\r"
                      "\"BindData\": column index out of range");
    }
    MemoryStream blob(std::string_view("b"));
    const std::vector<BindValue> blobs = {std::int32_t{1}, &blob};
    EXPECT_EQ(ErrorOf([&] { TSQLiteTable(db, "SELECT ?", blobs); }),
              "Could not bind BLOB.\rError [25]: 2nd parameter to sqlite3_bind out of range.\r"
              "\"BindData\": column index out of range");
    EXPECT_EQ(Stored(), "");
}

TEST_F(BindingTest, UnhandledValuesAreRefusedBeforeRunning) {
    int target = 0;
    const std::vector<std::pair<BindValue, std::string>> cases = {
        {static_cast<void*>(&target), "Unhandled pointer (<> nil)"},
        {UnhandledObject{}, "Unhandled object-type in binding"},
        {UnhandledValue{}, "Unhandled binding"}};
    for (const auto& [value, message] : cases)
        EXPECT_EQ(ErrorOf([&] { db.RunSQL("INSERT INTO p VALUES (?)", std::span(&value, 1)); }), message);
    EXPECT_EQ(Stored(), "");
}

TEST_F(BindingTest, NamedParametersApplyToTheNextStatementOnly) {
    db.AddParamInt(":v", 42);
    db.RunSQL("INSERT INTO p VALUES (:v)");
    db.AddParamFloat("@v", 0.5);
    db.RunSQL("INSERT INTO p VALUES (@v)");
    db.AddParamText("$v", std::string("t\0u", 3));
    db.RunSQL("INSERT INTO p VALUES ($v)");
    db.AddParamInt(":v", 5);
    db.AddParamNull(":v");  // the later of two with one name wins
    db.RunSQL("INSERT INTO p VALUES (:v)");

    db.AddParamInt(":absent", 1);
    db.RunSQL("INSERT INTO p VALUES (7)");        // skipped here ...
    db.RunSQL("INSERT INTO p VALUES (:absent)");  // ... and gone now
    EXPECT_EQ(Stored(), "integer:3432 real:302E35 text:740075 null: integer:37 null:");
}

TEST_F(BindingTest, PositionalValueWinsOverANamedOne) {
    db.AddParamInt(":v", 1);
    const std::vector<BindValue> values = {std::int32_t{2}};
    db.RunSQL("INSERT INTO p VALUES (:v)", values);
    EXPECT_EQ(Stored(), "integer:32");

    db.AddParamInt(":v", 3);
    EXPECT_EQ(db.QueryTable("SELECT :v + 1")->FieldText(0), "4");
    EXPECT_EQ(TSQLiteTable(db, "SELECT :v", values).FieldText(0), "2");
}

}  // namespace
