// The pen's one-letter keys, while the pen or live ink has the keyboard and no text is
// typed: R, G, B, Y, O and P choose the pen colour (with Shift, the highlighter in that
// colour), E erases all, W and K show the white
// and the black board, T takes the text tool; Ctrl with Up or Down (or the wheel) makes
// the pen wider or narrower, within 1 to 30. `virtualKey` is a Windows key code.
#pragma once
#include <algorithm>
#include <cstdint>

namespace pen {

enum class ToolKeyKind : std::uint8_t {
    None,
    Colour,
    Highlight,  // the highlighter in the colour
    Wider,
    Narrower,
    EraseAll,
    WhiteBoard,
    BlackBoard,
    TextTool
};

struct ToolKey {
    ToolKeyKind kind = ToolKeyKind::None;
    std::uint32_t rgb = 0;  // the colour's 0xRRGGBB, for a colour or the highlighter
};

inline constexpr int kMinPenWidth = 1;
inline constexpr int kMaxPenWidth = 30;

constexpr ToolKey ToolKeyFor(int virtualKey, bool control, bool shift, bool alt) {
    using K = ToolKeyKind;
    if (alt) return {};
    if (control) {
        if (shift) return {};
        if (virtualKey == 0x26) return {K::Wider};     // VK_UP
        if (virtualKey == 0x28) return {K::Narrower};  // VK_DOWN
        return {};
    }
    if (shift) {
        const ToolKey colour = ToolKeyFor(virtualKey, false, false, false);
        return colour.kind == K::Colour ? ToolKey{K::Highlight, colour.rgb} : ToolKey{};
    }
    switch (virtualKey) {
        case 'R':
            return {K::Colour, 0xFF0000};
        case 'G':
            return {K::Colour, 0x00A000};
        case 'B':
            return {K::Colour, 0x0000FF};
        case 'Y':
            return {K::Colour, 0xFFFF00};
        case 'O':
            return {K::Colour, 0xFF8000};
        case 'P':
            return {K::Colour, 0xFF60C0};
        case 'E':
            return {K::EraseAll};
        case 'W':
            return {K::WhiteBoard};
        case 'K':
            return {K::BlackBoard};
        case 'T':
            return {K::TextTool};
        default:
            return {};
    }
}

// The pen width `steps` wider (or narrower, below zero), within 1 to 30.
constexpr int WidthAfter(int width, int steps) { return std::clamp(width + steps, kMinPenWidth, kMaxPenWidth); }

}  // namespace pen
