// The pen's tool palette: a purple frame round the inner panel, which holds the title, the
// close glyph, the toolbar and the colour, style and width controls. It lays them out,
// moves itself when dragged by its frame, and tells the pen window what was chosen.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <variant>

#include "pen/DrawTool.h"
#include "pen/ToolKeys.h"
#include "ui/Canvas.h"
#include "ui/CanvasStyles.h"
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

// What the palette's controls show, as one value.
struct PaletteState {
    ui::Color penColor;
    ui::Color brushColor;
    int penWidth;
    std::optional<ui::PenStyle> penStyle;      // none while the list shows no entry
    std::optional<ui::BrushStyle> brushStyle;  // likewise
};

// Which control of the palette changed.
enum class PaletteChange : std::uint8_t { PenColor, BrushColor, PenWidth, PenStyle, BrushStyle };

// The palette's commands: the toolbar's buttons that are not drawing tools, and the keys
// that erase all and show a board.
enum class PaletteCommand : std::uint8_t { Refresh, NextBoard, Help, EraseAll, WhiteBoard, BlackBoard };
using PaletteAction = std::variant<pen::DrawTool, PaletteCommand>;

class PenPalette : public ui::Panel {
public:
    static constexpr int kWidth = 129;
    static constexpr int kHeight = 313;
    static constexpr std::size_t kButtonCount = 14;

    PenPalette(HWND penWindow, int left, int top);

    const PaletteState& State() const { return state_; }
    // The palette's choices on `canvas` after a fresh picture: all of them but the pen
    // style, which a fresh canvas keeps solid.
    void ApplyTo(ui::Canvas& canvas) const;
    // One choice that changed on `canvas`. A brush colour turns a hollow brush solid; the
    // style list keeps showing what it showed.
    void ApplyTo(ui::Canvas& canvas, PaletteChange change) const;
    // The toolbar button that selects a tool or runs a command.
    ui::ToolButton& Button(PaletteAction action);
    // A button of no use where the palette stands (live ink has no boards) shows grey.
    void Enable(PaletteAction action, bool enabled);
    // The palette stands alone in a window of its own, which dragging its frame moves.
    void MoveWithWindow() { movesWindow_ = true; }
    // Live ink's state, plain to see: the title says it, and the frame is purple while
    // drawing, dark grey while clicks pass through.
    void ShowInkState(bool drawing);
    // A tool key (ToolKeys.h), as if chosen in the palette; erasing all and the boards go
    // to OnCommand. False for no key.
    bool TakeToolKey(const pen::ToolKey& key);
    // The pen width `steps` wider or narrower, within 1 to 30, shown at once.
    void StepPenWidth(int steps);
    // Closes whichever style list is dropped down; false when none is.
    bool CloseDroppedList();

    std::function<void(pen::DrawTool)> OnSelectTool;
    std::function<void(PaletteCommand)> OnCommand;
    std::function<void()> OnCloseClick;
    std::function<void(PaletteChange, const PaletteState&)> OnChange;

    // Moves the palette with the pointer until `button` (VK_LBUTTON, VK_RBUTTON or
    // VK_MBUTTON), pressed at (x, y) in the palette, is released or the mouse capture is
    // lost.
    void BeginDrag(int button, int x, int y);
    bool Dragging() const { return dragButton_ != 0; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void ColorsChanged() override;

private:
    void Changed(PaletteChange change);
    // Opens the colour dialog; true with `swatch` coloured by the choice.
    bool ChooseColor(ui::Panel& swatch);

    PaletteState ReadControls() const;

    int dragButton_ = 0;
    bool movesWindow_ = false;
    POINT grip_{};  // where the palette is held, in its own pixels
    ui::ScaledFont titleFont_;
    ui::ScaledFont labelFont_;
    ui::ScaledFont styleFont_;
    std::array<ui::ToolButton, kButtonCount> buttons_;  // in the order of their glyphs

public:
    ui::Panel inner;
    ui::Label title;
    ui::Image closeGlyph;
    ui::ToolBar toolBar;
    ui::Label penColorLabel;
    ui::Panel penColorButton;  // a swatch of the pen colour
    ui::Label penStyleLabel;
    ui::ComboBox penStyleList;
    ui::Label penWidthLabel;
    ui::Edit penWidthBox;
    ui::UpDown penWidthUpDown;
    ui::Label brushColorLabel;
    ui::Panel brushColorButton;  // a swatch of the brush colour
    ui::Label brushStyleLabel;
    ui::ComboBox brushStyleList;
    ui::ColorDialog colorDialog;

private:
    PaletteState state_;  // follows the controls as they change
};
