// The one error type of the database access layer.
#pragma once
#include "base/Exception.h"

class ESQLiteException : public Exception {
public:
    using Exception::Exception;
};
