// The pen window (TForm8): a full-screen, top-most copy of the screen to draw on. It
// holds the drawing surface, the background copy the eraser restores from, the undo
// history, the palette and the text tool's box. Opened by Esc or the control bar, which
// show it and then click Button1 (CaptureScreen).
#pragma once
#include <windows.h>

#include "base/Monitors.h"
#include "base/ScreenGeometry.h"
#include "pen/BoardCycle.h"
#include "pen/DrawTool.h"
#include "pen/FigureGeometry.h"
#include "pen/PenPalette.h"
#include "pen/PixelTiles.h"
#include "pen/UndoHistory.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Handles.h"
#include "ui/Surface.h"
#include "ui/SurfaceImage.h"

class Inventory;

class TForm8 : public ui::Form {
public:
    explicit TForm8(Inventory& inventory);

    ui::SurfaceImage Image1;  // the drawing surface
    // The background copy: what the picture showed wherever the drawing has covered it
    // since the last copy; everywhere else the surface itself is the background.
    pen::PixelTiles Image3;
    PenPalette Panel2;
    ui::Edit Edit1;  // the text tool's box
    // The copy operations: CaptureScreen, FillBlack, FillWhite, CaptureSelf.
    ui::Button Button1, Button2, Button3, Button4;

    ui::Canvas& SurfaceCanvas() { return Image1.GetSurface().GetCanvas(); }
    // What the eraser restores at (x, y), as RGB(r, g, b).
    COLORREF BackgroundPixel(int x, int y);
    const pen::UndoHistory& History() const { return history_; }
    pen::DrawTool Tool() const { return tool_; }
    bool Drawing() const { return drawing_; }
    int EraserSize() const { return eraserSize_; }
    pen::NextBoard NextBoardToShow() const { return nextBoard_; }
    HCURSOR ToolCursor() const { return cursor_.get(); }
    int HotKeyId() const { return hotKeyId_; }

    void WMHotKey(WPARAM wParam, LPARAM lParam);
    // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z while the pen window or its surface has the focus.
    void EditKeyDown(WPARAM key);
    void Undo();
    void Redo();

    // Tools.
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton3Click();
    void ToolButton4Click();
    void ToolButton5Click();
    void ToolButton6Click();
    void ToolButton9Click();
    void ToolButton10Click();
    void ToolButton11Click();

    // Press, drag and release on the surface; any mouse button draws.
    void Image1MouseDown(int button, int x, int y);
    void Image1MouseMove(int x, int y);
    void Image1MouseUp(int button, int x, int y);
    void DrawShape(pen::Point origin, pen::Point current, ui::PenMode mode);

    // The copy operations behind Button1 to Button4.
    void CaptureScreen();
    void FillBlack();
    void FillWhite();
    void CaptureSelf();

    void SpeedButtonEraseClick();
    void Edit1Change();
    // Width in pixels of the box's text in the box's own font.
    int EditTextWidth(const ui::Edit& edit) const;

    // The palette.
    void Panel2MouseDown(int button, int x, int y);
    void Image2Click();
    void SpeedButtonPenColorClick();
    void SpeedButtonBrushColorClick();
    void EditPenWidthChange();
    void ComboBoxPenStyleChange();
    void ComboBoxBrushStyleChange();
    void ToolButton7Click();
    void ToolButton8Click();

protected:
    void OnClose() override;
    void OnCreate() override;
    void OnDestroy() override;
    void OnDpiChanged() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    TForm8(Inventory& inventory, ScreenSize screen);
    void BindEvents();
    void PlacePalette();
    // Moves the closed pen, its surfaces and its palette onto the monitor under the pointer.
    void CoverMonitorUnderPointer();
    void SelectTool(pen::DrawTool tool);
    void LoadToolCursor(pen::DrawTool tool);
    void ReapplyPalette();
    void SetTextFont(int points);
    void StampTextBox();
    pen::PixelPlane SurfacePlane();
    // Forgets the history and the background's kept tiles, before a new picture.
    void StartAfresh();
    void TakeScreenCopy();
    void CopyScreenBeneath();
    void PaintBoard(ui::Color color);
    // A step that puts a whole new picture on the surface, undone as one.
    template <typename Copy>
    void CopyStep(Copy copy);
    void ShowChange(const pen::Rect& changed);

    Inventory& inventory_;
    pen::UndoHistory history_;
    // The surface holds the screen as it was just before the window appeared, copied
    // while the window was being shown and not yet handed on.
    bool screenCopied_ = false;
    bool steppingAside_ = false;  // hidden for a moment while a refresh copies the screen
    ui::UniqueCursor cursor_;
    ui::UniqueFont textFont_;
    int hotKeyId_ = 0;
    pen::DrawTool tool_ = pen::DrawTool::Pen;
    bool drawing_ = false;
    pen::Point origin_;
    pen::Point current_;
    int eraserSize_ = 0;  // half the side of the eraser square; always the pen width
    pen::NextBoard nextBoard_ = pen::NextBoard::White;
    ScreenRect covered_;  // the monitor the pen covers, in screen pixels
};
