// The keys that take back and bring back the pen's steps.
#pragma once

namespace pen {

enum class EditCommand { None, Undo, Redo };

// Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo. `virtualKey` is a Windows key code.
constexpr EditCommand EditCommandFor(int virtualKey, bool control, bool shift) {
    if (!control) return EditCommand::None;
    if (virtualKey == 'Z') return shift ? EditCommand::Redo : EditCommand::Undo;
    if (virtualKey == 'Y') return EditCommand::Redo;
    return EditCommand::None;
}

}  // namespace pen
