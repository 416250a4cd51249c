#include "pen/PenPalette.h"

#include <string>

#include <windowsx.h>

#include "base/Text.h"
#include "resources/PenResources.h"
#include "ui/Contrast.h"
#include "ui/Font.h"

namespace {

constexpr int kLabelHeight = 13;
// The style lists' entries, three characters, fit the 57-pixel box at this height.
constexpr int kStyleHeight = 11;
constexpr ui::Color kPassingFrame = 0x505050;

UINT ReleaseOf(int button) {
    return button == VK_RBUTTON ? WM_RBUTTONUP : button == VK_MBUTTON ? WM_MBUTTONUP : WM_LBUTTONUP;
}

ui::PanelParams PaletteParams(int left, int top) {
    return {left, top, PenPalette::kWidth, PenPalette::kHeight, L"", ui::ChromeColor(ui::Purple), ui::Bevel::None};
}

ui::PanelParams InnerParams() { return {16, 14, 97, 283, L"", ui::BtnShadow, ui::Bevel::None}; }

ui::PanelParams SwatchParams(int left, int top, ui::Color color) {
    return {left, top, 50, 17, L"", color, ui::Bevel::None};
}

// The toolbar's buttons in the order of their glyphs, three to a row.
struct ButtonRow {
    unsigned name;  // what a screen reader reads, a text number
    unsigned hint;  // what its tooltip shows, a text number; 0 for none
    PaletteAction action;
};
using pen::DrawTool;
const ButtonRow kButtons[PenPalette::kButtonCount] = {
    {IDS_HINT_PEN, IDS_HINT_PEN, DrawTool::Pen},
    {IDS_HINT_LINE, IDS_HINT_LINE, DrawTool::Line},
    {IDS_HINT_RECTANGLE, IDS_HINT_RECTANGLE, DrawTool::Rectangle},
    {IDS_HINT_ELLIPSE, IDS_HINT_ELLIPSE, DrawTool::Ellipse},
    {IDS_HINT_ROUND_RECT, IDS_HINT_ROUND_RECT, DrawTool::RoundRect},
    {IDS_HINT_REFRESH, IDS_HINT_REFRESH, PaletteCommand::Refresh},
    {IDS_HINT_ARROW, IDS_HINT_ARROW, DrawTool::Arrow},
    {IDS_HINT_DOUBLE_ARROW, IDS_HINT_DOUBLE_ARROW, DrawTool::DoubleArrow},
    {IDS_NAME_TEXT_TOOL, 0, DrawTool::Text},
    {IDS_HINT_BOARD, IDS_HINT_BOARD, PaletteCommand::NextBoard},
    {IDS_HINT_ERASER, IDS_HINT_ERASER, DrawTool::Eraser},
    {IDS_HINT_HELP, IDS_HINT_HELP, PaletteCommand::Help},
    {IDS_HINT_HIGHLIGHTER, IDS_HINT_HIGHLIGHTER_KEYS, DrawTool::Highlighter},
    {IDS_HINT_NUMBER_MARK, IDS_HINT_NUMBER_MARK, DrawTool::NumberMark},
};
constexpr std::size_t kButtonsPerRow = 3;

template <typename Style>
std::optional<Style> StyleAt(const ui::ComboBox& list) {
    const int index = list.ItemIndex();
    return index >= 0 ? std::optional<Style>(static_cast<Style>(index)) : std::nullopt;
}

ui::ToolBarParams ToolBarLayout() {
    ui::ToolBarParams p;
    p.left = 10;
    p.top = 32;
    p.width = 79;
    p.height = 121;
    p.buttonWidth = 25;
    p.glyphStrips = {{16, IDB_PEN_GLYPHS}, {24, IDB_PEN_GLYPHS_24}, {32, IDB_PEN_GLYPHS_32}};
    p.background = ui::BtnShadow;
    return p;
}

}  // namespace

PenPalette::PenPalette(HWND penWindow, int left, int top)
    : ui::Panel(penWindow, PaletteParams(left, top)),
      titleFont_(Handle(), ui::TextFace(), kLabelHeight, true),
      labelFont_(Handle(), ui::TextFace(), kLabelHeight, false),
      styleFont_(Handle(), ui::TextFace(), kStyleHeight, false),
      inner(Handle(), InnerParams()),
      title(inner.Handle(), 10, 10, ::Text(IDS_PALETTE_TITLE), titleFont_.get(), ui::BtnShadow),
      closeGlyph(inner.Handle(), 64, 8, 22, 17, ui::BtnShadow),
      toolBar(inner.Handle(), ToolBarLayout()),
      penColorLabel(inner.Handle(), 10, 160, ::Text(IDS_PEN_COLOR_LABEL), labelFont_.get(), ui::BtnShadow),
      penColorButton(inner.Handle(), SwatchParams(38, 156, ui::Red)),
      penStyleLabel(inner.Handle(), 5, 182, ::Text(IDS_PEN_STYLE_LABEL), labelFont_.get(), ui::BtnShadow),
      // The style lists take the labels' face, which has the Chinese characters in every
      // locale, a little smaller so that three of them fit the narrow box.
      penStyleList(inner.Handle(), 33, 178, 56,
                   {::Text(IDS_PEN_STYLE_SOLID), ::Text(IDS_PEN_STYLE_DASH), ::Text(IDS_PEN_STYLE_DOT),
                    ::Text(IDS_PEN_STYLE_DASH_DOT), ::Text(IDS_PEN_STYLE_DASH_DOT_DOT)},
                   styleFont_.get()),
      penWidthLabel(inner.Handle(), 5, 206, ::Text(IDS_PEN_WIDTH_LABEL), labelFont_.get(), ui::BtnShadow),
      penWidthBox(inner.Handle(), 34, 203, 39, 21, L"5"),
      penWidthUpDown(inner.Handle(), penWidthBox, {73, 203, 16, 21, 1, 30, 5}),
      brushColorLabel(inner.Handle(), 8, 232, ::Text(IDS_BRUSH_COLOR_LABEL), labelFont_.get(), ui::BtnShadow),
      brushColorButton(inner.Handle(), SwatchParams(37, 229, ui::Highlight)),
      brushStyleLabel(inner.Handle(), 3, 255, ::Text(IDS_BRUSH_STYLE_LABEL), labelFont_.get(), ui::BtnShadow),
      brushStyleList(inner.Handle(), 33, 251, 56,
                     {::Text(IDS_BRUSH_STYLE_SOLID), ::Text(IDS_BRUSH_STYLE_HOLLOW), ::Text(IDS_BRUSH_STYLE_HORIZONTAL),
                      ::Text(IDS_BRUSH_STYLE_VERTICAL), ::Text(IDS_BRUSH_STYLE_BACK_DIAGONAL),
                      ::Text(IDS_BRUSH_STYLE_CROSS), ::Text(IDS_BRUSH_STYLE_DIAGONAL_CROSS)},
                     styleFont_.get()) {
    closeGlyph.SetPicture(ui::Picture::FromJpegResource(IDR_CLOSE_GLYPH));
    // What a screen reader reads for the controls that show a picture or a colour only.
    closeGlyph.SetText(::Text(IDS_NAME_CLOSE_PEN));
    penColorButton.SetText(::Text(IDS_NAME_PEN_COLOR));
    brushColorButton.SetText(::Text(IDS_NAME_BRUSH_COLOR));
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        const ButtonRow& row = kButtons[i];
        const std::wstring name = ::Text(row.name);
        toolBar.Add(buttons_[i], static_cast<int>(i), name, row.hint ? ::Text(row.hint) : std::wstring(),
                    (i + 1) % kButtonsPerRow == 0);
        buttons_[i].OnClick = [this, action = row.action] {
            if (const auto* tool = std::get_if<pen::DrawTool>(&action)) {
                if (OnSelectTool) OnSelectTool(*tool);
            } else if (OnCommand) {
                OnCommand(std::get<PaletteCommand>(action));
            }
        };
    }
    // The frame drags the palette; the system's move loop does not end on every button's
    // release everywhere, so the palette follows the pointer itself.
    OnMouseDown = [this](int button, int x, int y) { BeginDrag(button, x, y); };
    closeGlyph.OnClick = [this] {
        if (OnCloseClick) OnCloseClick();
    };
    penColorButton.OnClick = [this] {
        if (ChooseColor(penColorButton)) Changed(PaletteChange::PenColor);
    };
    brushColorButton.OnClick = [this] {
        if (ChooseColor(brushColorButton)) Changed(PaletteChange::BrushColor);
    };
    penWidthBox.OnChange = [this] { Changed(PaletteChange::PenWidth); };
    penStyleList.OnChange = [this] { Changed(PaletteChange::PenStyle); };
    brushStyleList.OnChange = [this] { Changed(PaletteChange::BrushStyle); };
    state_ = ReadControls();
}

void PenPalette::ColorsChanged() { SetColor(ui::ChromeColor(ui::Purple)); }

PaletteState PenPalette::ReadControls() const {
    return {penColorButton.GetColor(), brushColorButton.GetColor(), penWidthUpDown.Position(),
            StyleAt<ui::PenStyle>(penStyleList), StyleAt<ui::BrushStyle>(brushStyleList)};
}

namespace {
std::size_t IndexOf(PaletteAction action) {
    std::size_t i = 0;
    while (i + 1 < PenPalette::kButtonCount && kButtons[i].action != action) ++i;
    return i;
}
}  // namespace

ui::ToolButton& PenPalette::Button(PaletteAction action) { return buttons_[IndexOf(action)]; }

void PenPalette::Enable(PaletteAction action, bool enabled) {
    toolBar.Enable(static_cast<int>(IndexOf(action)), enabled);
}

void PenPalette::ShowInkState(bool drawing) {
    title.SetText(::Text(drawing ? IDS_LIVE_INK_DRAWING : IDS_LIVE_INK_PASSING));
    SetColor(ui::ChromeColor(drawing ? ui::Purple : kPassingFrame));
}

bool PenPalette::TakeToolKey(const pen::ToolKey& key) {
    switch (key.kind) {
        case pen::ToolKeyKind::Highlight:
            if (!toolBar.Enabled(static_cast<int>(IndexOf(pen::DrawTool::Highlighter)))) return true;
            Button(pen::DrawTool::Highlighter).Click();
            [[fallthrough]];
        case pen::ToolKeyKind::Colour:
            penColorButton.SetColor(RGB((key.rgb >> 16) & 0xFF, (key.rgb >> 8) & 0xFF, key.rgb & 0xFF));
            Changed(PaletteChange::PenColor);
            return true;
        case pen::ToolKeyKind::Wider:
        case pen::ToolKeyKind::Narrower:
            StepPenWidth(key.kind == pen::ToolKeyKind::Wider ? 1 : -1);
            return true;
        case pen::ToolKeyKind::TextTool:
            Button(pen::DrawTool::Text).Click();
            return true;
        case pen::ToolKeyKind::EraseAll:
        case pen::ToolKeyKind::WhiteBoard:
        case pen::ToolKeyKind::BlackBoard:
            if (OnCommand)
                OnCommand(key.kind == pen::ToolKeyKind::EraseAll     ? PaletteCommand::EraseAll
                          : key.kind == pen::ToolKeyKind::WhiteBoard ? PaletteCommand::WhiteBoard
                                                                     : PaletteCommand::BlackBoard);
            return true;
        default:
            return false;
    }
}

void PenPalette::StepPenWidth(int steps) {
    // Through the box, as typing a width would: the change is told from there.
    penWidthBox.SetText(std::to_wstring(pen::WidthAfter(state_.penWidth, steps)));
}

bool PenPalette::CloseDroppedList() {
    for (ui::ComboBox* list : {&penStyleList, &brushStyleList}) {
        if (!list->DroppedDown()) continue;
        list->CloseUp();
        return true;
    }
    return false;
}

bool PenPalette::ChooseColor(ui::Panel& swatch) {
    if (!colorDialog.Execute(GetParent(Handle()))) return false;
    swatch.SetColor(colorDialog.GetColor());
    return true;
}

void PenPalette::Changed(PaletteChange change) {
    state_ = ReadControls();
    if (OnChange) OnChange(change, state_);
}

void PenPalette::ApplyTo(ui::Canvas& canvas) const {
    canvas.SetPenColor(state_.penColor);
    canvas.SetPenWidth(state_.penWidth);
    canvas.SetBrushColor(state_.brushColor);
    if (state_.brushStyle) canvas.SetBrushStyle(*state_.brushStyle);
}

void PenPalette::ApplyTo(ui::Canvas& canvas, PaletteChange change) const {
    switch (change) {
        case PaletteChange::PenColor:
            canvas.SetPenColor(state_.penColor);
            break;
        case PaletteChange::BrushColor:
            canvas.SetBrushColor(state_.brushColor);
            break;
        case PaletteChange::PenWidth:
            canvas.SetPenWidth(state_.penWidth);
            break;
        case PaletteChange::PenStyle:
            if (state_.penStyle) canvas.SetPenStyle(*state_.penStyle);
            break;
        case PaletteChange::BrushStyle:
            canvas.SetBrushColor(state_.brushColor);
            if (state_.brushStyle) canvas.SetBrushStyle(*state_.brushStyle);
            break;
    }
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
            const HWND moved = movesWindow_ ? GetParent(Handle()) : Handle();
            RECT place{};
            GetWindowRect(moved, &place);
            if (!movesWindow_) MapWindowPoints(nullptr, GetParent(moved), reinterpret_cast<POINT*>(&place), 2);
            const POINT at{place.left + GET_X_LPARAM(lParam) - grip_.x, place.top + GET_Y_LPARAM(lParam) - grip_.y};
            SetWindowPos(moved, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
