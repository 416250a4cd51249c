// A failed operation on files or folders, with the system's error code.
#pragma once
#include <string>

#include "store/Errors.h"

namespace ui {

class EInOutError : public ::Exception {
public:
    explicit EInOutError(unsigned long code) : ::Exception("I/O error " + std::to_string(code)), code_(code) {}
    unsigned long Code() const { return code_; }

private:
    unsigned long code_;
};

}  // namespace ui
