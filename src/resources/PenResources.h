// Resource numbers of the pen palette's pictures, shared by PenPictures.rc and the code
// (macros, because the resource compiler reads this file too).
#pragma once

#define IDB_PEN_GLYPHS 200   // BITMAP: the twelve toolbar glyphs, 16 x 16 each, side by side
#define IDR_CLOSE_GLYPH 201  // RCDATA: the close glyph, a JPEG
