#include "store/SQLiteErrorText.h"

#include "base/QuotedValue.h"
#include "base/Utf8.h"

std::string SQLiteErrorText(int code) {
    switch (code) {
        case 0:
            return "Successful result";
        case 1:
            return "SQL error or missing database";
        case 2:
            return "An internal logic error in SQLite";
        case 3:
            return "Access permission denied";
        case 4:
            return "Callback routine requested an abort";
        case 5:
            return "The database file is locked";
        case 6:
            return "A table in the database is locked";
        case 7:
            return "A malloc() failed";
        case 8:
            return "Attempt to write a readonly database";
        case 9:
            return "Operation terminated by sqlite3_interrupt()";
        case 10:
            return "Some kind of disk I/O error occurred";
        case 11:
            return "The database disk image is malformed";
        case 12:
            return "(Internal Only) Table or record not found";
        case 13:
            return "Insertion failed because database is full";
        case 14:
            return "Unable to open the database file";
        case 15:
            return "Database lock protocol error";
        case 16:
            return "Database is empty";
        case 17:
            return "The database schema changed";
        case 18:
            return "Too much data for one row of a table";
        // Spelled as the program has always reported it, so that a message a user quotes
        // can be searched for.
        case 19:
            return "Abort due to contraint violation";
        case 20:
            return "Data type mismatch";
        case 21:
            return "Library used incorrectly";
        case 22:
            return "Uses OS features not supported on host";
        case 23:
            return "Authorization denied";
        case 24:
            return "Auxiliary database format error";
        case 25:
            return "2nd parameter to sqlite3_bind out of range";
        case 26:
            return "File opened that is not a database file";
        case 100:
            return "sqlite3_step() has another row ready";
        case 101:
            return "sqlite3_step() has finished executing";
        default:
            return "Unknown SQLite Error Code \"" + std::to_string(code) + "\"";
    }
}

namespace {

std::string ShortenedLiteral(const std::string& literal) {
    const std::wstring text = FromUtf8(literal);
    return text.size() > kLongestQuotedValue ? ToUtf8(ShortenedPathForQuote(text)) : literal;
}

}  // namespace

std::string QuotedStatement(const std::string& sql) {
    std::string quoted;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = sql.find('\'', pos);
        if (open == std::string::npos) return quoted + sql.substr(pos);
        // The literal ends at the first quote that is not doubled.
        std::size_t close = sql.find('\'', open + 1);
        while (close != std::string::npos && close + 1 < sql.size() && sql[close + 1] == '\'')
            close = sql.find('\'', close + 2);
        const std::size_t end = close == std::string::npos ? sql.size() : close;
        quoted += sql.substr(pos, open + 1 - pos) + ShortenedLiteral(sql.substr(open + 1, end - open - 1));
        if (close == std::string::npos) return quoted;
        quoted += '\'';
        pos = close + 1;
    }
}
