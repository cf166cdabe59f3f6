#include "app/ClockPosition.h"

#include "app/ClockPlace.h"
#include "framework/ScreenArea.h"

namespace {

const POINT* ReadCursor(POINT* pt) { return GetCursorPos(pt) ? pt : nullptr; }

}  // namespace

POINT ClockPosition::Place(POINT at)
{
    const RECT ink = m_face->Ink();
    const ScreenAreas screen = NearestScreen(InkAt(at, ink));
    at = KeepInkOnScreen(at, ink, m_face->LineHeight(), screen.screen, screen.work);
    SetWindowPos(m_hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return at;
}

void ClockPosition::Press()
{
    POINT pt;
    m_drag.Press(ReadCursor(&pt), WindowPlace());
    if (m_drag.Active())
        SetCapture(m_hWnd);
}

void ClockPosition::Follow()
{
    POINT pt, to;
    if (m_drag.Active() && m_drag.Follow(ReadCursor(&pt), &to))
        SetWindowPos(m_hWnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Without a cursor reading the drag ends where the window already is.
bool ClockPosition::EndDrag(bool cursorRead)
{
    POINT pt, to;
    const ClockDrag::End end = m_drag.Release(cursorRead ? ReadCursor(&pt) : nullptr, &to);
    if (end == ClockDrag::kNoDrag)
        return false;
    if (end == ClockDrag::kStayPut)
        to = WindowPlace();
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
    EndMove(to);
    return true;
}

void ClockPosition::EndMove(POINT to)
{
    const POINT at = Place(to);
    g_settings.WindowLeft = at.x;
    g_settings.WindowTop = at.y;
}

POINT ClockPosition::AtTheGlyphs() const
{
    const RECT ink = InkAt(WindowPlace(), m_face->Ink());
    return {ink.left, (ink.top + ink.bottom) / 2};
}

POINT ClockPosition::WindowPlace() const
{
    RECT r;
    GetWindowRect(m_hWnd, &r);
    return {r.left, r.top};
}
