#include "pen/PenPalette.h"

#include <windowsx.h>

#include "resources/PenResources.h"
#include "ui/Font.h"

namespace {

constexpr wchar_t kLabelFace[] = L"宋体";
constexpr int kLabelHeight = 13;
// The style lists' entries, three characters, fit the 57-pixel box at this height.
constexpr int kStyleHeight = 11;

// The inside of the frame is the system's button shadow. Where the system makes that
// exactly mid grey (Wine does) it would be see-through in the pen window and clicks
// would fall through it, so it is moved one step off the key.
ui::Color InnerColor() {
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    return shadow == ui::kSeeThroughKey ? static_cast<ui::Color>(RGB(127, 127, 127)) : ui::BtnShadow;
}

UINT ReleaseOf(int button) {
    return button == VK_RBUTTON ? WM_RBUTTONUP : button == VK_MBUTTON ? WM_MBUTTONUP : WM_LBUTTONUP;
}

ui::PanelParams PaletteParams(int left, int top) {
    return {left, top, PenPalette::kWidth, PenPalette::kHeight, L"", ui::Purple, ui::Bevel::None};
}

ui::PanelParams InnerParams() { return {16, 14, 97, 259, L"", InnerColor(), ui::Bevel::None}; }

ui::PanelParams SwatchParams(int left, int top, ui::Color color) {
    return {left, top, 50, 17, L"", color, ui::Bevel::None};
}

ui::ToolBarParams ToolBarLayout() {
    ui::ToolBarParams p;
    p.left = 10;
    p.top = 32;
    p.width = 79;
    p.height = 97;
    p.buttonWidth = 25;
    p.glyphStrips = {{16, IDB_PEN_GLYPHS}, {24, IDB_PEN_GLYPHS_24}, {32, IDB_PEN_GLYPHS_32}};
    p.background = InnerColor();
    return p;
}

}  // namespace

PenPalette::PenPalette(HWND penWindow, int left, int top)
    : ui::Panel(penWindow, PaletteParams(left, top)),
      titleFont_(Handle(), kLabelFace, kLabelHeight, true, GB2312_CHARSET),
      labelFont_(Handle(), kLabelFace, kLabelHeight, false, GB2312_CHARSET),
      styleFont_(Handle(), kLabelFace, kStyleHeight, false, GB2312_CHARSET),
      Panel1(Handle(), InnerParams()),
      Label1(Panel1.Handle(), 10, 10, L"电子笔", titleFont_.get(), InnerColor()),
      Image2(Panel1.Handle(), 64, 8, 22, 17, InnerColor()),
      ToolBar1(Panel1.Handle(), ToolBarLayout()),
      Label2(Panel1.Handle(), 10, 136, L"笔色", labelFont_.get(), InnerColor()),
      SpeedButtonPenColor(Panel1.Handle(), SwatchParams(38, 132, ui::Red)),
      Label6(Panel1.Handle(), 8, 158, L"线形", labelFont_.get(), InnerColor()),
      // The style lists take the labels' face, which has the Chinese characters in every
      // locale, a little smaller so that three of them fit the narrow box.
      ComboBoxPenStyle(Panel1.Handle(), 32, 154, 57, {L"实线", L"虚线", L"点线", L"点划线", L"双点线"},
                       styleFont_.get()),
      Label3(Panel1.Handle(), 7, 182, L"线粗", labelFont_.get(), InnerColor()),
      EditPenWidth(Panel1.Handle(), 34, 179, 39, 21, L"5"),
      UpDownPenWidth(Panel1.Handle(), EditPenWidth, {73, 179, 16, 21, 1, 30, 5}),
      Label4(Panel1.Handle(), 8, 208, L"刷色", labelFont_.get(), InnerColor()),
      SpeedButtonBrushColor(Panel1.Handle(), SwatchParams(37, 205, ui::Highlight)),
      Label5(Panel1.Handle(), 8, 231, L"刷形", labelFont_.get(), InnerColor()),
      ComboBoxBrushStyle(Panel1.Handle(), 32, 227, 57,
                         {L"填色", L"空心", L"水平线", L"垂直线", L"反斜线", L"十字线", L"交叉线"}, styleFont_.get()) {
    Image2.SetPicture(ui::Picture::FromJpegResource(IDR_CLOSE_GLYPH));
    // Three to a row; the glyph numbers follow the picture strip.
    ToolBar1.Add(ToolButton1, 0, L"画笔工具", false);
    ToolBar1.Add(ToolButton2, 1, L"直线工具", false);
    ToolBar1.Add(ToolButton3, 2, L"矩形工具", true);
    ToolBar1.Add(ToolButton4, 3, L"随圆工具", false);
    ToolBar1.Add(ToolButton5, 4, L"圆角矩形工具", false);
    ToolBar1.Add(SpeedButtonErase, 5, L"刷新", true);
    ToolBar1.Add(ToolButton10, 6, L"直线箭头", false);
    ToolBar1.Add(ToolButton9, 7, L"两头箭头直线", false);
    ToolBar1.Add(ToolButton11, 8, L"", true);
    ToolBar1.Add(ToolButton7, 9, L"黑白板", false);
    ToolBar1.Add(ToolButton6, 10, L"橡皮擦工具", false);
    ToolBar1.Add(ToolButton8, 11, L"帮助", false);
}

void PenPalette::BeginDrag(int button, int x, int y) {
    dragButton_ = button;
    grip_ = {x, y};
    if (GetCapture() != Handle()) SetCapture(Handle());
}

LRESULT PenPalette::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (Dragging()) {
        if (msg == WM_MOUSEMOVE) {
            // The pointer, in the palette's own pixels, keeps its grip.
            POINT at{Left() + GET_X_LPARAM(lParam) - grip_.x, Top() + GET_Y_LPARAM(lParam) - grip_.y};
            SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        if (msg == ReleaseOf(dragButton_)) {
            dragButton_ = 0;
            if (GetCapture() == Handle()) ReleaseCapture();
        } else if (msg == WM_CAPTURECHANGED) {
            dragButton_ = 0;
        }
    }
    return ui::Panel::HandleMessage(msg, wParam, lParam);
}
