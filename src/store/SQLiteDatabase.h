#pragma once

#include "store/BindValue.h"
#include "store/SQLiteStatement.h"
#include "store/SQLiteTable.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

// One open SQLite connection. Text travels as bytes: SQL, file names and values reach
// SQLite unchanged. Every failure raises ESQLiteException; every statement is finalised
// before the call that prepared it returns.
class TSQLiteDatabase {
public:
    // How long a statement waits for a lock held by another connection (an antivirus
    // scan, a second copy reading) before it fails, in milliseconds.
    static constexpr int kBusyTimeoutMs = 2000;

    // Opens (or, for a missing file in an existing folder, creates) the database.
    explicit TSQLiteDatabase(const std::string& fileName);

    TSQLiteDatabase(const TSQLiteDatabase&) = delete;
    TSQLiteDatabase& operator=(const TSQLiteDatabase&) = delete;

    // Runs the first statement of sql, which must finish without yielding a row.
    void RunSQL(const std::string& sql, std::span<const BindValue> values = {});
    // Runs the first statement of sql and buffers its whole result.
    std::unique_ptr<TSQLiteTable> QueryTable(const std::string& sql);

    // Named parameters apply to the next prepared statement only, then they are gone.
    // The name carries its prefix, as in the SQL (":name", "@name", "$name").
    void AddParamInt(const std::string& name, std::int64_t value);
    void AddParamFloat(const std::string& name, double value);
    void AddParamText(const std::string& name, std::string value);
    void AddParamNull(const std::string& name);
    void ClearParams();

    // Called with every statement that prepared successfully, before it is bound and run.
    std::function<void(TSQLiteDatabase&, const std::string&)> OnStatement;

private:
    friend class TSQLiteTable;

    struct NamedParam {
        std::string name;
        std::variant<std::monostate, std::int64_t, double, std::string> value;  // monostate: NULL
    };

    struct ConnectionCloser {
        void operator()(sqlite3* handle) const { sqlite3_close(handle); }
    };

    // Prepares the first statement of sql, calls the hook and binds both parameter lists.
    SQLiteStatement Prepare(const std::string& sql, std::span<const BindValue> values);
    [[noreturn]] void RaiseLastError(const std::string& message, const std::string& sql) const;
    void ApplyParams(sqlite3_stmt* statement);
    void BindData(sqlite3_stmt* statement, std::span<const BindValue> values);

    std::vector<NamedParam> params_;
    std::unique_ptr<sqlite3, ConnectionCloser> handle_;
};
