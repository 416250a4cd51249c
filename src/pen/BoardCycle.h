// What the board button shows next: a white board, a black board, then the screen again.
#pragma once

namespace pen {

enum class NextBoard { White, Black, Screen };

constexpr NextBoard After(NextBoard board) {
    switch (board) {
        case NextBoard::White:
            return NextBoard::Black;
        case NextBoard::Black:
            return NextBoard::Screen;
        default:
            return NextBoard::White;
    }
}

}  // namespace pen
