// The pen's drawing tools and the cursor file each tool's button loads.
#pragma once
#include <cstdint>

namespace pen {

enum class DrawTool : std::uint8_t {
    Pen,
    Line,
    Rectangle,
    Ellipse,
    RoundRect,
    Eraser,
    Arrow,
    DoubleArrow,
    Text,
    Highlighter,
    NumberMark,  // a numbered circle where the presenter clicks
};

// The highlighter is a marker this many times as wide as the pen.
inline constexpr int kHighlighterWidthFactor = 3;

// Relative to the program's folder; a file that is missing gives the standard arrow.
constexpr const wchar_t* ToolCursorFile(DrawTool tool) {
    switch (tool) {
        case DrawTool::Eraser:
            return L"pic\\gang\\ga.cur";
        case DrawTool::Text:
            return L"pic\\gang\\beam_l.cur";
        default:
            return L"pic\\gang\\gb.cur";
    }
}

}  // namespace pen
