// What live ink asks of the program around it.
#pragma once

class LiveInkHost {
public:
    // The palette's close glyph: the host's closing rule runs, which brings the effects back.
    virtual void CloseLiveInk() = 0;
    // The palette's Help: live ink closes by that rule, then the help window shows.
    virtual void ShowHelp() = 0;
    // A tool chosen while the clicks pass: live ink draws again, by the host's rule, which
    // hides the effects.
    virtual void DrawLiveInk() = 0;

protected:
    ~LiveInkHost() = default;
};
