// The pen window's handlers of its palette: dragging it, the close glyph, colours,
// width, styles, the board button and help.
#include "app/HelpWindow.h"
#include "app/Inventory.h"
#include "pen/PenWindow.h"
#include "pen/TextBoxSize.h"

void TForm8::Panel2MouseDown(int, int, int) {
    // The system moves the palette with the pointer until the button is released, as if
    // the frame were a caption.
    ReleaseCapture();
    SendMessageW(Panel2.Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void TForm8::Image2Click() { Close(); }

void TForm8::SpeedButtonPenColorClick() {
    if (!Panel2.ColorDialog1.Execute(Handle())) return;
    const ui::Color color = Panel2.ColorDialog1.GetColor();
    SurfaceCanvas().SetPenColor(color);
    Panel2.SpeedButtonPenColor.SetColor(color);
    Edit1.SetFontColor(color);
}

void TForm8::SpeedButtonBrushColorClick() {
    if (!Panel2.ColorDialog1.Execute(Handle())) return;
    const ui::Color color = Panel2.ColorDialog1.GetColor();
    // A hollow brush turns solid; the style list keeps showing what it showed.
    SurfaceCanvas().SetBrushColor(color);
    Panel2.SpeedButtonBrushColor.SetColor(color);
}

void TForm8::EditPenWidthChange() {
    const int width = Panel2.UpDownPenWidth.Position();
    SurfaceCanvas().SetPenWidth(width);
    eraserSize_ = width;
    SetTextFont(pen::TextPoints(width));
    Edit1.SetSize(pen::TextBoxWidth(EditTextWidth(Edit1), width), Edit1.Height());
}

void TForm8::ComboBoxPenStyleChange() {
    const int style = Panel2.ComboBoxPenStyle.ItemIndex();
    if (style >= 0) SurfaceCanvas().SetPenStyle(static_cast<ui::PenStyle>(style));
}

void TForm8::ComboBoxBrushStyleChange() {
    SurfaceCanvas().SetBrushColor(Panel2.SpeedButtonBrushColor.GetColor());
    const int style = Panel2.ComboBoxBrushStyle.ItemIndex();
    if (style >= 0) SurfaceCanvas().SetBrushStyle(static_cast<ui::BrushStyle>(style));
}

void TForm8::ToolButton7Click() {
    // Each press discards the drawing and shows the next board on a fresh canvas.
    SurfaceCanvas().Reset();
    switch (nextBoard_) {
        case pen::NextBoard::White:
            FillWhite();
            break;
        case pen::NextBoard::Black:
            FillBlack();
            break;
        case pen::NextBoard::Screen:
            CaptureScreen();
            break;
    }
    ReapplyPalette();
    nextBoard_ = pen::After(nextBoard_);
}

void TForm8::ToolButton8Click() {
    Close();
    inventory_.helpWindow().Show();
}
