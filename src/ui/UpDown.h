// Up-down arrows beside a buddy edit box holding a whole number; the arrows step through
// a range and wrap round at its ends.
#pragma once
#include <windows.h>

#include "ui/Control.h"
#include "ui/Edit.h"

namespace ui {

struct UpDownParams {
    int left = 0, top = 0, width = 16, height = 21;
    int min = 0, max = 100, position = 0;
};

class UpDown : public Control {
public:
    UpDown(HWND parent, Edit& buddy, const UpDownParams& params);

    // The position as the control reads it back from the buddy's text.
    int Position() const;
};

}  // namespace ui
