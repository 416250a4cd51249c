// Live ink: the pen's tools over the running screen. A top-most layered window covers the
// monitor that holds the pointer and shows only the ink (see InkLayer); everything beneath
// keeps running and shows through. Drawing, it takes the presses over the monitor; passing
// clicks through, it takes none, and the ink only shows. Its palette stands in a window of
// its own. Closing keeps the ink with the pen's kept drawings, and Ctrl+B brings them back.
#pragma once
#include <windows.h>

#include <optional>

#include "pen/Drawing.h"
#include "pen/DrawingFiles.h"
#include "pen/InkLayer.h"
#include "pen/InkPresses.h"
#include "pen/InkPaletteWindow.h"
#include "pen/InkTextWindow.h"
#include "pen/LiveInkHost.h"
#include "pen/MonitorCover.h"
#include "pen/StrokeInput.h"
#include "pen/ToolCursor.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/WheelNotches.h"

class LiveInkWindow : public ui::Form {
public:
    explicit LiveInkWindow(LiveInkHost& host);

    // Opens over the monitor under the pointer, empty and drawing.
    void Open();
    // Closes, keeping what was drawn; HandOver closes without keeping and gives the caller
    // the ink, for the frozen pen that opens with it.
    void HandOver(const std::function<void(const pen::PixelPlane& ink)>& take);
    // Drawing, or passing every click, wheel turn and key to the programs beneath.
    void SetDrawing(bool drawing);
    bool Drawing() const { return drawing_; }
    // Esc first closes a style list of the palette that is dropped down; false when none is.
    bool CloseDroppedList() { return paletteWindow_.palette.CloseDroppedList(); }

    bool PreviewKey(HWND target, WPARAM key) override;
    // Press, drag and release in the window's pixels, from whichever way the mouse came.
    void OnPress(int x, int y);
    void OnDrag(int x, int y);
    void OnRelease(int x, int y);
    void OnWheel(int turn, bool control);
    // What changed is shown now instead of at the next idle moment.
    void ShowNow();

    // What live ink shows and holds, for those who look at it.
    InkLayer& Layer() { return layer_; }
    PenPalette& Palette() { return paletteWindow_.palette; }
    InkTextWindow& TextWindow() { return textWindow_; }
    InkPaletteWindow& PaletteWindow() { return paletteWindow_; }
    DrawingFiles& Files() { return files_; }
    const pen::Drawing& Steps() const { return steps_; }
    const ScreenRect& Covered() const { return cover_.Covered(); }
    // Whether presses reach the window itself (blended layered windows: an alpha of 1
    // catches them) or are taken from the mouse hook (no blending: the pixels must be 0).
    bool CatchesPressesItself() const { return blended_; }

protected:
    void OnCreate() override;
    void OnClose() override;
    void OnDestroy() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void BindPalette();
    // Covers `monitor`: the ink starts afresh where its size changes.
    void Cover(const ScreenRect& monitor);
    void PlacePalette();
    void OnDisplayChange();
    void Changed(const RECT& area);
    void ShowChange(const pen::Rect& area);
    void SelectTool(pen::DrawTool tool);
    // What was typed goes onto the ink, one step, before anything else changes it.
    void StampText();
    void ClearAll();
    void Save();
    void SaveAs();
    void CopyPicture();
    void BringBack();
    void Undo() { ShowChange(strokes_.Active() ? pen::Rect{} : steps_.Undo()); }
    void Redo() { ShowChange(strokes_.Active() ? pen::Rect{} : steps_.Redo()); }
    // The screen of now with the ink on it, handed to the files by `hand`.
    void HandScreen(void (DrawingFiles::*hand)(const pen::PixelPlane&));
    // What the covered monitor shows now, the ink on it, into `screen` of its size; the
    // palette steps aside for it, or with `stepAside` false counts as white.
    void CopyShowing(ui::Surface& screen, bool stepAside);
    // A highlighter stroke begins: what shows is copied for it to combine with.
    void StartHighlighting();
    // The ink kept if worth it, and the memory of the closed ink given back.
    void Finish(bool keep);

    LiveInkHost& host_;
    const bool blended_;
    InkLayer layer_;
    pen::Drawing steps_;
    StrokeInput strokes_;
    InkPaletteWindow paletteWindow_;
    InkTextWindow textWindow_;
    MonitorCover cover_;
    InkPresses presses_;
    DrawingFiles files_;
    ::ToolCursor cursor_;
    ui::Timer showTimer_;                 // shows what changed once the input waiting is handled
    std::optional<ui::Surface> beneath_;  // what showed as a highlighter stroke began
    std::uint32_t highlight_ = 0;         // that stroke's colour, 0x00RRGGBB
    ui::WheelNotches wheel_;
    pen::DrawTool tool_ = pen::DrawTool::Pen;
    bool drawing_ = false;
    HWND givenBack_ = nullptr;  // the window that had the keyboard as live ink opened
};
