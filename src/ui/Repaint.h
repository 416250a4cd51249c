// Waiting a moment for what a hidden window uncovered to be painted again, before the
// screen is copied: other programs repaint by themselves, this thread's windows need their
// paint messages handled, and without a compositor (Wine on X, Windows without one) the
// uncovered part shows nothing until they have.
#pragma once
#include <windows.h>

namespace ui {

void LetUncoveredWindowsRepaint();

}  // namespace ui
