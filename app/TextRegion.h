// The region of a text's glyph outlines, the shape of the clock window.
#pragma once

#include "core/WinTypes.h"

// Records `text` at (x, y) as a path on `dc` and returns its region; with
// the context in transparent background mode the path holds the glyph
// outlines only. A text that gives no outline (blank, or a font without
// outlines) gives the rectangle `fallback` instead, so the clock stays
// visible and can still be right-clicked. The caller owns the region.
HRGN TextOutlineRegion(HDC dc, const char* text, int length, int x, int y, const RECT& fallback);
