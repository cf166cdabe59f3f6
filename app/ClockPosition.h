// Where the clock window is: kept where a user can find and grab its
// glyphs, moved by dragging them or by any move loop of the system, the
// place stored at the end of each of the user's moves.
#pragma once

#include "app/ClockDrag.h"
#include "app/ClockFace.h"
#include "settings/ClockSettings.h"

class ClockPosition {
public:
    void Attach(HWND window, const ClockFace* face)
    {
        m_hWnd = window;
        m_face = face;
    }

    // Moves the window to `at`, or to the nearest place that leaves enough
    // of its glyphs on a screen for a user to find and grab them (all of
    // them when none is on a screen); returns where it went. Nothing is
    // stored.
    POINT Place(POINT at);
    // The same from the stored place, as at start-up and after a change of
    // the text, the display or the work area.
    POINT PlaceStored() { return Place({g_settings.WindowLeft, g_settings.WindowTop}); }

    // A drag by the glyphs, the mouse's button down, the mouse moving.
    void Press();
    void Follow();
    // The end of a move of the user's: the button up (`cursorRead`) or the
    // capture lost, or a move loop of the system. The place the clock ends
    // up at is stored, for the caller to save; EndDrag is false when no
    // drag was under way.
    bool EndDrag(bool cursorRead);
    void EndMoveLoop() { EndMove(WindowPlace()); }

    // Where a menu opened from the keyboard shows: at the glyphs' left,
    // halfway down.
    POINT AtTheGlyphs() const;

private:
    POINT WindowPlace() const;
    void EndMove(POINT to);

    HWND m_hWnd = nullptr;
    const ClockFace* m_face = nullptr;
    ClockDrag m_drag;
};
