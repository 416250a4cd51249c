// Errors of the picture decoders.
#pragma once
#include "base/Exception.h"

namespace ui {

class EImageError : public ::Exception {
public:
    using ::Exception::Exception;
};

}  // namespace ui
