// The pen window: a full-screen, top-most copy of the screen to draw on. It holds the
// drawing surface, the background copy the eraser restores from, the undo history, the
// palette and the text tool. Opened by Esc or the control bar, which show it and then call
// CaptureScreen.
#pragma once
#include <windows.h>

#include "base/Monitors.h"
#include "base/ScreenGeometry.h"
#include "pen/BoardCycle.h"
#include "pen/DrawingFiles.h"
#include "pen/DrawTool.h"
#include "pen/FigureGeometry.h"
#include "pen/PenHost.h"
#include "pen/PenPalette.h"
#include "pen/PixelTiles.h"
#include "pen/ScreenCopy.h"
#include "pen/TextTool.h"
#include "pen/UndoHistory.h"
#include "pen/ZoomStep.h"
#include "ui/Form.h"
#include "ui/Handles.h"
#include "ui/Surface.h"
#include "ui/SurfaceImage.h"

class BoardWindow;

class PenWindow : public ui::Form {
public:
    explicit PenWindow(PenHost& host);
    // The window the black and white boards are painted by.
    void UseBoard(BoardWindow& board) { board_ = &board; }

    ui::SurfaceImage& DrawingSurface() { return surface_; }
    ui::Canvas& SurfaceCanvas() { return surface_.GetSurface().GetCanvas(); }
    const pen::PixelTiles& Background() const { return background_; }
    PenPalette& Palette() { return palette_; }
    TextTool& TextInput() { return text_; }
    // What the eraser restores at (x, y), as RGB(r, g, b).
    COLORREF BackgroundPixel(int x, int y);
    const pen::UndoHistory& History() const { return history_; }
    pen::DrawTool Tool() const { return tool_; }
    bool Drawing() const { return drawing_; }
    int EraserSize() const { return eraserSize_; }
    pen::NextBoard NextBoardToShow() const { return nextBoard_; }
    HCURSOR ToolCursor() const { return cursor_.get(); }
    // Esc while one of the palette's lists is dropped down closes the list; true when it did.
    bool CloseDroppedList() { return palette_.CloseDroppedList(); }

    // The pen's keys (EditKeys.h), whichever of the pen's controls has the keyboard (but
    // the text box, which keeps its own).
    bool PreviewKey(HWND target, WPARAM key) override;
    void Undo();
    void Redo();
    // Ctrl+S, Ctrl+Shift+S and Ctrl+C: the picture as the pen shows it, without the
    // palette or the text box.
    void Save();
    void SaveAs();
    void CopyPicture();
    // Ctrl+B: the surface shows the drawing kept the last time the pen closed, each
    // further press the one before it; each is one undoable step. A kept drawing of
    // another size is scaled to fit, centred on black.
    void BringBack();
    // The wheel over the surface: one level in around `pointer` (surface pixels), or back
    // out to the level before.
    void ZoomIn(pen::Point pointer);
    void ZoomOut();
    DrawingFiles& Files() { return files_; }
    void SelectTool(pen::DrawTool tool);

    // Press, drag and release on the surface; any mouse button draws.
    void OnPress(int button, int x, int y);
    void OnDrag(int x, int y);
    void OnRelease(int button, int x, int y);
    void DrawShape(pen::Point origin, pen::Point current, ui::PenMode mode);

    // Whole new pictures: the screen beneath (a new drawing, nothing to undo), a black or
    // white board (likewise).
    void CaptureScreen();
    // Hands the drawing the pen closed with to be kept, if that is still to do.
    void KeepClosedDrawing();
    void FillBlack();
    void FillWhite();
    // What was typed into the text box goes onto the picture where the box stands, as one
    // undoable step; nothing happens while the box holds no text.
    void StampText();
    // The monitors changed: the pen covers its monitor again, its palette on it.
    void OnDisplayChange();
    // The refresh button: the screen beneath again, undoable.
    void Refresh();
    // The board button: the next board, undoable.
    void ShowNextBoard();

protected:
    void OnClose() override;
    void OnCreate() override;
    void OnDestroy() override;
    void OnDpiChanged() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    PenWindow(PenHost& host, ScreenSize screen);
    void BindEvents();
    void PlacePalette();
    // Moves the closed pen, its surfaces and its palette onto the monitor under the pointer.
    void CoverMonitorUnderPointer();
    // Takes `monitor` as the covered area; surfaces of another size start afresh.
    void Cover(const ScreenRect& monitor);
    // Ends a drawing step: the history keeps it, the background forgets what came back.
    void FinishStep();
    void LoadToolCursor(pen::DrawTool tool);
    void ApplyPalette(PaletteChange change, const PaletteState& state);
    // After a fresh picture: the palette's state again, all but the pen style.
    void ReapplyPalette();
    void RunCommand(PaletteCommand command);
    pen::PixelPlane SurfacePlane();
    // Forgets the history and the background's kept tiles, before a new picture.
    void StartAfresh();
    void CopyScreenBeneath();
    void PaintBoard(ui::Color color);
    // A step that puts a whole new picture on the surface, undone as one.
    template <typename Copy>
    void CopyStep(Copy copy);
    void ShowChange(const pen::Rect& changed);
    void OnWheel(WPARAM wParam, LPARAM lParam);
    // Puts a kept drawing on the surface, scaled to fit where its size differs.
    void ShowPicture(const ui::DecodedPicture& picture);

    ui::SurfaceImage surface_;
    // The background copy: what the picture showed wherever the drawing has covered it
    // since the last copy; everywhere else the surface itself is the background.
    pen::PixelTiles background_;
    PenPalette palette_;
    TextTool text_;
    PenHost& host_;
    BoardWindow* board_ = nullptr;
    pen::UndoHistory history_;
    pen::ZoomScratch zoomScratch_;
    ScreenCopy screenCopy_;
    ui::UniqueCursor cursor_;
    pen::DrawTool tool_ = pen::DrawTool::Pen;
    bool drawing_ = false;
    bool keepPending_ = false;  // closed with a drawing not yet handed to be kept
    pen::Point origin_;
    pen::Point current_;
    int eraserSize_ = 0;  // half the side of the eraser square; always the pen width
    pen::NextBoard nextBoard_ = pen::NextBoard::White;
    ScreenRect covered_;  // the monitor the pen covers, in screen pixels
    DrawingFiles files_;
    std::size_t broughtBack_ = 0;  // kept drawings brought back since the pen opened
    int wheel_ = 0;                // wheel turns not yet a whole notch
};
