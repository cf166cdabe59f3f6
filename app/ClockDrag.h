// A drag of the clock by its glyphs, from the button going down to its
// release or the capture lost. No window code, so it is tested on its own.
#pragma once

#include "core/WinTypes.h"

// Each step is given the cursor, or nothing when it could not be read.
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
