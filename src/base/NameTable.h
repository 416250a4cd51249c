// A table of values and the names they are stored by (in the settings file), looked up
// both ways.
#pragma once
#include <optional>
#include <span>
#include <string_view>

template <typename Value>
struct Named {
    Value value;
    const wchar_t* name;
};

// The name of `value`; null when the table has none.
template <typename Value>
const wchar_t* NameIn(std::span<const Named<Value>> table, Value value) {
    for (const Named<Value>& entry : table)
        if (entry.value == value) return entry.name;
    return nullptr;
}

// The value named `name`; none when no entry has that name.
template <typename Value>
std::optional<Value> ValueIn(std::span<const Named<Value>> table, std::wstring_view name) {
    for (const Named<Value>& entry : table)
        if (name == entry.name) return entry.value;
    return std::nullopt;
}
