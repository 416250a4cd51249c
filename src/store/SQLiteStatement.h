#pragma once

#include <sqlite3.h>

// Owns one prepared statement and finalises it on every way out, error paths included.
class SQLiteStatement {
public:
    SQLiteStatement() = default;
    ~SQLiteStatement() { sqlite3_finalize(handle_); }

    SQLiteStatement(SQLiteStatement&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    SQLiteStatement(const SQLiteStatement&) = delete;
    SQLiteStatement& operator=(const SQLiteStatement&) = delete;
    SQLiteStatement& operator=(SQLiteStatement&&) = delete;

    sqlite3_stmt* get() const { return handle_; }
    // Where sqlite3_prepare_v2 stores the new statement.
    sqlite3_stmt** out() { return &handle_; }

private:
    sqlite3_stmt* handle_ = nullptr;
};
