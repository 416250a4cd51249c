// The program's error types. Messages are UTF-8 text; the error reporter shows them as they are.
#pragma once
#include <stdexcept>

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised when text does not convert to a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
