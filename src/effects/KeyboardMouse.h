// The keyboard mouse: while it is on, the arrow keys move the pointer a step and a key
// clicks the left button where the pointer stands. Its keys are held only while it is on,
// so that other programs keep them otherwise (a browser's F5, a slide show's arrows).
#pragma once
#include <functional>

#include "base/ScreenGeometry.h"

class KeyboardMouse {
public:
    bool On() const { return on_; }
    void Toggle();
    // Both do nothing while it is off.
    void Move(ScreenPoint step) const;
    void Click() const;

    // It came on (true) or went off: its keys are to be held or released.
    std::function<void(bool on)> OnSwitched;
    // The pointer moved: what follows it may move at once rather than at its next tick.
    std::function<void()> OnMoved;

private:
    bool on_ = false;
};
