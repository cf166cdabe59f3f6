// The region of a text's glyph outlines, the shape of the clock window.
#pragma once

#include "core/WinTypes.h"

// Records `text` at (x, y) as a path on `dc` and returns its region; with
// the context in transparent background mode the path holds the glyph
// outlines only. A text with no outline gives an empty region, never none.
HRGN TextOutlineRegion(HDC dc, const char* text, int length, int x, int y);
