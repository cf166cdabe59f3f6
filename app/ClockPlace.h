// Where the clock window goes: kept where the user can see and reach its
// glyphs, and moved by dragging them. No window code, so it is tested on
// its own.
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

// The glyph area (window-relative) on the screen when the
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
