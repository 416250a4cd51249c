// Resource numbers of the pen palette's pictures, shared by PenPictures.rc and the code
// (macros, because the resource compiler reads this file too).
#pragma once

#define IDB_PEN_GLYPHS 200   // BITMAP: the twelve toolbar glyphs, 16 x 16 each, side by side
#define IDR_CLOSE_GLYPH 201  // RCDATA: the close glyph, a JPEG
#define IDB_PEN_GLYPHS_24 202  // the same glyphs at 24 x 24, for 150 %
#define IDB_PEN_GLYPHS_32 203  // and at 32 x 32, for 200 %
