// Where the clock window goes: kept where the user can see and reach its
// glyphs. No window code, so it is tested on its own.
#pragma once

#include <algorithm>

#include "core/ScreenRect.h"
#include "core/WinTypes.h"

// The glyphs of a text `width` pixels wide and a line high, drawn with
// its top-left at (x, y) in the window: what must stay on a screen, and
// the clock's shape when the text has no outline. A text with no width
// still has a square a line high, so the clock can be seen and clicked.
inline RECT GlyphBox(LONG x, LONG y, LONG width, LONG lineHeight)
{
    return {x, y, x + (width > 0 ? width : lineHeight), y + lineHeight};
}

// The ink (window-relative) on the screen when the window's top-left is at
// `window`; clamped, so a stored place far outside any screen gives no
// overflow.
inline RECT InkAt(POINT window, const RECT& ink)
{
    const auto at = [](LONG origin, LONG v) {
        const long long s = static_cast<long long>(origin) + v;
        return static_cast<LONG>(std::clamp(s, -0x3FFFFFFFLL, 0x3FFFFFFFLL));
    };
    return {at(window.x, ink.left), at(window.y, ink.top), at(window.x, ink.right), at(window.y, ink.bottom)};
}

// How much of the clock's ink a user needs on a screen to find it and grab
// it: as wide as a line is high (all of a narrower ink) and half as high as
// the ink. `at` is the window's top-left, `ink` the box of its shape
// (window-relative), `screen` the nearest screen and `work` its work area.
// Returns `at` when that much lies on the screen, else the nearest place
// that shows that much inside the work area. Ink on no screen at all (its
// monitor unplugged, a dock left) comes back whole, as the system brings
// back a window, at the nearest place inside the work area.
inline POINT KeepInkOnScreen(POINT at, const RECT& ink, LONG lineHeight, const RECT& screen, const RECT& work)
{
    // One axis: the ink from `lo` to `hi` past `origin` must show `need`
    // of itself between `areaLo` and `areaHi`.
    struct Axis {
        long long origin, lo, hi, need;
        long long Shown(long long areaLo, long long areaHi) const
        {
            return std::min(origin + hi, areaHi) - std::max(origin + lo, areaLo);
        }
        LONG Into(long long areaLo, long long areaHi) const
        {
            const long long n = std::min(need, areaHi - areaLo);
            long long to = origin;
            if (origin + hi < areaLo + n)
                to = areaLo + n - hi;
            else if (origin + lo > areaHi - n)
                to = areaHi - n - lo;
            return static_cast<LONG>(to);
        }
    };
    const long long width = ink.right - ink.left, height = ink.bottom - ink.top;
    const Axis x = {at.x, ink.left, ink.right, std::min<long long>(lineHeight, width)};
    const Axis y = {at.y, ink.top, ink.bottom, (height + 1) / 2};
    const long long shownX = x.Shown(screen.left, screen.right), shownY = y.Shown(screen.top, screen.bottom);
    if (shownX <= 0 || shownY <= 0)
        return MoveInto(at, ink, work);
    if (shownX >= x.need && shownY >= y.need)
        return at;
    return {x.Into(work.left, work.right), y.Into(work.top, work.bottom)};
}
