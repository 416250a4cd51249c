#pragma once

#include <stdexcept>
#include <string>

// The program's error types. Messages are UTF-8 text; the error reporter shows them as they are.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised by the database access layer for every failure.
class ESQLiteException : public Exception {
public:
    using Exception::Exception;
};

// Raised when text does not convert to a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
