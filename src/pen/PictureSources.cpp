#include "pen/PictureSources.h"

#include "pen/BoardWindow.h"

void PictureSources::ShowNextBoard(const ScreenRect& covered) {
    if (nextBoard_ == pen::NextBoard::Screen)
        CopyScreen(covered);
    else
        board_->PaintOnto(surface_, covered, nextBoard_ == pen::NextBoard::White ? ui::White : ui::Black);
    nextBoard_ = pen::After(nextBoard_);
}
