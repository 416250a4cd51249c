// Drawing attributes over a DC as the pen thinks of them: pen colour, width, style and
// mode; brush colour and style. GDI pens and brushes are made only when an attribute
// changes, never per figure, and stay selected in the DC.
#pragma once
#include <windows.h>

#include "ui/CanvasStyles.h"
#include "ui/Colors.h"
#include "ui/Handles.h"

namespace ui {

class Canvas {
public:
    // `dc` belongs to the caller and outlives the canvas.
    explicit Canvas(HDC dc);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    HDC Handle() const { return dc_; }

    // A fresh canvas: black solid pen 1 pixel wide drawing in copy mode, solid white brush.
    void Reset();

    Color PenColor() const { return penColor_; }
    void SetPenColor(Color color);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);
    PenStyle GetPenStyle() const { return penStyle_; }
    void SetPenStyle(PenStyle style);
    PenMode GetPenMode() const { return penMode_; }
    void SetPenMode(PenMode mode);
    Color BrushColor() const { return brushColor_; }
    // A colour given to a hollow brush makes it solid.
    void SetBrushColor(Color color);
    BrushStyle GetBrushStyle() const { return brushStyle_; }
    void SetBrushStyle(BrushStyle style);

    POINT PenPos() const;
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Outline with the pen, inside with the brush.
    void Rectangle(const RECT& r);
    void Ellipse(const RECT& r);
    void RoundRect(const RECT& r, int cornerWidth, int cornerHeight);

private:
    void Realize();
    // Draws a wide-pen figure (`trace` adds it to a path) as its filled inside, then
    // the region of its widened outline in the pen colour.
    template <typename Trace>
    void WideFigure(Trace trace);

    HDC dc_;
    HGDIOBJ originalPen_;
    HGDIOBJ originalBrush_;
    Color penColor_ = Black;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    PenMode penMode_ = PenMode::Copy;
    Color brushColor_ = White;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    UniquePen pen_;
    UniqueBrush penBrush_;  // the pen's colour, for wide outlines filled as regions
    UniqueBrush brush_;
    bool penStale_ = true;
    bool brushStale_ = true;
};

}  // namespace ui
