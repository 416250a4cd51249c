// The pointer's shape over the pen's picture: one cursor file per tool, beside the program.
#pragma once
#include <windows.h>

#include "pen/DrawTool.h"
#include "ui/Handles.h"
#include "ui/SurfaceImage.h"

class ToolCursor {
public:
    // Shows `tool`'s cursor over `surface`. A missing or unreadable file leaves no cursor,
    // and the standard arrow shows.
    void Show(pen::DrawTool tool, ui::SurfaceImage& surface);
    // Takes `tool`'s cursor, for a window that shows it itself (on WM_SETCURSOR).
    void Load(pen::DrawTool tool);
    HCURSOR Handle() const { return cursor_.get(); }

private:
    ui::UniqueCursor cursor_;
};
