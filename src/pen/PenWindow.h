// The pen window: a full-screen, top-most copy of the screen to draw on. It holds the
// drawing surface and the drawing's pixels (Drawing), the palette, the text tool and the
// mouse's strokes, and turns the presenter's keys, buttons and wheel into their steps.
// The program around it opens it (Show, then CaptureScreen) and closes it (Close); the
// pen asks it through PenHost.
#pragma once
#include <windows.h>

#include "pen/Drawing.h"
#include "pen/DrawingFiles.h"
#include "pen/DrawTool.h"
#include "pen/MonitorCover.h"
#include "pen/PenHost.h"
#include "pen/PenPalette.h"
#include "pen/PictureSources.h"
#include "pen/StrokeInput.h"
#include "pen/TextTool.h"
#include "pen/ToolCursor.h"
#include "ui/Form.h"
#include "ui/Handles.h"
#include "ui/SurfaceImage.h"
#include "ui/WheelNotches.h"

class BoardWindow;

// Posted to the pen window by itself as it closes. Once the window is gone, the drawing it
// closed with is handed on to be kept, and its surface shrinks to a pixel: a screen of
// memory that the program waiting in the tray does not need.
constexpr UINT kPenGone = WM_APP + 3;

class PenWindow : public ui::Form {
public:
    explicit PenWindow(PenHost& host);
    // The window the black and white boards are painted by.
    void UseBoard(BoardWindow& board) { sources_.UseBoard(board); }
    // A new picture: the screen beneath, with nothing to undo.
    void CaptureScreen();
    // Live ink's `ink` laid over the picture as one step, where it has the picture's size.
    void LayInk(const pen::PixelPlane& ink);
    // Esc first closes a style list of the palette that is dropped down; false when none is.
    bool CloseDroppedList() { return palette_.CloseDroppedList(); }
    // The pen's keys (EditKeys.h), whichever of the pen's controls has the keyboard (but
    // the text box, which keeps its own).
    bool PreviewKey(HWND target, WPARAM key) override;
    // Press, drag and release on the surface; any mouse button draws.
    void OnPress(int button, int x, int y);
    void OnDrag(int x, int y) { strokes_.Drag(x, y); }
    void OnRelease(int /*button*/, int x, int y) { strokes_.Release(x, y); }

    // What the pen shows and holds, for those who look at it.
    ui::SurfaceImage& DrawingSurface() { return surface_; }
    ui::Canvas& SurfaceCanvas() { return surface_.GetSurface().GetCanvas(); }
    PenPalette& Palette() { return palette_; }
    TextTool& TextInput() { return text_; }
    DrawingFiles& Files() { return files_; }
    const pen::PixelTiles& Background() const { return drawing_.Background(); }
    const pen::UndoHistory& History() const { return drawing_.History(); }
    // What the eraser restores at (x, y), as RGB(r, g, b).
    COLORREF BackgroundPixel(int x, int y) const {
        const std::uint32_t bgra = drawing_.BackgroundPixel(x, y);
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    pen::DrawTool Tool() const { return tool_; }
    bool Drawing() const { return strokes_.Active(); }
    // Half the side of the eraser square: always the pen width.
    int EraserSize() const { return palette_.State().penWidth; }
    pen::NextBoard NextBoardToShow() const { return sources_.NextBoardToShow(); }
    HCURSOR ToolCursor() const { return cursor_.Handle(); }

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
    // Takes `monitor` as the covered area; surfaces of another size start afresh.
    void Cover(const ScreenRect& monitor);
    // The surface at the covered area's size, made afresh when it has another.
    void FitSurface() { ResizeSurface(cover_.Size()); }
    void ResizeSurface(ScreenSize size);
    // The window over the covered monitor.
    void CoverBounds();
    void OnDisplayChange();
    // Hands the drawing the pen closed with to be kept, if that is still to do.
    void KeepClosedDrawing();

    void SelectTool(pen::DrawTool tool);
    void ApplyPalette(PaletteChange change);
    void RunCommand(PaletteCommand command);
    void StampText();

    void Undo();
    void Redo();
    // Ctrl+S, Ctrl+Shift+S and Ctrl+C: the picture as the pen shows it, without the
    // palette or the text box.
    void Save();
    void SaveAs();
    void CopyPicture();
    // Hands the picture to the files by `hand`, the text typed stamped onto it first.
    void HandPicture(void (DrawingFiles::*hand)(const pen::PixelPlane&));
    // Ctrl+B: the drawing kept the last time the pen closed, each further press the one
    // before it; each is one undoable step.
    void BringBack();
    void OnWheel(WPARAM wParam, LPARAM lParam);

    // A whole new picture put on the surface by `put`, a step undone as one: the canvas
    // starts from its defaults, then takes the palette again (all but the pen style).
    template <typename Put>
    void NewPicture(Put put);
    void ShowChange(const pen::Rect& changed);
    pen::PixelPlane SurfacePlane();

    ui::SurfaceImage surface_;
    pen::Drawing drawing_;
    PenPalette palette_;
    TextTool text_;
    StrokeInput strokes_;
    PenHost& host_;
    PictureSources sources_;
    MonitorCover cover_;
    DrawingFiles files_;
    ::ToolCursor cursor_;
    pen::DrawTool tool_ = pen::DrawTool::Pen;
    ui::WheelNotches wheel_;
};
