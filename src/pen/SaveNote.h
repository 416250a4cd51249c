// The short note that tells where Ctrl+S saved the picture: a small top-most window above
// the pen that never takes the keyboard, fading away by itself. It is a window of its
// own, not a drawing on the surface, so it is never part of a saved picture.
#pragma once
#include <string>

#include "base/Monitors.h"
#include "ui/Form.h"
#include "ui/Timer.h"

class SaveNote : public ui::Form {
public:
    SaveNote();

    // Shows `text` centred near the bottom of `area` (screen pixels), then fades it out.
    void Tell(const std::wstring& text, const ScreenRect& area);
    const std::wstring& Text() const { return text_; }

protected:
    void PaintContent(HDC dc, const RECT& clip) override;

private:
    void Fade();

    std::wstring text_;
    ui::Timer fadeTimer_;
    int ticks_ = 0;
    bool fades_ = true;  // whether the note fades out, or goes at once
};
