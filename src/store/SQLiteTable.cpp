#include "store/SQLiteTable.h"

#include "store/SQLiteException.h"
#include "store/FloatText.h"
#include "store/SQLiteDatabase.h"

#include <cmath>

namespace {

// ASCII letters only: bytes of multi-byte UTF-8 characters must pass unchanged.
std::string UpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string TextOf(const unsigned char* text) {
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

}  // namespace

TSQLiteTable::TSQLiteTable(TSQLiteDatabase& database, const std::string& sql, std::span<const BindValue> values) {
    const SQLiteStatement statement = database.Prepare(sql, values);
    for (;;) {
        const int result = sqlite3_step(statement.get());
        if (result == SQLITE_DONE) break;
        if (result == SQLITE_BUSY) throw ESQLiteException("Could not prepare SQL statement");
        if (result != SQLITE_ROW) {
            sqlite3_reset(statement.get());
            database.RaiseLastError("Could not retrieve data", sql);
        }
        if (++rowCount_ == 1) SetUpColumns(statement.get());
        AppendRow(statement.get());
    }
    currentRow_ = 0;
}

void TSQLiteTable::SetUpColumns(sqlite3_stmt* statement) {
    columnCount_ = static_cast<std::uint32_t>(sqlite3_column_count(statement));
    for (std::uint32_t c = 0; c < columnCount_; ++c) {
        const int i = static_cast<int>(c);
        const char* name = sqlite3_column_name(statement, i);
        columnNames_.push_back(UpperCase(name ? name : ""));
    }
    for (std::uint32_t c = 0; c < columnCount_; ++c) {
        const int i = static_cast<int>(c);
        const char* declared = sqlite3_column_decltype(statement, i);
        if (!declared) {
            // An expression column takes the storage class of its first value.
            columnKinds_.push_back(static_cast<ColumnKind>(sqlite3_column_type(statement, i)));
            continue;
        }
        // Whole, case-sensitive words: "INT" or "integer" make a text column.
        const std::string type = declared;
        if (type == "INTEGER" || type == "BOOLEAN")
            columnKinds_.push_back(ColumnKind::Integer);
        else if (type == "NUMERIC" || type == "FLOAT" || type == "DOUBLE" || type == "REAL")
            columnKinds_.push_back(ColumnKind::Float);
        else if (type == "BLOB")
            columnKinds_.push_back(ColumnKind::Blob);
        else
            columnKinds_.push_back(ColumnKind::Text);
    }
}

void TSQLiteTable::AppendRow(sqlite3_stmt* statement) {
    for (std::uint32_t c = 0; c < columnCount_; ++c) {
        const int i = static_cast<int>(c);
        // SQLite converts the value to the column's kind, so an integer column holding
        // text yields SQLite's integer reading of that text.
        if (sqlite3_column_type(statement, i) == SQLITE_NULL) {
            cells_.emplace_back();
            continue;
        }
        switch (columnKinds_[c]) {
            case ColumnKind::Integer:
                cells_.emplace_back(static_cast<std::int64_t>(sqlite3_column_int64(statement, i)));
                break;
            case ColumnKind::Float:
                cells_.emplace_back(sqlite3_column_double(statement, i));
                break;
            case ColumnKind::Blob: {
                const void* bytes = sqlite3_column_blob(statement, i);
                const int count = sqlite3_column_bytes(statement, i);
                if (count == 0)
                    cells_.emplace_back();
                else
                    cells_.emplace_back(std::make_unique<MemoryStream>(bytes, static_cast<std::size_t>(count)));
                break;
            }
            default:
                // Text, and the rare null kind, keep the text up to its first zero byte.
                cells_.emplace_back(TextOf(sqlite3_column_text(statement, i)));
                break;
        }
    }
}

const TSQLiteTable::Cell& TSQLiteTable::CellAt(std::int32_t column) const {
    if (AtEnd()) throw ESQLiteException("Table is at End of File");
    if (column < 0 || static_cast<std::uint32_t>(column) >= columnCount_)
        throw ESQLiteException("Column index out of range");
    return cells_[static_cast<std::size_t>(currentRow_) * columnCount_ + static_cast<std::size_t>(column)];
}

std::int32_t TSQLiteTable::IndexOfField(const std::string& name) const {
    if (columnNames_.empty()) throw ESQLiteException("Field " + name + " Not found. Empty dataset");
    const std::string wanted = UpperCase(name);
    for (std::size_t i = 0; i < columnNames_.size(); ++i) {
        if (columnNames_[i] == wanted) return static_cast<std::int32_t>(i);
    }
    throw ESQLiteException("Field not found in dataset: " + name);
}

std::string TSQLiteTable::FieldText(std::int32_t column) const {
    if (std::holds_alternative<std::monostate>(CellAt(column))) return {};
    return FormatField(column);
}

std::string TSQLiteTable::FormatField(std::int32_t column) const {
    const Cell& cell = CellAt(column);
    switch (columnKinds_[static_cast<std::size_t>(column)]) {
        case ColumnKind::Integer:
            return std::to_string(IntegerField(column));
        case ColumnKind::Float:
            return FormatFloat(FloatField(column));
        case ColumnKind::Text:
            if (const auto* text = std::get_if<std::string>(&cell)) return *text;
            return {};
        case ColumnKind::Blob:
            return BlobFieldText(column);
        default:
            return {};
    }
}

std::int64_t TSQLiteTable::IntegerField(std::int32_t column) const {
    const Cell& cell = CellAt(column);
    if (std::holds_alternative<std::monostate>(cell)) return 0;
    if (const auto* integer = std::get_if<std::int64_t>(&cell)) return *integer;
    if (const auto* real = std::get_if<double>(&cell)) {
        const double truncated = std::trunc(*real);
        // Converting a double outside the 64-bit range is undefined; refuse it instead.
        if (!(truncated >= -9223372036854775808.0 && truncated < 9223372036854775808.0))
            throw ESQLiteException("Float value out of integer range");
        return static_cast<std::int64_t>(truncated);
    }
    throw ESQLiteException("Not an integer or numeric field");
}

double TSQLiteTable::FloatField(std::int32_t column) const {
    const Cell& cell = CellAt(column);
    if (std::holds_alternative<std::monostate>(cell)) return 0.0;
    if (const auto* integer = std::get_if<std::int64_t>(&cell)) return static_cast<double>(*integer);
    if (const auto* real = std::get_if<double>(&cell)) return *real;
    throw ESQLiteException("Not an integer or numeric field");
}

MemoryStream* TSQLiteTable::BlobField(std::int32_t column) const {
    const Cell& cell = CellAt(column);
    if (std::holds_alternative<std::monostate>(cell)) return nullptr;
    if (const auto* stream = std::get_if<std::unique_ptr<MemoryStream>>(&cell)) return stream->get();
    throw ESQLiteException("Not a Blob field");
}

std::string TSQLiteTable::BlobFieldText(std::int32_t column) const {
    std::string bytes;
    MemoryStream* stream = BlobField(column);
    if (!stream || stream->Size() <= 0) return bytes;
    stream->Seek(0);
    bytes.resize(static_cast<std::size_t>(stream->Size()));
    bytes.resize(stream->Read(bytes.data(), bytes.size()));
    return bytes;
}
