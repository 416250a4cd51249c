#pragma once

#include "store/Stream.h"

#include <cstdint>
#include <string>
#include <variant>

// Stand-ins for values the binding cannot handle, so callers and tests can hand them over
// and get the layer's refusal.
struct UnhandledObject {};  // an object that is not a stream
struct UnhandledValue {};   // a class reference, currency, variant or interface

// One positional statement parameter. Value k of a list binds to placeholder k + 1.
// A raw pointer binds NULL when null and is refused otherwise; narrow text is bound with its
// bytes unchanged, wide text as UTF-8. Streams are not owned and must outlive the call;
// a MemoryStream is bound without a copy, from its position to its end.
using BindValue = std::variant<std::int32_t, bool, std::int64_t, long double, void*, char, std::string, const char*,
                               wchar_t, std::wstring, const wchar_t*, Stream*, UnhandledObject, UnhandledValue>;
