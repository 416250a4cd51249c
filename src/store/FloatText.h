#pragma once

#include <string>

// A double as text with at most 15 significant digits: fixed notation when the rounded
// magnitude is at least 0.0001 and has at most 15 integer digits, otherwise scientific
// ("1E-5", "-2.5E-7", "1.5E20"). No trailing zeros, no trailing separator, '.' as separator.
std::string FormatFloat(double value);
