#include "store/SQLiteDatabase.h"

#include "store/SQLiteErrorText.h"
#include "store/SQLiteException.h"

TSQLiteDatabase::TSQLiteDatabase(const std::string& fileName) {
    sqlite3* handle = nullptr;
    const int result = sqlite3_open(fileName.c_str(), &handle);
    // Owned at once, so a handle returned with an error is closed when the exception leaves.
    handle_.reset(handle);
    if (result != SQLITE_OK) {
        const std::string prefix = "Failed to open database \"" + fileName + "\" : ";
        if (handle) throw ESQLiteException(prefix + sqlite3_errmsg(handle));
        throw ESQLiteException(prefix + "unknown error");
    }
    sqlite3_busy_timeout(handle, kBusyTimeoutMs);
}

void TSQLiteDatabase::RunSQL(const std::string& sql, std::span<const BindValue> values) {
    const SQLiteStatement statement = Prepare(sql, values);
    // A row counts as failure too: this operation is for statements that return nothing.
    if (sqlite3_step(statement.get()) != SQLITE_DONE) {
        sqlite3_reset(statement.get());
        RaiseLastError("Error executing SQL statement", sql);
    }
}

std::unique_ptr<TSQLiteTable> TSQLiteDatabase::QueryTable(const std::string& sql) {
    return std::make_unique<TSQLiteTable>(*this, sql);
}

SQLiteStatement TSQLiteDatabase::Prepare(const std::string& sql, std::span<const BindValue> values) {
    SQLiteStatement statement;
    const char* tail = nullptr;  // anything after the first statement is ignored
    if (sqlite3_prepare_v2(handle_.get(), sql.c_str(), -1, statement.out(), &tail) != SQLITE_OK)
        RaiseLastError("Error executing SQL", sql);
    // Empty text, blanks or a lone comment prepare "successfully" into no statement.
    if (!statement.get()) RaiseLastError("Could not prepare SQL statement", sql);
    if (OnStatement) OnStatement(*this, sql);
    ApplyParams(statement.get());
    BindData(statement.get(), values);
    return statement;
}

void TSQLiteDatabase::RaiseLastError(const std::string& message, const std::string& sql) const {
    const int code = sqlite3_errcode(handle_.get());
    const char* detail = sqlite3_errmsg(handle_.get());
    if (code != SQLITE_OK && detail) {
        throw ESQLiteException(message + ".\rError [" + std::to_string(code) + "]: " + SQLiteErrorText(code) + ".\r\"" +
                               QuotedStatement(sql) + "\": " + detail);
    }
    throw ESQLiteException(message);
}
