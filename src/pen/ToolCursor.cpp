#include "pen/ToolCursor.h"

#include "ui/ProgramFiles.h"

void ToolCursor::Show(pen::DrawTool tool, ui::SurfaceImage& surface) {
    ui::UniqueCursor fresh(LoadCursorFromFileW(ui::BesideProgram(pen::ToolCursorFile(tool)).c_str()));
    surface.SetCursor(fresh.get());
    cursor_ = std::move(fresh);  // the old cursor is no longer shown when it is destroyed
}
