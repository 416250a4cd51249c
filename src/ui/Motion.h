// Whether the user lets programs animate (Windows' "Show animations in Windows", off for
// many who find motion hard to bear): without it, what would fade or grow shows in its
// final state and goes at once.
#pragma once

namespace ui {

bool AnimationsOn();

}  // namespace ui
