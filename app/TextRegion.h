// The region of a text's glyph outlines, the shape of the clock window.
#pragma once

#include "core/WinTypes.h"

// Records `text` at (x, y) as a path on `dc` and returns its region; with
// the context in transparent background mode the path holds the glyph
// outlines only. A text that gives no outline (blank, or a font without
// outlines) gives the rectangle `fallback` instead, so the clock stays
// visible and can still be right-clicked. The caller owns the region.
HRGN TextOutlineRegion(HDC dc, const char* text, int length, int x, int y, const RECT& fallback);

// What a change of the window's region from `before` to `after` (both
// window-relative) leaves to repaint: `gone`, what only the old one had, in
// screen coordinates for the windows beneath (the window's top-left is at
// `window`); `came`, what only the new one has, relative to the control
// that paints the glyphs (at `control` in the window). What both have keeps
// its pixels. False when a region could not be combined.
bool RepaintSplit(HRGN before, HRGN after, POINT window, POINT control, HRGN gone, HRGN came);
