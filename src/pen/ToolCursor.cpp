#include "pen/ToolCursor.h"

#include "ui/ProgramFiles.h"

namespace {
ui::UniqueCursor CursorOf(pen::DrawTool tool) {
    return ui::UniqueCursor(LoadCursorFromFileW(ui::BesideProgram(pen::ToolCursorFile(tool)).c_str()));
}
}  // namespace

void ToolCursor::Show(pen::DrawTool tool, ui::SurfaceImage& surface) {
    ui::UniqueCursor fresh = CursorOf(tool);
    surface.SetCursor(fresh.get());
    cursor_ = std::move(fresh);  // the old cursor is no longer shown when it is destroyed
}

void ToolCursor::Load(pen::DrawTool tool) {
    ui::UniqueCursor fresh = CursorOf(tool);
    if (cursor_ && GetCursor() == cursor_.get()) SetCursor(fresh ? fresh.get() : LoadCursorW(nullptr, IDC_ARROW));
    cursor_ = std::move(fresh);
}
