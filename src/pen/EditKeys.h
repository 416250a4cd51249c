// The keys of the open pen: taking back and bringing back its steps, saving and copying
// the picture, and bringing back a drawing kept when the pen closed.
#pragma once

namespace pen {

enum class EditCommand { None, Undo, Redo, Save, SaveAs, Copy, BringBack };

// Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo. Ctrl+S saves, Ctrl+Shift+S asks where;
// Ctrl+C copies; Ctrl+B brings back the kept drawings, the last first. `virtualKey` is a
// Windows key code.
constexpr EditCommand EditCommandFor(int virtualKey, bool control, bool shift) {
    if (!control) return EditCommand::None;
    switch (virtualKey) {
        case 'Z':
            return shift ? EditCommand::Redo : EditCommand::Undo;
        case 'Y':
            return EditCommand::Redo;
        case 'S':
            return shift ? EditCommand::SaveAs : EditCommand::Save;
        case 'C':
            return shift ? EditCommand::None : EditCommand::Copy;
        case 'B':
            return shift ? EditCommand::None : EditCommand::BringBack;
        default:
            return EditCommand::None;
    }
}

}  // namespace pen
