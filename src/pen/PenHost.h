// What the pen asks of the program around it.
#pragma once

class PenHost {
public:
    // The presenter closes the pen from inside it (the palette's close glyph): the host's one
    // closing rule runs, which closes this window and brings the pointer effect back.
    virtual void ClosePen() = 0;
    // The palette's Help: the pen closes by that same rule, then the help window shows.
    virtual void ShowHelp() = 0;

protected:
    ~PenHost() = default;
};
