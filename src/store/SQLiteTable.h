#pragma once

#include "store/BindValue.h"
#include "store/Stream.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

class TSQLiteDatabase;
struct sqlite3_stmt;

// The complete result of one query, read into memory by the constructor. It keeps no
// reference to the connection, so it outlives it. Only the first row can be read: the
// current row is 0 and nothing moves it.
class TSQLiteTable {
public:
    TSQLiteTable(TSQLiteDatabase& database, const std::string& sql, std::span<const BindValue> values = {});

    TSQLiteTable(const TSQLiteTable&) = delete;
    TSQLiteTable& operator=(const TSQLiteTable&) = delete;

    std::uint32_t RowCount() const { return rowCount_; }
    std::uint32_t ColumnCount() const { return columnCount_; }
    bool AtEnd() const { return currentRow_ >= rowCount_; }

    // Case-insensitive; the first of several equal names wins.
    std::int32_t IndexOfField(const std::string& name) const;

    // Accessors of the current row. A NULL value or a zero-byte blob is an empty cell.
    std::string FieldText(std::int32_t column) const;  // empty for an empty cell
    std::string FormatField(std::int32_t column) const;
    std::int64_t IntegerField(std::int32_t column) const;
    double FloatField(std::int32_t column) const;
    // The table's own stream, or null for an empty cell. Its position is the reader's to move.
    MemoryStream* BlobField(std::int32_t column) const;
    std::string BlobFieldText(std::int32_t column) const;

private:
    // SQLite's storage-class codes.
    enum class ColumnKind : std::int32_t { Integer = 1, Float = 2, Text = 3, Blob = 4, Null = 5 };
    using Cell = std::variant<std::monostate, std::int64_t, double, std::string, std::unique_ptr<MemoryStream>>;

    void SetUpColumns(sqlite3_stmt* statement);
    void AppendRow(sqlite3_stmt* statement);
    const Cell& CellAt(std::int32_t column) const;

    std::vector<Cell> cells_;  // row-major
    std::uint32_t rowCount_ = 0;
    std::uint32_t columnCount_ = 0;
    std::vector<std::string> columnNames_;  // upper-cased
    std::vector<ColumnKind> columnKinds_;
    std::uint32_t currentRow_ = 0;
};
