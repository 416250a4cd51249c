// The laser pointer's trail: a glowing line along where the pointer has just been, in a
// click-through, colour-keyed window round the trail, fading out as a whole. The window
// stands on a grid of whole tiles so that most ticks neither move nor resize it, and a
// tick repaints only the segments that came and went, drawing only the segments that
// reach them.
#pragma once
#include <deque>
#include <vector>

#include "effects/LaserTrail.h"
#include "ui/Form.h"
#include "ui/Handles.h"

// The laser's dot: a disc of `diameter` with its box's top-left corner at 0, 0.
HRGN DotRegion(int diameter);

class LaserTrailWindow : public ui::Form {
public:
    LaserTrailWindow();

    // The laser's colour and the dot's diameter in pixels on the pointer's monitor: the
    // glow is as wide as the dot, the bright core a third of it, and the trail's head is
    // the dot itself, as the laser's own window shapes it.
    void SetLook(COLORREF color, int dotDiameter);
    // Shows the trail at `alpha` (255 opaque). `redraw` when its points changed; otherwise
    // only the opacity is set. Hidden while there is no line to draw.
    void ShowTrail(const LaserTrail& trail, int alpha, bool redraw);
    int Opacity() const { return alpha_; }

protected:
    void PaintContent(HDC dc, const RECT& clip) override;

private:
    void SetOpacity(int alpha);
    // Takes the trail's new points: moves the window when they leave it, and asks for
    // what changed to be painted.
    void Redraw(const LaserTrail& trail);

    std::deque<TrailPoint> shown_;  // the trail as last drawn, on screen; empty while hidden
    std::vector<POINT> line_;       // the same in client coordinates, kept for painting
    ScreenRect placed_;             // the window, on screen
    COLORREF key_ = 0;
    int alpha_ = -1;
    int pad_ = 0;
    ui::UniquePen glow_;
    ui::UniquePen core_;
    ui::UniqueBrush dotBrush_;
    ui::UniqueRegion dot_;  // the dot's shape with its top-left corner at 0, 0
    int dotDiameter_ = 0;
};
