#include "pen/PictureSources.h"

#include "pen/BoardWindow.h"

void PictureSources::ShowBoard(pen::NextBoard board, const ScreenRect& covered) {
    if (board == pen::NextBoard::Screen)
        CopyScreen(covered);
    else
        board_->PaintOnto(surface_, covered, board == pen::NextBoard::White ? ui::White : ui::Black);
    nextBoard_ = pen::After(board);
}
