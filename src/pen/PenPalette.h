// The pen's tool palette (Panel2): a purple frame round Panel1, which holds the title,
// the close glyph, the toolbar and the colour, style and width controls. It lays them
// out and moves itself when dragged by its frame; the pen window binds their events.
#pragma once
#include <windows.h>

#include "ui/ColorDialog.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Font.h"
#include "ui/Handles.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/ToolBar.h"
#include "ui/UpDown.h"

class PenPalette : public ui::Panel {
public:
    static constexpr int kWidth = 129;
    static constexpr int kHeight = 289;

    PenPalette(HWND penWindow, int left, int top);

    // Moves the palette with the pointer until `button` (VK_LBUTTON, VK_RBUTTON or
    // VK_MBUTTON), pressed at (x, y) in the palette, is released or the mouse capture is
    // lost.
    void BeginDrag(int button, int x, int y);
    bool Dragging() const { return dragButton_ != 0; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    int dragButton_ = 0;
    POINT grip_{};  // where the palette is held, in its own pixels
    ui::ScaledFont titleFont_;
    ui::ScaledFont labelFont_;
    ui::ScaledFont styleFont_;

public:
    ui::Panel Panel1;
    ui::Label Label1;
    ui::Image Image2;
    ui::ToolBar ToolBar1;
    ui::ToolButton ToolButton1, ToolButton2, ToolButton3;       // pen, line, rectangle
    ui::ToolButton ToolButton4, ToolButton5, SpeedButtonErase;  // ellipse, rounded rectangle, refresh
    ui::ToolButton ToolButton10, ToolButton9, ToolButton11;     // arrow, double arrow, text
    ui::ToolButton ToolButton7, ToolButton6, ToolButton8;       // board, eraser, help
    ui::Label Label2;
    ui::Panel SpeedButtonPenColor;
    ui::Label Label6;
    ui::ComboBox ComboBoxPenStyle;
    ui::Label Label3;
    ui::Edit EditPenWidth;
    ui::UpDown UpDownPenWidth;
    ui::Label Label4;
    ui::Panel SpeedButtonBrushColor;
    ui::Label Label5;
    ui::ComboBox ComboBoxBrushStyle;
    ui::ColorDialog ColorDialog1;
};
