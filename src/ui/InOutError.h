// A failed operation on files or folders, with the system's error code.
#pragma once
#include <string>

#include "base/Exception.h"

namespace ui {

class EInOutError : public ::Exception {
public:
    explicit EInOutError(unsigned long code) : ::Exception("I/O error " + std::to_string(code)) {}
};

}  // namespace ui
