// Smooth scaling of a part of a picture onto a part of another: the mouse wheel's zoom
// and a kept drawing of another size brought back onto the pen.
#pragma once
#include "pen/FigureGeometry.h"
#include "pen/PixelTiles.h"

namespace pen {

// Fills `target` of `to` with `source` of `from`, scaled bilinearly; only the pixels of
// `target` inside `only` are written. The planes must not overlap.
void Stretch(const PixelPlane& from, Rect source, const PixelPlane& to, Rect target, Rect only);
inline void Stretch(const PixelPlane& from, Rect source, const PixelPlane& to, Rect target) {
    Stretch(from, source, to, target, target);
}

// Where a picture of `picture` size stands on a surface of `surface` size: as large as
// fits whole with its proportions kept, centred.
Rect FitCentred(Size picture, Size surface);

}  // namespace pen
