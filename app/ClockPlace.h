// Where the clock window goes: kept where the user can see and reach its
// glyphs, and moved by dragging them. No window code, so it is tested on
// its own.
#pragma once

#include <algorithm>

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
// (window-relative). Returns `at` when that much lies on `screen`, else the
// nearest place that shows that much inside `work`, the work area of that
// screen.
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
    if (x.Shown(screen.left, screen.right) >= x.need && y.Shown(screen.top, screen.bottom) >= y.need)
        return at;
    return {x.Into(work.left, work.right), y.Into(work.top, work.bottom)};
}

// A drag of the clock by its glyphs. Each step is given the cursor, or
// nothing when it could not be read.
class ClockDrag {
public:
    enum End { kNoDrag, kMoveTo, kStayPut };

    // Button down on the glyphs with the window at `window`.
    void Press(const POINT* cursor, POINT window)
    {
        m_bDragging = cursor != nullptr;
        if (cursor)
            m_ptGrab = {cursor->x - window.x, cursor->y - window.y};
    }

    // Where the window follows the cursor to; false when there is no drag
    // or no cursor.
    bool Follow(const POINT* cursor, POINT* window) const
    {
        if (!m_bDragging || !cursor)
            return false;
        *window = {cursor->x - m_ptGrab.x, cursor->y - m_ptGrab.y};
        return true;
    }

    // Button up, or the capture lost (no cursor then): kMoveTo with the
    // place in `window`, kStayPut where the window already is, or kNoDrag
    // when no drag was under way.
    End Release(const POINT* cursor, POINT* window)
    {
        if (!m_bDragging)
            return kNoDrag;
        const bool moved = Follow(cursor, window);
        m_bDragging = false;
        return moved ? kMoveTo : kStayPut;
    }

    bool Active() const { return m_bDragging; }

private:
    bool m_bDragging = false;
    POINT m_ptGrab = {0, 0};
};
