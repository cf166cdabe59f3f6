// Where the clock window goes: kept where the user can see and reach its
// glyphs, and moved by dragging them. No window code, so it is tested on
// its own.
#pragma once

#include <algorithm>

#include "core/WinTypes.h"

// The glyph area (control 1001, window-relative) on the screen when the
// window's top-left is at `window`; clamped, so a stored place far outside
// any screen gives no overflow.
inline RECT GlyphsAt(POINT window, const RECT& glyphs)
{
    const auto at = [](LONG origin, LONG v) {
        const long long s = static_cast<long long>(origin) + v;
        return static_cast<LONG>(std::clamp(s, -0x3FFFFFFFLL, 0x3FFFFFFFLL));
    };
    return {at(window.x, glyphs.left), at(window.y, glyphs.top), at(window.x, glyphs.right),
            at(window.y, glyphs.bottom)};
}

inline bool Overlaps(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The window's top-left nearest to `window` that brings its glyphs (the
// window-relative `glyphs`) inside `area`; glyphs larger than the area
// keep their top-left corner in it.
inline POINT MoveInto(POINT window, const RECT& glyphs, const RECT& area)
{
    const auto to = [](long long origin, long long lo, long long hi, long long areaLo, long long areaHi) {
        lo += origin;
        hi += origin;
        long long shift = 0;
        if (hi > areaHi)
            shift = std::max(areaHi - hi, areaLo - lo);
        else if (lo < areaLo)
            shift = areaLo - lo;
        return static_cast<LONG>(origin + shift);
    };
    return {to(window.x, glyphs.left, glyphs.right, area.left, area.right),
            to(window.y, glyphs.top, glyphs.bottom, area.top, area.bottom)};
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
