// Statement parameters of TSQLiteDatabase: the connection's named parameters and the
// positional values of one call.
#include "store/SQLiteDatabase.h"

#include "store/SQLiteException.h"
#include "base/Utf8.h"

#include <string_view>
#include <type_traits>

namespace {

// The outcome of binding one positional value: SQLite's result and the message a failure
// is reported with.
struct BindResult {
    int code;
    const char* failure;
};

BindResult BindText(sqlite3_stmt* statement, int index, const char* text, int length) {
    return {sqlite3_bind_text(statement, index, text, length, SQLITE_TRANSIENT), "Could not bind text"};
}

// Wide text is bound as UTF-8 up to its terminator; SQLite copies the converted bytes.
BindResult BindWideText(sqlite3_stmt* statement, int index, const wchar_t* text) {
    if (!text) return BindText(statement, index, nullptr, -1);
    const std::string utf8 = ToUtf8(std::wstring_view(text));
    return BindText(statement, index, utf8.data(), static_cast<int>(utf8.size()));
}

BindResult BindStream(sqlite3_stmt* statement, int index, Stream* stream) {
    // A missing stream is no value at all.
    if (!stream) return {sqlite3_bind_null(statement, index), "Could not bind BLOB"};

    // Memory-backed bytes are passed without a copy: the statement is finalised before
    // the caller's stream can go away.
    if (const auto* memory = dynamic_cast<const MemoryStream*>(stream)) {
        static const unsigned char kNoBytes = 0;  // a zero-length blob, not NULL
        const std::int64_t remaining = memory->Size() - memory->Position();
        const void* bytes = remaining > 0 ? memory->Data() + memory->Position() : &kNoBytes;
        return {sqlite3_bind_blob64(statement, index, bytes, static_cast<sqlite3_uint64>(remaining), SQLITE_STATIC),
                "Could not bind BLOB"};
    }

    const std::int64_t size = stream->Size() > 0 ? stream->Size() : 0;
    // SQLite releases the buffer, even when the bind fails.
    void* buffer = sqlite3_malloc64(static_cast<sqlite3_uint64>(size > 0 ? size : 1));
    if (!buffer) throw ESQLiteException("Error getting memory to save blob");
    stream->Seek(0);
    const std::size_t read = stream->Read(buffer, static_cast<std::size_t>(size));
    return {sqlite3_bind_blob64(statement, index, buffer, read, sqlite3_free), "Could not bind BLOB"};
}

BindResult BindOne(sqlite3_stmt* statement, int index, const BindValue& value) {
    return std::visit(
        [&](const auto& v) -> BindResult {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::int32_t>) {
                return {sqlite3_bind_int(statement, index, v), "Could not bind integer"};
            } else if constexpr (std::is_same_v<T, bool>) {
                return {sqlite3_bind_int(statement, index, v ? 1 : 0), "Could not bind boolean"};
            } else if constexpr (std::is_same_v<T, std::int64_t>) {
                return {sqlite3_bind_int64(statement, index, v), "Could not bind int64"};
            } else if constexpr (std::is_same_v<T, long double>) {
                return {sqlite3_bind_double(statement, index, static_cast<double>(v)), "Could not bind extended"};
            } else if constexpr (std::is_same_v<T, void*>) {
                if (v) throw ESQLiteException("Unhandled pointer (<> nil)");
                return {sqlite3_bind_null(statement, index), "Could not bind null"};
            } else if constexpr (std::is_same_v<T, char>) {
                return BindText(statement, index, &v, 1);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return BindText(statement, index, v.data(), static_cast<int>(v.size()));
            } else if constexpr (std::is_same_v<T, const char*>) {
                return BindText(statement, index, v, -1);
            } else if constexpr (std::is_same_v<T, wchar_t>) {
                const wchar_t text[] = {v, L'\0'};
                return BindWideText(statement, index, text);
            } else if constexpr (std::is_same_v<T, std::wstring>) {
                return BindWideText(statement, index, v.c_str());
            } else if constexpr (std::is_same_v<T, const wchar_t*>) {
                return BindWideText(statement, index, v);
            } else if constexpr (std::is_same_v<T, Stream*>) {
                return BindStream(statement, index, v);
            } else if constexpr (std::is_same_v<T, UnhandledObject>) {
                throw ESQLiteException("Unhandled object-type in binding");
            } else {
                static_assert(std::is_same_v<T, UnhandledValue>);
                throw ESQLiteException("Unhandled binding");
            }
        },
        value);
}

}  // namespace

void TSQLiteDatabase::AddParamInt(const std::string& name, std::int64_t value) { params_.push_back({name, value}); }

void TSQLiteDatabase::AddParamFloat(const std::string& name, double value) { params_.push_back({name, value}); }

void TSQLiteDatabase::AddParamText(const std::string& name, std::string value) {
    params_.push_back({name, std::move(value)});
}

void TSQLiteDatabase::AddParamNull(const std::string& name) { params_.push_back({name, std::monostate{}}); }

void TSQLiteDatabase::ClearParams() { params_.clear(); }

void TSQLiteDatabase::ApplyParams(sqlite3_stmt* statement) {
    // Bind results are not examined: a failed named bind leaves the placeholder NULL.
    for (const NamedParam& param : params_) {
        const int index = sqlite3_bind_parameter_index(statement, param.name.c_str());
        if (index <= 0) continue;
        if (const auto* i = std::get_if<std::int64_t>(&param.value))
            sqlite3_bind_int64(statement, index, *i);
        else if (const auto* f = std::get_if<double>(&param.value))
            sqlite3_bind_double(statement, index, *f);
        else if (const auto* text = std::get_if<std::string>(&param.value))
            sqlite3_bind_text(statement, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(statement, index);
    }
    ClearParams();
}

void TSQLiteDatabase::BindData(sqlite3_stmt* statement, std::span<const BindValue> values) {
    for (std::size_t k = 0; k < values.size(); ++k) {
        const BindResult result = BindOne(statement, static_cast<int>(k + 1), values[k]);
        if (result.code != SQLITE_OK) RaiseLastError(result.failure, "BindData");
    }
}
