#include "store/FloatText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int kSignificantDigits = 15;

struct Decimal {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros, at least one digit
    int exponent = 0;    // power of ten of the first digit
};

// Rounds to 15 significant digits. to_chars rounds correctly and ignores the C locale,
// and a carry such as 9.99...9 -> 1.0 shows up in its exponent.
Decimal RoundToSignificant(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    Decimal decimal;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        decimal.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e');
    for (; pos < e; ++pos) {
        if (text[pos] != '.') decimal.digits += text[pos];
    }
    decimal.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    const std::size_t last = decimal.digits.find_last_not_of('0');
    decimal.digits.erase(last == std::string::npos ? 1 : last + 1);
    return decimal;
}

std::string Fixed(const Decimal& d) {
    std::string text = d.negative ? "-" : "";
    if (d.exponent < 0) {
        text.append("0.").append(static_cast<std::size_t>(-d.exponent - 1), '0').append(d.digits);
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(d.exponent + 1);
    if (d.digits.size() <= integerDigits) {
        text.append(d.digits).append(integerDigits - d.digits.size(), '0');
    } else {
        text.append(d.digits, 0, integerDigits).append(".").append(d.digits, integerDigits);
    }
    return text;
}

std::string Scientific(const Decimal& d) {
    std::string text = d.negative ? "-" : "";
    text += d.digits[0];
    if (d.digits.size() > 1) text.append(".").append(d.digits, 1);
    text += 'E';
    if (d.exponent < 0) text += '-';
    text += std::to_string(std::abs(d.exponent));
    return text;
}

}  // namespace

std::string FormatFloat(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";  // negative zero too

    const Decimal decimal = RoundToSignificant(value);
    const bool fixed = decimal.exponent >= -4 && decimal.exponent < kSignificantDigits;
    return fixed ? Fixed(decimal) : Scientific(decimal);
}
