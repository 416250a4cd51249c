// Where the pen's whole new pictures come from: the screen beneath the pen window (see
// ScreenCopy) and the black and white boards, which the board button cycles through with
// the screen: a white board, a black board, then the screen again.
#pragma once
#include <windows.h>

#include "base/Monitors.h"
#include "pen/BoardCycle.h"
#include "pen/ScreenCopy.h"
#include "ui/Surface.h"

class BoardWindow;

class PictureSources {
public:
    // Every picture goes into `surface`, for the pen window `pen` over `covered`.
    PictureSources(HWND pen, ui::Surface& surface) : pen_(pen), surface_(surface) {}
    // The window the boards are painted by.
    void UseBoard(BoardWindow& board) { board_ = &board; }

    // The pen is about to appear over `covered`: the screen as it still shows beneath.
    void TakeAsShown(const ScreenRect& covered) { screenCopy_.Take(pen_, surface_, covered); }
    void HandedOn() { screenCopy_.HandedOn(); }
    bool SteppingAside() const { return screenCopy_.SteppingAside(); }

    // The screen beneath the pen.
    void CopyScreen(const ScreenRect& covered) { screenCopy_.CopyBeneath(pen_, surface_, covered); }
    // The next of the board button's pictures.
    void ShowNextBoard(const ScreenRect& covered) { ShowBoard(nextBoard_, covered); }
    // `board` now; the board button goes on from it.
    void ShowBoard(pen::NextBoard board, const ScreenRect& covered);
    pen::NextBoard NextBoardToShow() const { return nextBoard_; }

private:
    HWND pen_;
    ui::Surface& surface_;
    BoardWindow* board_ = nullptr;
    ScreenCopy screenCopy_;
    pen::NextBoard nextBoard_ = pen::NextBoard::White;
};
