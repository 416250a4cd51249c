// One click ring: a coloured ring in a small click-through, top-most window, cut out by a
// window region that grows with the ring while the window's opacity falls.
#pragma once
#include <cstdint>

#include "base/ScreenGeometry.h"
#include "ui/Form.h"

class RingWindow : public ui::Form {
public:
    RingWindow();

    // A new ring round `center`, sized for a monitor of `dpi`, starting at `nowMs`; it shows
    // from its first step, growing and fading when `animated`, else whole for its time.
    void Start(ScreenPoint center, ui::Color color, int dpi, std::int64_t nowMs, bool animated);
    // Shows the ring as it is at `nowMs`; false, and hidden, once its life is over.
    bool Step(std::int64_t nowMs);
    bool Alive() const { return alive_; }
    std::int64_t StartedMs() const { return started_; }
    int Radius() const { return radius_; }

private:
    std::int64_t started_ = 0;
    int startRadius_ = 0;
    int endRadius_ = 0;
    int width_ = 0;
    int radius_ = -1;
    int alpha_ = -1;
    bool alive_ = false;
    bool animated_ = true;
};
